#include "core/search/found_files_operations.h"

#include <gtest/gtest.h>

#include "base/text/codec.h"
#include "core/config/list_file.h"
#include "core/search/move_log.h"
#include "core/search/search_fixture.h"

using namespace kefelo;
using platform::Answer;
using platform::MessageKind;
using Paths = std::vector<std::string>;
namespace attr = platform::attr;

namespace {

// autodel.bat as the delete hands lines to it.
struct RecordingQueue : search::UndeletableQueue {
    bool exists = false;
    std::vector<Paths> extended, written;
    std::optional<std::string> deleteLine(const std::string& path) override { return "del \"" + path + "\""; }
    bool batchExists() override { return exists; }
    bool extendBatch(const Paths& lines) override {
        extended.push_back(lines);
        return true;
    }
    void writeNewBatch(const Paths& lines) override { written.push_back(lines); }
};

class FoundFilesOperations : public searchtest::SearchTest {
protected:
    RecordingQueue queue;

    FoundFilesOperations() {
        fs.addFile("C:\\Temp\\a.tmp", "12345");
        fs.addFile("C:\\Temp\\busy.tmp", "123");
        fs.addFile("C:\\Temp\\ro.tmp", "1", attr::kReadOnly | attr::kArchive);
        fs.addFile("C:\\Temp\\sub\\Thumbs.db", "12");
        fs.addFile("C:\\Temp\\THUMBS.DB", "1");
        fs.setLocked("C:\\Temp\\busy.tmp", true);
        fs.addDrive('C', platform::DriveType::Fixed, {4096 * 1024, 8192 * 1024, 4096 * 1024}, "");
        fs.addDrive('D', platform::DriveType::Fixed, {1024 * 1024, 2048 * 1024, 1024 * 1024}, "");
        fs.addDirectory("D:\\Dest");
        lists.list_searchext.items = {{"*.tmp", true}, {"*.db", true}};
        config.check_viewalerts = false;
        page->shell = &shell;
        page->undeletables = &queue;
        search("C:\\Temp");
    }

    int rowOf(const std::string& path) const {
        const Paths paths = foundPaths();
        for (size_t i = 0; i < paths.size(); ++i)
            if (paths[i] == path) return static_cast<int>(i);
        return -1;
    }
    void activate(std::initializer_list<const char*> paths) {
        for (const char* path : paths) page->found.toggle(rowOf(path));
        page->sgTfrissites();
    }
};

TEST_F(FoundFilesOperations, TheGuardBlocksWithoutActiveFilesAndWhileAResultIsShown) {
    EXPECT_FALSE(page->activeFilesActionable());
    page->button_findsselectdeleteClick();
    ui.folders.push_back("D:\\Dest");
    page->button_findsselectmoveClick();
    EXPECT_TRUE(ui.folderRequests.empty());
    EXPECT_EQ(page->found.size(), 5u);

    activate({"C:\\Temp\\a.tmp", "C:\\Temp\\ro.tmp"});
    page->button_findsselectdeleteClick();
    EXPECT_EQ(page->label_findselect, "[ 6 bájt. ]");
    EXPECT_FALSE(page->activeFilesActionable());
    page->markingCommand(config::MarkingCommand::SelectAll);
    EXPECT_TRUE(page->activeFilesActionable());
}

// Into the bin in one batch; a file the bin refuses stays active in the list, is never
// handed to autodel.bat, and the user is told why.
TEST_F(FoundFilesOperations, DeleteIntoTheBinKeepsWhatTheBinRefuses) {
    config.check_recyclefound = true;
    shell.noBinPrefixes = {"C:\\Temp\\sub\\"};
    activate({"C:\\Temp\\a.tmp", "C:\\Temp\\ro.tmp", "C:\\Temp\\sub\\Thumbs.db"});
    page->button_findsselectdeleteClick();

    EXPECT_EQ(shell.recycleCalls, 1);
    EXPECT_EQ(shell.recycled, (Paths{"C:\\Temp\\a.tmp", "C:\\Temp\\ro.tmp"}));
    EXPECT_TRUE(fs.exists("C:\\Temp\\sub\\Thumbs.db"));
    EXPECT_EQ(page->label_findselect, "[ 6 bájt. ]");
    EXPECT_EQ(foundPaths(), (Paths{"C:\\Temp\\busy.tmp", "C:\\Temp\\sub\\Thumbs.db", "C:\\Temp\\THUMBS.DB"}));
    EXPECT_EQ(page->found.row(1).mark, config::Mark::Active);
    EXPECT_TRUE(queue.extended.empty() && queue.written.empty());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, search::notRecycledMessage(1, "ezen a meghajtón nincs Lomtár"));
}

