// The ZIP window over a searched tree: naming, what goes into the archive, aborting,
// deleting the packed sources only when their entries read back, and the space balance;
// a run holds the activity code, and what the queue runs in its middle (a hand-over, a
// stop, a close, a halt) cannot cut it short unnoticed.
#include <gtest/gtest.h>

#include "base/text/format.h"
#include "core/app/busy_guard.h"
#include "core/app/directory_handover.h"
#include "core/search/zip_rules.h"
#include "core/search/zip_window_model.h"
#include "platform/fake/fake_zip_archives.h"
#include "search_fixture.h"

namespace kefelo {
namespace {

using platform::Answer;
using Paths = std::vector<std::string>;

TEST(ZipRules, DefaultNameFollowsTheRegionalLanguage) {
    const timeutil::TDateTime t = timeutil::toDateTime({2004, 5, 6, 14, 3, 9, 0});
    EXPECT_EQ(search::defaultArchiveName("C:\\Z", t, "HUN"), "C:\\Z\\2004_05_06_14_03_09.zip");
    EXPECT_EQ(search::defaultArchiveName("C:\\Z", t, "enu"), "C:\\Z\\06_05_2004_14_03_09.zip");
}

TEST(ZipRules, FileAdEndsTheNameInZip) {
    EXPECT_EQ(search::FileAd("D:\\b\\archive.tar.gz"), "D:\\b\\archive.tar.zip");
    EXPECT_EQ(search::FileAd("D:\\b\\backup"), "D:\\b\\backup.zip");
    EXPECT_EQ(search::FileAd("D:\\my.dir\\backup"), "D:\\my.dir\\backup.zip");
    EXPECT_EQ(search::FileAd("D:\\b\\x.ZIP"), "D:\\b\\x.zip");
}

TEST(ZipRules, EntryNamesAreRelativeAndStayInside) {
    EXPECT_EQ(search::zipEntryName("C:\\Temp\\sub\\a.tmp"), "Temp/sub/a.tmp");
    EXPECT_EQ(search::zipEntryName("C:\\Temp\\..\\..\\.\\x.tmp"), "Temp/x.tmp");
    EXPECT_EQ(search::zipEntryName("\\\\srv\\share\\d\\é.tmp"), "d/é.tmp");
    EXPECT_EQ(search::zipEntryName("\\\\?\\C:\\d\\a.tmp"), "d/a.tmp");
    EXPECT_EQ(search::zipEntryName("\\\\?\\UNC\\srv\\share\\a.tmp"), "a.tmp");
    EXPECT_EQ(search::zipEntryName("C:\\..\\."), std::nullopt);
}

TEST(ZipRules, SpaceBalanceTellsFreedOrUsedBytesPast32Bits) {
    EXPECT_EQ(search::spaceBalanceText(2000), "A folyamat által felszabadított hely: 2.000 bájt");
    EXPECT_EQ(search::spaceBalanceText(-1000), "A folyamat által felhasznált hely: 1.000 bájt");
    EXPECT_EQ(search::spaceBalanceText(5'000'000'000), "A folyamat által felszabadított hely: 5.000.000.000 bájt");
}

class ZipWindow : public searchtest::SearchTest {
protected:
    platform::fake::FakeZipArchives archives{fs};
    std::unique_ptr<search::Ttomorit> zip;
    int closes = 0;

    ZipWindow() {
        clock.current = timeutil::toDateTime({2004, 5, 6, 14, 3, 9, 0});
        fs.addDirectory("C:\\Prog");
        config.zipDirectory = "C:\\Prog\\Zipped";
        zip = std::make_unique<search::Ttomorit>(search::ZipContext{platform, shell, archives, *page, Search.Tag, view,
                                                                    view, config, "C:\\Prog\\", "3.2.1.0", true});
        zip->close = [this] { ++closes; };
    }

    // Searches C:\Temp for *.tmp and marks every row active.
    void findAndMarkAll() {
        tickCategories({0});
        search("C:\\Temp");
        page->markingCommand(config::MarkingCommand::SelectAll);
        page->sgTfrissites();
    }
    Paths entryNames(const std::string& archive) const {
        Paths out;
        for (const auto& e : archives.entries(archive)) out.push_back(e.name);
        return out;
    }
};

TEST_F(ZipWindow, OpensOnlyPastTheLabelGuardWithTheDefaultName) {
    fs.addFile("C:\\Temp\\a.tmp", "aaa");
    tickCategories({0});
    search("C:\\Temp");
    EXPECT_FALSE(zip->button_findsselecttozipClick());  // "0 db"
    page->markingCommand(config::MarkingCommand::SelectAll);
    page->sgTfrissites();
    page->label_findselect = "[ 3 bájt. ]";
    EXPECT_FALSE(zip->button_findsselecttozipClick());
    page->sgTfrissites();
    sys.language = "DEU";
    ASSERT_TRUE(zip->button_findsselecttozipClick());
    EXPECT_EQ(zip->edit_compressname, "C:\\Prog\\Zipped\\06_05_2004_14_03_09.zip");
    EXPECT_EQ(zip->pc, search::zip_name);
    EXPECT_EQ(zip->openMark, 1);

    zip->nameChosen("D:\\Keep\\archive.tar.gz");
    EXPECT_TRUE(zip->closedModal() == false);
    EXPECT_EQ(config.zipDirectory, "D:\\Keep");
    EXPECT_EQ(zip->openMark, 0);

    // The folder is remembered in up to 255 characters, however many bytes its accents take.
    const std::string accented = "D:\\" + std::string(25, 'x') + [] {
        std::string deep;
        for (int i = 0; i < 25; ++i) deep += "\\ő" + std::string(7, 'a');  // 9 characters, 10 bytes
        return deep;
    }();
    ASSERT_EQ(accented.size(), 278u);  // 253 characters
    ASSERT_TRUE(zip->button_findsselecttozipClick());
    zip->nameChosen(accented + "\\a.zip");
    zip->closedModal();
    EXPECT_EQ(config.zipDirectory, accented);
    ASSERT_TRUE(zip->button_findsselecttozipClick());
    zip->nameChosen(accented + "őőőő\\a.zip");
    zip->closedModal();
    EXPECT_EQ(config.zipDirectory, accented + "őő");
}

TEST_F(ZipWindow, HiddenFilesStayOutAndOnlyStoredSourcesAreDeleted) {
    fs.addFile("C:\\Temp\\a.tmp", std::string(1000, 'a'));
    fs.addFile("C:\\Temp\\sub\\b.tmp", std::string(2000, 'b'));
    fs.addFile("C:\\Temp\\h.tmp", "hidden", platform::attr::kHidden);
    findAndMarkAll();
    ASSERT_TRUE(zip->button_findsselecttozipClick());
    const std::string archive = zip->edit_compressname;
    zip->button_compressClick();

    ASSERT_EQ(zip->pc, search::zip_result);
    EXPECT_EQ(entryNames(archive), (Paths{"Temp/a.tmp", "Temp/sub/b.tmp"}));
    EXPECT_NE(archives.comment(archive).find("Allomanyok szama: 2 db."), std::string::npos);
    EXPECT_TRUE(fs.directoryExists("C:\\Prog\\Zipped"));  // the default folder is made
    const int64_t size = static_cast<int64_t>(fs.find(archive)->size);
    EXPECT_EQ(zip->spaceBalance, -size);
    EXPECT_EQ(zip->memo_zipinfowhenend, "A tömörítvény elkészült.\r\nMérete: " + text::Ezredel(std::to_string(size)) +
                                            " bájt.\r\nNeve: 2004_05_06_14_03_09.zip\r\nVálasszon műveletet a "
                                            "gombok segítségével:");
    EXPECT_EQ(zip->Gauge, 100);

    zip->button_activefiledelClick();
    EXPECT_EQ(zip->pc, search::zip_alldeleted);
    EXPECT_FALSE(fs.exists("C:\\Temp\\a.tmp"));
    EXPECT_FALSE(fs.exists("C:\\Temp\\sub\\b.tmp"));
    EXPECT_TRUE(fs.exists("C:\\Temp\\h.tmp"));
    EXPECT_EQ(zip->spaceBalance, 3000 - size);
    EXPECT_EQ(zip->labelfree, search::spaceBalanceText(3000 - size));
    EXPECT_EQ(foundPaths(), Paths{"C:\\Temp\\h.tmp"});
}

TEST_F(ZipWindow, AbortAfterTheFirstFileKeepsOneEntryAndSaysSo) {
    for (int i = 0; i < 5; ++i) fs.addFile("C:\\Temp\\f" + std::to_string(i) + ".tmp", "data");
    findAndMarkAll();
    ASSERT_TRUE(zip->button_findsselecttozipClick());
    ui.onPump = [this] {
        if (zip->compressed().size() == 1) zip->button_abortClick();
    };
    zip->button_compressClick();
    EXPECT_EQ(archives.entries(zip->edit_compressname).size(), 1u);
    EXPECT_NE(archives.comment(zip->edit_compressname).find("szama: 1 db."), std::string::npos);
    EXPECT_EQ(zip->pc, search::zip_result);
    EXPECT_EQ(zip->memo_zipinfowhenend.rfind("A tömörítési folyamat félbe lett szakítva", 0), 0u);
}

TEST_F(ZipWindow, AbortWhileWritingKeepsTheEntriesWrittenAndCountsThem) {
    for (int i = 0; i < 4; ++i) fs.addFile("C:\\Temp\\f" + std::to_string(i) + ".tmp", "data");
    findAndMarkAll();
    ASSERT_TRUE(zip->button_findsselecttozipClick());
    // Adding is done; the writer has written two entries when the user stops it.
    ui.onPump = [this] {
        const bool writing = zip->memo_whenzip.find("lezárása") != std::string::npos;
        if (writing && zip->labelname == "f2.tmp") zip->button_abortClick();
    };
    zip->button_compressClick();
    EXPECT_EQ(archives.entries(zip->edit_compressname).size(), 2u);
    EXPECT_EQ(zip->compressed().size(), 2u);
    EXPECT_NE(archives.comment(zip->edit_compressname).find("szama: 2 db."), std::string::npos);
}

TEST_F(ZipWindow, AnOldArchiveIsKeptUntilTheNewOneIsComplete) {
    fs.addFile("C:\\Temp\\a.tmp", "new");
    findAndMarkAll();
    ASSERT_TRUE(zip->button_findsselecttozipClick());
    fs.addFile(zip->edit_compressname, "old archive");
    archives.failClose = true;
    ui.answers = {Answer::Yes, Answer::Yes};  // overwrite; then open the folder
    zip->button_compressClick();
    EXPECT_EQ(fs.content(zip->edit_compressname), "old archive");
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text, search::kZipFailedQuestion);
    ASSERT_EQ(shell.executed.size(), 1u);
    EXPECT_EQ(shell.executed[0].parameters, "C:\\Prog\\Zipped");
    EXPECT_EQ(closes, 1);

    // Opened again at the same second: answering No to the overwrite question leaves page 0
    // and the old file.
    archives.failClose = false;
    ASSERT_TRUE(zip->button_findsselecttozipClick());
    ui.answers = {Answer::No};
    zip->button_compressClick();
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages[2].text, search::kZipOverwriteQuestion);
    EXPECT_EQ(zip->pc, search::zip_name);
    EXPECT_EQ(archives.created, 1);
    EXPECT_EQ(fs.content(zip->edit_compressname), "old archive");
}

TEST_F(ZipWindow, MissingFolderStopsBeforeAnythingIsWritten) {
    fs.addFile("C:\\Temp\\a.tmp", "x");
    findAndMarkAll();
    ASSERT_TRUE(zip->button_findsselecttozipClick());
    zip->nameChosen("Q:\\Nowhere\\a");
    zip->button_compressClick();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "Nem létezik, vagy nem elérhető a következő, megadott könyvtár:\r\nQ:\\Nowhere\r\n\r\nA tömörítvény "
              "ezért nem készült el!");
    EXPECT_EQ(archives.created, 0);
    EXPECT_EQ(zip->pc, search::zip_name);
}

TEST_F(ZipWindow, SourcesThatChangedOrDoNotReadBackStayAndAreListed) {
    fs.addFile("C:\\Temp\\a.tmp", std::string(100, 'a'));
    fs.addFile("C:\\Temp\\b.tmp", std::string(200, 'b'));
    fs.addFile("C:\\Temp\\c.tmp", std::string(300, 'c'));
    findAndMarkAll();
    ASSERT_TRUE(zip->button_findsselecttozipClick());
    zip->button_compressClick();
    const std::string archive = zip->edit_compressname;
    const int64_t size = static_cast<int64_t>(fs.find(archive)->size);
    fs.addFile("C:\\Temp\\a.tmp", std::string(100, 'A'));  // changed after packing: same size, other CRC
    archives.spoil(archive, "Temp/b.tmp");
    zip->button_activefiledelClick();

    EXPECT_TRUE(fs.exists("C:\\Temp\\a.tmp"));
    EXPECT_TRUE(fs.exists("C:\\Temp\\b.tmp"));
    EXPECT_FALSE(fs.exists("C:\\Temp\\c.tmp"));
    EXPECT_EQ(zip->listundeleted, (Paths{"C:\\Temp\\a.tmp", "C:\\Temp\\b.tmp"}));
    EXPECT_EQ(zip->labelfree2, search::spaceBalanceText(300 - size));
    EXPECT_EQ(closes, 1);
    ASSERT_TRUE(zip->closedModal());
    EXPECT_EQ(zip->pc, search::zip_undeleted);
    EXPECT_EQ(zip->caption, search::kUndeletedWindowCaption);

    // Choosing an entry makes its row current; once its row is gone (protected), every
    // entry with its name goes, and the window closes when none is left.
    zip->listundeletedSelect(1);
    EXPECT_EQ(page->found.currentRow, zip->foundRowOf("C:\\Temp\\b.tmp"));
    page->found.removeRows({1, 1});
    zip->listundeletedIndex = 0;
    zip->pruneUndeleted();
    EXPECT_EQ(zip->listundeleted, Paths{"C:\\Temp\\b.tmp"});
    zip->pruneUndeleted();
    EXPECT_TRUE(zip->listundeleted.empty());
    EXPECT_EQ(closes, 2);
}

TEST_F(ZipWindow, NoSourceDeletedLeavesTheArchiveSizeAsUsedSpace) {
    fs.addFile("C:\\Temp\\a.tmp", std::string(100, 'a'));
    findAndMarkAll();
    ASSERT_TRUE(zip->button_findsselecttozipClick());
    zip->button_compressClick();
    const uint64_t size = fs.find(zip->edit_compressname)->size;
    fs.setLocked("C:\\Temp\\a.tmp", true);
    zip->button_activefiledelClick();
    EXPECT_EQ(zip->labelfree2, "A folyamat által felhasznált hely: " + std::to_string(size) + " bájt");
    EXPECT_EQ(fs.getAttributes("C:\\Temp\\a.tmp"), platform::attr::kArchive);  // restored
}

// Each door into a running ZIP is opened from the message queue, in the middle of the loop.
class ZipDoors : public ZipWindow {
protected:
    const Paths six = {"C:\\Temp\\f1.tmp", "C:\\Temp\\f2.tmp", "C:\\Temp\\f3.tmp",
                       "C:\\Temp\\f4.tmp", "C:\\Temp\\f5.tmp", "C:\\Temp\\f6.tmp"};

