// The session wired over the fake platform: the one walker's events reach the cleaning
// run or the search by the activity code, and a handed-over directory is searched.
#include "core/session/session.h"

#include <gtest/gtest.h>

#include <string>

#include "base/text/codec.h"
#include "core/app/null_views.h"
#include "core/config/list_file.h"
#include "platform/fake/fake_platform.h"

using namespace kefelo;

namespace {

// The cleaning page as far as the run's end shows on it.
struct LogPage : cleaning::CleaningPageView {
    std::string log;
    void showCleaningPage() override {}
    void setCleaningPage(int) override {}
    void setReportCaption(const std::string&) override {}
    void showReportHalt(bool) override {}
    void showReportButtons(bool) override {}
    void hideLog() override { log.clear(); }
    void showLog(const cleaning::CleaningLog& shown) override { log = shown.text(); }
    void setLastPathText(const std::string&) override {}
    void focusReportButtons() override {}
    void setAutodelButtonEnabled(bool) override {}
    void setCurrentTaskRow(int) override {}
    void listsChanged() override {}
    void setContainerAddEnabled(bool) override {}
};

struct CountedBeeps : apptest::NullShellViews {
    int beeps = 0;
    void beep() override { ++beeps; }
};

class SessionTest : public ::testing::Test, protected platform::fake::FakePlatform {
protected:
    app::CommandLine commandLine;
    CountedBeeps window;
    LogPage page;
    session::Session session{{platform, shell, commandLine, "C:\\Kefelo\\", "3.2.1.0"}, window.views()};

    SessionTest() {
        fs.addDirectory("C:\\Kefelo");
        fs.addDirectory("C:\\WINDOWS");
        session.walker().PumpIntervalMs = 0;
        session.loadConfiguration(1024, 768);
        session.attachCleaningView(&page);
    }
};

TEST_F(SessionTest, TheWalkerServesTheCleaningRunAndTheSearchByTheActivityCode) {
    // A task's matches are deleted only once the walker's end-of-walk event reaches the run.
    fs.addFileOfSize("C:\\Work\\old.tmp", 5);
    fs.addFileOfSize("C:\\Work\\keep.txt", 7);
    session.config().list_projects.rows.front() = {config::Mark::Active, "C:\\Work", "*.tmp"};
    session.run().button_begincleanClick();
    EXPECT_FALSE(fs.exists("C:\\Work\\old.tmp"));
    EXPECT_TRUE(fs.exists("C:\\Work\\keep.txt"));
    EXPECT_NE(page.log.find("old.tmp"), std::string::npos);
    EXPECT_EQ(session.activity(), app::Activity::Idle);

    // A second copy hands a folder over: it is searched with every type ticked, and the
    // walker's events fill the found files.
    fs.addFileOfSize("C:\\Work\\sub\\new.tmp", 3);
    const std::optional<std::string> path = session.receiveHandover("C:\\Work|");
    ASSERT_TRUE(path);
    session.searchHandedOver(*path);
    ASSERT_EQ(session.search().found.size(), 1u);
    EXPECT_EQ(session.search().found.fullPath(0), "C:\\Work\\sub\\new.tmp");
    EXPECT_EQ(session.search().memo_findfileactualpath, "C:\\WORK\\SUB");
    EXPECT_EQ(session.activity(), app::Activity::Idle);

    // While a walk is on, a hand-over is dropped.
    session.walker().Tag = app::Activity::Cleaning;
    EXPECT_FALSE(session.receiveHandover("C:\\Work|"));
}

TEST_F(SessionTest, AStoppedSearchKeepsTheNextRunQuiet) {
    fs.addDirectory("C:\\Work");
    session.config().list_projects.rows.front() = {config::Mark::Active, "C:\\Work", "*.tmp"};
    session.config().check_beep = true;
    session.run().button_begincleanClick();
    EXPECT_EQ(window.beeps, 1);
    session.search().beepSuppressed = true;  // what the search's stop leaves behind
    session.run().button_begincleanClick();
    EXPECT_EQ(window.beeps, 1);
}

// Quit arrives in the pump of a running operation: the operation stops as its own stop
// button would stop it, and nothing more is deleted after the quit.
TEST_F(SessionTest, QuitDuringACleaningRunHaltsItBeforeTheNextTaskAndSavesTheHaltedDates) {
    for (const char* file : {"C:\\A\\a1.tmp", "C:\\A\\a2.tmp", "C:\\A\\a3.tmp", "C:\\B\\b1.tmp", "C:\\B\\b2.tmp"})
        fs.addFileOfSize(file, 5);
    auto& tasks = session.config().list_projects.rows;
    tasks.front() = {config::Mark::Active, "C:\\A", "*.tmp"};
    tasks.push_back({config::Mark::Active, "C:\\B", "*.tmp"});
    session.run().PumpIntervalMs = 0;
    bool quit = false;
    ui.onPump = [&] {
        if (!quit && !fs.exists("C:\\A\\a1.tmp")) {
            quit = true;
            session.shell().Kilps1Click();
        }
    };
    session.run().button_begincleanClick();

    ASSERT_TRUE(quit);
    EXPECT_TRUE(fs.exists("C:\\A\\a3.tmp"));
    EXPECT_TRUE(fs.exists("C:\\B\\b1.tmp"));
    EXPECT_TRUE(fs.exists("C:\\B\\b2.tmp"));
    EXPECT_EQ(session.activity(), app::Activity::Idle);
    EXPECT_FALSE(session.run().running());
    // The halted run wrote its log before the settings went to disk, without a cleaning date.
    EXPECT_NE(page.log.find("megszakítva"), std::string::npos);
    EXPECT_TRUE(fs.exists("C:\\Kefelo\\utolso.log"));
    EXPECT_TRUE(fs.exists("C:\\Kefelo\\beallitasok.cfg"));
    EXPECT_EQ(session.config().lastCleaning, 0.0);
}

// A second copy hands a folder over while the found files are deleted: it is answered busy,
// and the list the deletion works on stays its own to the end.
TEST_F(SessionTest, AHandOverDuringAFoundFilesDeleteIsRefusedAndEveryFileGoes) {
    for (int i = 1; i <= 6; ++i) fs.addFileOfSize("C:\\Work\\f" + std::to_string(i) + ".tmp", 3);
    fs.addFileOfSize("C:\\Other\\x.tmp", 3);
    const std::optional<std::string> path = session.receiveHandover("C:\\Work|");
    ASSERT_TRUE(path);
    session.searchHandedOver(*path);
    search::SearchPageModel& search = session.search();
    ASSERT_EQ(search.found.size(), 6u);
    search.PumpIntervalMs = 0;
    search.markingCommand(config::MarkingCommand::SelectAll);
    ASSERT_TRUE(search.activeFilesActionable());

    bool handedOver = false;
    std::optional<std::string> answer = "not asked";
    ui.onPump = [&] {
        if (!handedOver && !fs.exists("C:\\Work\\f2.tmp")) {
            handedOver = true;
            answer = session.receiveHandover("C:\\Other|");
            session.searchHandedOver("C:\\Other");
            search.button_searchbeginClick();
        }
    };
    ui.answers = {platform::Answer::Yes};
    search.button_findsselectdeleteClick();

    ASSERT_TRUE(handedOver);
    EXPECT_FALSE(answer);
    EXPECT_EQ(fs.namesIn("C:\\Work"), std::vector<std::string>{});
    EXPECT_TRUE(fs.exists("C:\\Other\\x.tmp"));
    EXPECT_EQ(search.found.size(), 0u);
    EXPECT_EQ(session.activity(), app::Activity::Idle);
}

}  // namespace