TEST_F(FoundFilesOperations, DeleteRemovesWhatGoesAndKeepsALockedFileActiveForAutodel) {
    config.check_viewalerts = true;
    activate({"C:\\Temp\\a.tmp", "C:\\Temp\\busy.tmp", "C:\\Temp\\ro.tmp"});
    ui.answers = {Answer::Yes, Answer::Yes};  // delete, then queue the one left
    page->button_findsselectdeleteClick();

    EXPECT_FALSE(fs.exists("C:\\Temp\\a.tmp"));
    EXPECT_FALSE(fs.exists("C:\\Temp\\ro.tmp"));
    EXPECT_EQ(fs.getAttributes("C:\\Temp\\busy.tmp"), attr::kArchive);
    EXPECT_EQ(foundPaths(), (Paths{"C:\\Temp\\busy.tmp", "C:\\Temp\\sub\\Thumbs.db", "C:\\Temp\\THUMBS.DB"}));
    EXPECT_EQ(page->found.row(0).mark, config::Mark::Active);
    EXPECT_EQ(page->group_findselect, search::kFreedCaption);
    EXPECT_EQ(page->label_findselect, "[ 6 bájt. ]");
    EXPECT_TRUE(page->label_findselectBold && page->list_findsEnabled && page->group_findselectEnabled);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text, search::kQueueQuestion);
    EXPECT_EQ(queue.written, (std::vector<Paths>{{"del \"C:\\Temp\\busy.tmp\""}}));
}

TEST_F(FoundFilesOperations, AnExistingAutodelIsExtendedReplacedOrLeftByTheAnswer) {
    queue.exists = true;
    for (Answer answer : {Answer::Yes, Answer::No, Answer::Cancel}) {
        page->markingCommand(config::MarkingCommand::ClearAll);
        activate({"C:\\Temp\\busy.tmp"});
        ui.answers = {Answer::Yes, answer};
        page->button_findsselectdeleteClick();
    }
    EXPECT_EQ(ui.messages.back().text, search::kExtendQuestion);
    EXPECT_EQ(queue.extended.size(), 1u);
    EXPECT_EQ(queue.written.size(), 1u);
}

