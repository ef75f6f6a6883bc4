#include "core/app/run_decision.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_file_system.h"

using namespace kefelo;
using app::CommandLine;
using app::RunDecision;

namespace {
constexpr timeutil::TDateTime kToday = 46364.0;         // 2026-12-08
constexpr timeutil::TDateTime kNowEvening = 46364.875;  // the same day, 21:00

config::Settings autoCleanEvery(int days, int daysAgo) {
    config::Settings s;
    s.autoClean = true;
    s.autoCleanDays = static_cast<uint16_t>(days);
    s.lastCleaning = kToday - daysAgo;
    return s;
}
}  // namespace

TEST(AutomaticCleaningDue, CountsWholeDaysFromTodaysDate) {
    EXPECT_TRUE(app::isAutomaticCleaningDue(autoCleanEvery(5, 5), kNowEvening));
    EXPECT_TRUE(app::isAutomaticCleaningDue(autoCleanEvery(5, 6), kNowEvening));
    EXPECT_FALSE(app::isAutomaticCleaningDue(autoCleanEvery(5, 4), kNowEvening));
    // The time of day is ignored: just after midnight counts as the full day.
    EXPECT_TRUE(app::isAutomaticCleaningDue(autoCleanEvery(5, 5), kToday + 0.001));
}

TEST(AutomaticCleaningDue, NeverCleanedOrZeroIntervalIsDueButDisabledNever) {
    EXPECT_TRUE(app::isAutomaticCleaningDue(autoCleanEvery(30, static_cast<int>(kToday)), kNowEvening));
    EXPECT_TRUE(app::isAutomaticCleaningDue(autoCleanEvery(0, 0), kNowEvening));

    config::Settings disabled = autoCleanEvery(5, 100);
    disabled.autoClean = false;
    EXPECT_FALSE(app::isAutomaticCleaningDue(disabled, kNowEvening));
}

TEST(DecideRun, AutoStartQuitsWhenNotDueAndRunsWhenDue) {
    CommandLine autoStart({"/A"});
    auto notDue = autoCleanEvery(5, 4);
    auto r = app::decideRun(&notDue, autoStart, kNowEvening);
    EXPECT_EQ(r.decision, RunDecision::Quit);
    EXPECT_FALSE(r.automaticCleaningDue);

    auto due = autoCleanEvery(5, 5);
    r = app::decideRun(&due, autoStart, kNowEvening);
    EXPECT_EQ(r.decision, RunDecision::Normal);
    EXPECT_TRUE(r.automaticCleaningDue);

    auto disabled = autoCleanEvery(5, 50);
    disabled.autoClean = false;
    EXPECT_EQ(app::decideRun(&disabled, autoStart, kNowEvening).decision, RunDecision::Quit);
}

TEST(DecideRun, TrayStartOptionKeepsTheProgramInTheTrayDueOrNot) {
    CommandLine autoStart({"/a"});
    auto notDue = autoCleanEvery(5, 4);
    notDue.startWithWindows = true;
    auto r = app::decideRun(&notDue, autoStart, kNowEvening);
    EXPECT_EQ(r.decision, RunDecision::TrayStart);
    EXPECT_FALSE(r.automaticCleaningDue);

    auto due = autoCleanEvery(5, 5);
    due.startWithWindows = true;
    r = app::decideRun(&due, autoStart, kNowEvening);
    EXPECT_EQ(r.decision, RunDecision::TrayStart);
    EXPECT_TRUE(r.automaticCleaningDue);
}

TEST(DecideRun, OnlyAutoStartLooksAtTheDaysRule) {
    auto due = autoCleanEvery(5, 5);
    for (const char* first : {"/autorun", "/update", "C:\\Temp", "/ax"}) {
        auto r = app::decideRun(&due, CommandLine({first}), kNowEvening);
        EXPECT_EQ(r.decision, RunDecision::Normal) << first;
        EXPECT_FALSE(r.automaticCleaningDue) << first;
    }
    EXPECT_EQ(app::decideRun(&due, CommandLine(), kNowEvening).decision, RunDecision::Normal);
}

TEST(DecideRun, ReadsTheSettingsFileAndStartsNormallyWhenItIsUnreadable) {
    platform::fake::FakeFileSystem fs;
    fs.addDirectory("C:\\Kefelo");
    CommandLine autoStart({"/a"});

    // Missing file.
    EXPECT_EQ(app::decideRun(fs, "C:\\Kefelo\\", autoStart, kNowEvening).decision, RunDecision::Normal);

    // Too short for one record.
    fs.addFile("C:\\Kefelo\\beallitasok.cfg", std::string(100, '\0'));
    EXPECT_EQ(app::decideRun(fs, "C:\\Kefelo\\", autoStart, kNowEvening).decision, RunDecision::Normal);

    ASSERT_TRUE(fs.deleteFile("C:\\Kefelo\\beallitasok.cfg"));
    fs.addFile("C:\\Kefelo\\beallitasok.cfg", config::encodeSettingsRecord(autoCleanEvery(5, 4)));
    EXPECT_EQ(app::decideRun(fs, "C:\\Kefelo\\", autoStart, kNowEvening).decision, RunDecision::Quit);

    ASSERT_TRUE(fs.deleteFile("C:\\Kefelo\\beallitasok.cfg"));
    fs.addFile("C:\\Kefelo\\beallitasok.cfg", config::encodeSettingsRecord(autoCleanEvery(5, 5)));
    auto r = app::decideRun(fs, "C:\\Kefelo\\", autoStart, kNowEvening);
    EXPECT_EQ(r.decision, RunDecision::Normal);
    EXPECT_TRUE(r.automaticCleaningDue);
}

TEST(StartMode, DirectoryStartAndWindowVisibility) {
    platform::fake::FakeFileSystem fs;
    fs.addDirectory("C:\\Temp");
    fs.addFile("C:\\Temp\\file.txt");

    EXPECT_TRUE(app::isDirectoryStart(fs, CommandLine({"c:\\temp"})));
    EXPECT_FALSE(app::isDirectoryStart(fs, CommandLine({"C:\\Temp\\file.txt"})));
    EXPECT_FALSE(app::isDirectoryStart(fs, CommandLine({"C:\\Missing"})));
    EXPECT_FALSE(app::isDirectoryStart(fs, CommandLine({""})));
    EXPECT_FALSE(app::isDirectoryStart(fs, CommandLine()));

    EXPECT_TRUE(app::mainWindowStartsVisible(CommandLine(), false));
    EXPECT_TRUE(app::mainWindowStartsVisible(CommandLine({"/update"}), false));
    EXPECT_FALSE(app::mainWindowStartsVisible(CommandLine({"/A"}), false));
    EXPECT_FALSE(app::mainWindowStartsVisible(CommandLine({"/autorun"}), false));
    EXPECT_FALSE(app::mainWindowStartsVisible(CommandLine({"C:\\Temp"}), true));
}