    void openOverSixFiles() {
        for (size_t i = 0; i < six.size(); ++i) fs.addFile(six[i], std::string(100 * (i + 1), 'x'));
        fs.addFile("C:\\Other\\x.tmp", "other");
        findAndMarkAll();
        ASSERT_TRUE(zip->button_findsselecttozipClick());
    }
    // A second copy hands a folder over, taken as the main window takes it.
    std::optional<std::string> handOver() {
        auto path = app::receiveHandover(fs, "C:\\Prog\\", "C:\\Other|", Search.Tag);
        if (path) page->directoryHandover(*path);
        return path;
    }
    Paths left() const {
        Paths out;
        for (const auto& path : six)
            if (fs.exists(path)) out.push_back(path);
        return out;
    }
    int64_t archiveSize() { return static_cast<int64_t>(fs.find(zip->edit_compressname)->size); }
};

TEST_F(ZipDoors, AHandOverWhilePackingOrDeletingIsAnsweredBusyAndTheRunEndsWhole) {
    openOverSixFiles();
    // Set before the hand-over: a search it starts runs the queue again.
    bool asked = false;
    std::optional<std::string> answer = "not asked";
    ui.onPump = [&] {
        if (!asked && zip->compressed().size() == 2) {
            asked = true;
            answer = handOver();
        }
    };
    zip->button_compressClick();
    ASSERT_TRUE(asked);
    EXPECT_FALSE(answer);
    EXPECT_EQ(archives.entries(zip->edit_compressname).size(), 6u);
    EXPECT_EQ(zip->memo_zipinfowhenend.rfind("A tömörítvény elkészült.", 0), 0u);
    EXPECT_EQ(foundPaths(), six);

    asked = false;
    answer = "not asked";
    ui.onPump = [&] {
        if (!asked && left().size() == 5) {
            asked = true;
            answer = handOver();
        }
    };
    zip->button_activefiledelClick();
    ASSERT_TRUE(asked);
    EXPECT_FALSE(answer);
    EXPECT_EQ(left(), Paths{});
    EXPECT_EQ(zip->pc, search::zip_alldeleted);
    EXPECT_TRUE(fs.exists("C:\\Other\\x.tmp"));
    EXPECT_EQ(foundPaths(), Paths{});

    // The run is over: the next hand-over is taken.
    ui.onPump = nullptr;
    EXPECT_TRUE(handOver());
    EXPECT_EQ(foundPaths(), Paths{"C:\\Other\\x.tmp"});
}

TEST_F(ZipDoors, TheFilesTakenAtTheStartAreAllPackedWhateverHappensToTheList) {
    openOverSixFiles();
    ui.onPump = [&] {
        if (zip->compressed().size() == 2 && page->found.size() == 6) page->found.removeRows({1, 1, 1, 1, 1, 1});
    };
    zip->button_compressClick();
    EXPECT_EQ(archives.entries(zip->edit_compressname).size(), 6u);
    EXPECT_EQ(zip->memo_zipinfowhenend.rfind("A tömörítvény elkészült.", 0), 0u);
}

TEST_F(ZipDoors, StopDuringTheReadBackDeletesNothingAndListsEverySource) {
    openOverSixFiles();
    zip->button_compressClick();
    // The second pump of the deletion comes before the first source would go.
    const int start = ui.pumpCount;
    ui.onPump = [&] {
        if (ui.pumpCount == start + 2) zip->button1Click();
    };
    zip->button_activefiledelClick();
    EXPECT_EQ(left(), six);
    EXPECT_EQ(zip->listundeleted, six);
    EXPECT_EQ(zip->labelfree2, search::spaceBalanceText(-archiveSize()));
    EXPECT_EQ(closes, 1);
    ASSERT_TRUE(zip->closedModal());
    EXPECT_EQ(zip->pc, search::zip_undeleted);
    EXPECT_EQ(Search.Tag, app::Activity::Idle);
}

TEST_F(ZipDoors, EscOrTheCloseBoxWhileDeletingStopsAfterTheCurrentFileAndStaysClosed) {
    openOverSixFiles();
    zip->button_compressClick();
    ui.onPump = [&] {
        if (closes == 0 && !fs.exists(six[0])) zip->cancelAndClose();
    };
    zip->button_activefiledelClick();
    const Paths rest(six.begin() + 1, six.end());
    EXPECT_EQ(left(), rest);
    EXPECT_EQ(foundPaths(), rest);
    EXPECT_EQ(zip->compressed().size(), 5u);
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(zip->closedModal());
    EXPECT_EQ(Search.Tag, app::Activity::Idle);
}

TEST_F(ZipDoors, AHaltThatTakesTheCodeStopsPackingAndDeletingAndNothingIsReportedComplete) {
    openOverSixFiles();
    ui.onPump = [&] {
        if (zip->compressed().size() == 2) Search.Tag = app::Activity::Idle;  // as quitting does
    };
    zip->button_compressClick();
    EXPECT_LT(archives.entries(zip->edit_compressname).size(), 6u);
    EXPECT_EQ(zip->memo_zipinfowhenend.rfind("A tömörítési folyamat félbe lett szakítva", 0), 0u);

    // A whole archive, then a halt after the first deleted source.
    ui.onPump = nullptr;
    ASSERT_TRUE(zip->button_findsselecttozipClick());
    ui.answers = {Answer::Yes};  // the cut archive is overwritten
    zip->button_compressClick();
    ASSERT_EQ(archives.entries(zip->edit_compressname).size(), 6u);
    ui.onPump = [&] {
        if (!fs.exists(six[0])) Search.Tag = app::Activity::Idle;
    };
    zip->button_activefiledelClick();
    EXPECT_EQ(left(), Paths(six.begin() + 1, six.end()));
    EXPECT_EQ(zip->pc, search::zip_deleting);
    EXPECT_EQ(zip->listundeleted.size(), 5u);
}

TEST_F(ZipDoors, WhileSomethingElseRunsEveryStepIsRefusedWithTheBusyWarning) {
    openOverSixFiles();
    zip->closedModal();
    Search.Tag = app::Activity::FileSearch;
    EXPECT_FALSE(zip->button_findsselecttozipClick());

    // A run started behind the open window, from the tray.
    Search.Tag = app::Activity::Idle;
    ASSERT_TRUE(zip->button_findsselecttozipClick());
    Search.Tag = app::Activity::Cleaning;
    zip->button_compressClick();
    EXPECT_EQ(archives.created, 0);
    EXPECT_EQ(zip->pc, search::zip_name);

    Search.Tag = app::Activity::Idle;
    zip->button_compressClick();
    ASSERT_EQ(zip->pc, search::zip_result);
    Search.Tag = app::Activity::Cleaning;
    zip->button_activefiledelClick();
    EXPECT_EQ(left(), six);
    EXPECT_EQ(zip->pc, search::zip_result);
    EXPECT_EQ(Search.Tag, app::Activity::Cleaning);
    EXPECT_EQ(messageTexts(), Paths(3, app::kBusyWarning));
}

}  // namespace
}  // namespace kefelo