TEST_F(SessionTest, LoadedGridsAreSortedByFolderAndByLocation) {
    config::ContainerGrid containers;
    containers.rows = {{config::Mark::Active, "", "C:\\Zeta"}, {config::Mark::Inactive, "", "c:\\alfa"}};
    config::TaskGrid tasks;
    tasks.rows = {{config::Mark::Active, "D:\\b", "*.tmp"}, {config::Mark::Active, "C:\\A", "*.bak"}};
    fs.addFile("C:\\Kefelo\\konyvtarak.lst", text::encodeLines(config::formatListFile(containers, tasks)));
    session.loadConfiguration(1024, 768);
    const auto& temps = session.config().list_temps.rows;
    ASSERT_EQ(temps.size(), 2u);
    EXPECT_EQ(temps[0].path, "c:\\alfa");
    EXPECT_EQ(temps[1].path, "C:\\Zeta");
    const auto& projects = session.config().list_projects.rows;
    ASSERT_EQ(projects.size(), 2u);
    EXPECT_EQ(projects[0].location, "C:\\A");
}

// Every run that ends, manual, automatic or halted, leaves its totals in the history; only
// the run the start-up began counts as automatic.
TEST_F(SessionTest, EveryFinishedRunAddsItsTotalsToTheHistory) {
    fs.addFileOfSize("C:\\Work\\a.tmp", 1500);
    fs.addFileOfSize("C:\\Work\\b.tmp", 2500);
    session.config().list_projects.rows.front() = {config::Mark::Active, "C:\\Work", "*.tmp"};
    session.startAutomaticRun();
    fs.addFileOfSize("C:\\Work\\c.tmp", 7);
    fs.setLocked("C:\\Work\\c.tmp", true);
    session.run().button_begincleanClick();

    const std::vector<std::string> lines =
        text::decodeLines(fs.content("C:\\Kefelo\\takaritasok.csv").value_or(""));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_NE(lines[1].find(";automatikus;2;4000;0;"), std::string::npos) << lines[1];
    EXPECT_NE(lines[2].find(";kézi;0;0;1;"), std::string::npos) << lines[2];
    EXPECT_EQ(session.history().summary().totalFreed, 4000);
}