TEST_F(FoundFilesOperations, SumsHoldFilesPastFourGigabytes) {
    fs.addFileOfSize("C:\\Big\\huge.tmp", 5'000'000'000);
    fs.addFileOfSize("C:\\Big\\more.tmp", 3'000'000'000);
    search("C:\\Big");
    page->markingCommand(config::MarkingCommand::SelectAll);
    ui.folders.push_back("D:\\Dest");
    page->button_findsselectmoveClick();
    EXPECT_EQ(page->label_findselect, "[ 8.000.000.000 bájt ]");

    fs.addFileOfSize("C:\\Big\\again.tmp", 4'294'967'297);
    search("C:\\Big");
    page->markingCommand(config::MarkingCommand::SelectAll);
    page->button_findsselectdeleteClick();
    EXPECT_EQ(page->label_findselect, "[ 4.294.967.297 bájt. ]");
}

TEST_F(FoundFilesOperations, MoveReportsFailuresDisksAndWritesItsLogUnderAnEnglishLocale) {
    sys.shortDate = "M/d/yyyy";
    sys.longTime = "h:mm:ss tt";
    clock.current = timeutil::toDateTime({2026, 12, 9, 1, 5, 7, 0});
    fs.addFile("D:\\Dest\\a.tmp", "old");
    activate({"C:\\Temp\\a.tmp", "C:\\Temp\\ro.tmp"});
    ui.folders.push_back("D:\\Dest");
    ui.answers = {Answer::Yes};
    page->button_findsselectmoveClick();

    EXPECT_EQ(fs.content("D:\\Dest\\a.tmp"), "old");
    EXPECT_EQ(fs.getAttributes("D:\\Dest\\ro.tmp"), attr::kReadOnly | attr::kArchive);
    EXPECT_EQ(rowOf("C:\\Temp\\a.tmp"), 0);
    EXPECT_EQ(page->found.row(0).mark, config::Mark::Active);
    EXPECT_EQ(page->label_findselect, "[ 1 bájt ]");
    EXPECT_EQ(page->foundFilesHint(), search::kMoveFailedHint);

    const std::string logPath = "D:\\Dest\\2026_12_09_ 01_05_07.log";
    ASSERT_EQ(ui.messages.size(), 1u);
    const std::string& question = ui.messages[0].text;
    EXPECT_NE(question.find("- A(z) \"D:\\Dest\\\" helyen már létezik"), std::string::npos);
    EXPECT_NE(question.find("\r\nLemezelemzés:\r\nA forrásmeghajtó ( C: ) állapota: 8.192 Kbájtból  4.096 Kbájt "
                            "szabad.\r\nA célmeghajtó ( D: ) állapota: 2.048 Kbájtból  1.024 Kbájt szabad."),
              std::string::npos);
    EXPECT_NE(question.find("következő állomány: \r\n" + logPath + "\r\n"), std::string::npos);

    const std::string log = text::cp1250ToUtf8(fs.content(logPath).value_or(""));
    EXPECT_NE(log.find("C:\\Temp\\ro.tmp\r\n\r\nNem sikerült áthelyezni a következő állományokat:\r\nC:\\Temp\\a.tmp"),
              std::string::npos);
    EXPECT_EQ(fs.getAttributes(logPath), attr::kReadOnly);
    EXPECT_EQ(shell.executed.back().parameters, "\"" + logPath + "\"");
}

TEST(MoveReport, VolumesComeFromThePathsAndOneSharedVolumeIsTheHost) {
    EXPECT_EQ(search::volumeRootOf("c:\\Temp\\a.tmp"), "c:\\");
    EXPECT_EQ(search::volumeRootOf("\\\\srv\\share\\x\\a.tmp"), "\\\\srv\\share\\");
    EXPECT_EQ(search::volumeRootOf("\\\\srv"), std::nullopt);
    const auto space = [](const std::string& root) -> std::optional<platform::DiskSpace> {
        if (root == "X:\\") return std::nullopt;
        return platform::DiskSpace{2048, 4096, 2048};
    };
    EXPECT_EQ(search::diskReport({"c:\\"}, "C:\\", space),
              "\r\nLemezelemzés:\r\nA gazdameghajtó ( C: ) állapota: 4 Kbájtból  2 Kbájt szabad.");
    EXPECT_EQ(search::diskReport({"\\\\srv\\share\\", "X:\\"}, "C:\\", space),
              "\r\nLemezelemzés:\r\nA forrásmeghajtó ( \\\\srv\\share ) állapota: 4 Kbájtból  2 Kbájt szabad."
              "\r\nA célmeghajtó ( C: ) állapota: 4 Kbájtból  2 Kbájt szabad.");
}

TEST_F(FoundFilesOperations, ProtectingANameTakesEveryRowOfItAndAddsItOnce) {
    int pruned = 0;
    page->pruneZipUndeletables = [&] { ++pruned; };
    activate({"C:\\Temp\\a.tmp"});
    page->found.currentRow = rowOf("C:\\Temp\\sub\\Thumbs.db");
    config.list_protectfiles.items.push_back("opa11.bak");  // last: asks although alerts are off
    ui.answers = {Answer::Yes};
    page->rowCommand(search::RowCommand::Protect);
    page->found.currentRow = 0;
    page->menuitem_searchfilenametoprotectClick();  // a.tmp, not asked now

    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(config.list_protectfiles.items, (Paths{"data.bak", "readme.txt", "opa11.bak", "Thumbs.db", "a.tmp"}));
    EXPECT_EQ(foundPaths(), (Paths{"C:\\Temp\\busy.tmp", "C:\\Temp\\ro.tmp"}));
    EXPECT_EQ(page->label_findsabout, "2 db\r\n4 bájt");
    EXPECT_EQ(page->label_findselect, "0 db\r\n0 bájt");
    EXPECT_EQ(pruned, 2);
}

TEST_F(FoundFilesOperations, ANameTheProtectedListCannotHoldIsRefusedBeforeTheQuestion) {
    fs.addFile("C:\\Temp\\Проект.tmp", "1");
    search("C:\\Temp");
    const Paths before = foundPaths();
    const Paths names = config.list_protectfiles.items;
    config.check_viewalerts = true;
    page->found.currentRow = rowOf("C:\\Temp\\Проект.tmp");
    ASSERT_GE(page->found.currentRow, 0);
    page->menuitem_searchfilenametoprotectClick();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(ui.messages[0].text, config::unstorableTextMessage("Проект.tmp"));
    EXPECT_EQ(config.list_protectfiles.items, names);
    EXPECT_EQ(foundPaths(), before);
}

TEST_F(FoundFilesOperations, NotepadAndRunLeaveAttributesAloneAndPassThePathQuoted) {
    page->found.currentRow = rowOf("C:\\Temp\\ro.tmp");
    page->rowCommand(search::RowCommand::OpenInNotepad);
    page->rowCommand(search::RowCommand::Run);
    page->rowCommand(search::RowCommand::OpenFolder);
    page->rowCommand(search::RowCommand::Properties);
    using platform::fake::ExecutedFile;
    EXPECT_EQ(shell.executed, (std::vector<ExecutedFile>{{"notepad.exe", "\"C:\\Temp\\ro.tmp\"", "", true},
                                                         {"C:\\Temp\\ro.tmp", "", "", true},
                                                         {"explorer.exe", "\"C:\\Temp\"", "", true}}));
    EXPECT_EQ(shell.propertiesOpened, Paths{"C:\\Temp\\ro.tmp"});
    EXPECT_EQ(fs.getAttributes("C:\\Temp\\ro.tmp"), attr::kReadOnly | attr::kArchive);
}

}  // namespace
