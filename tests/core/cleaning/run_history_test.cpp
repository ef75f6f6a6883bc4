// The history of cleaning runs on the fake disk: what a line holds, lines that cannot be
// read, the bound on the file's size, and a write that fails.
#include "core/cleaning/run_history.h"

#include <gtest/gtest.h>

#include "base/text/codec.h"
#include "platform/fake/fake_platform.h"

using namespace kefelo;
using cleaning::RunEntry;
using cleaning::RunKind;

namespace {

constexpr const char* kFile = "C:\\Kefelo\\takaritasok.csv";

RunEntry run(int day, RunKind kind, int64_t files, int64_t bytes, int64_t undeletable = 0, bool halted = false) {
    RunEntry e;
    e.when = timeutil::toDateTime({2026, 12, day, 14, 5, 9, 0});
    e.kind = kind;
    e.deletedFiles = files;
    e.bytesFreed = bytes;
    e.undeletable = undeletable;
    e.halted = halted;
    return e;
}

class RunHistoryTest : public ::testing::Test, protected platform::fake::FakePlatform {
protected:
    cleaning::RunHistory history{fs, ui, "C:\\Kefelo\\"};

    RunHistoryTest() { fs.addDirectory("C:\\Kefelo"); }

    std::vector<std::string> fileLines() const { return text::decodeLines(fs.content(kFile).value_or("")); }
    void writeFile(const std::vector<std::string>& lines) { fs.addFile(kFile, text::encodeLines(lines)); }
};

TEST_F(RunHistoryTest, EveryRunIsOneLineThatReadsBackAsWritten) {
    history.load();
    EXPECT_EQ(history.summary().runs, 0);
    ASSERT_TRUE(history.record(run(8, RunKind::Manual, 12, 3'000'000'000, 2), false));
    ASSERT_TRUE(history.record(run(9, RunKind::Automatic, 0, 0, 0, true), true));

    // Windows-1250 with CR LF, a header a spreadsheet shows as column titles.
    EXPECT_EQ(
        *fs.content(kFile),
        text::utf8ToCp1250("Dátum;Mód;Törölt állományok;Felszabadított bájt;Törölhetetlen állományok;Megjegyzés\r\n"
                           "2026-12-08 14:05:09;kézi;12;3000000000;2;\r\n"
                           "2026-12-09 14:05:09;automatikus;0;0;0;megszakítva\r\n"));
    cleaning::RunHistory again{fs, ui, "C:\\Kefelo\\"};
    again.load();
    const cleaning::HistorySummary& s = again.summary();
    EXPECT_EQ(s.runs, 2);
    EXPECT_EQ(s.totalFreed, 3'000'000'000);
    EXPECT_EQ(s.since, run(8, RunKind::Manual, 0, 0).when);
    ASSERT_EQ(s.latest.size(), 2u);
    EXPECT_EQ(s.latest[0].deletedFiles, 12);
    EXPECT_EQ(s.latest[0].undeletable, 2);
    EXPECT_EQ(s.latest[1].kind, RunKind::Automatic);
    EXPECT_TRUE(s.latest[1].halted);
    EXPECT_TRUE(ui.messages.empty());

    // What the chart writes beside its bars, grouped as every byte count of the program.
    const cleaning::RunChartTexts texts = cleaning::runChartTexts(s, "yyyy. MM. dd.");
    EXPECT_EQ(texts.total, "3.000.000.000");
    EXPECT_EQ(texts.since, "2026. 12. 08. óta");
    EXPECT_EQ(texts.scale, "3.000.000.000");
    EXPECT_EQ(cleaning::runChartTexts({}, "yyyy. MM. dd.").since, "Még nem volt takarítás.");
}

TEST_F(RunHistoryTest, DamagedLinesAreSkippedAndKeptWhereTheyStand) {
    writeFile({
        "Dátum;Mód;Törölt állományok;Felszabadított bájt;Törölhetetlen állományok;Megjegyzés",
        "2026-12-01 10:00:00;kézi;1;100;0;",
        "2026-02-31 10:00:00;kézi;1;100000;0;",              // no such day
        "2026-12-02 10:00:00;kézi;1;-5;0;",                  // negative
        "2026-12-02 10:00:00;kézi;1;1000000000000000000;0",  // 19 digits
        "2026-12-02 10:00:00;félig;1;100;0",                 // unknown kind
        "2026-12-02 10:00:00;kézi;1;100",                    // a field short
        "2026-12-02 10:00:00;kézi;1;100;0;valami",           // unknown note
        "ez nem egy takarítás sora",
        "",
        // As a spreadsheet saves it again: other date separators, no seconds, blanks.
        "2026.12.03. 9:30;Automatikus; 2 ;200;1",
    });
    history.load();
    EXPECT_EQ(history.summary().runs, 2);
    EXPECT_EQ(history.summary().totalFreed, 300);
    ASSERT_EQ(history.summary().latest.size(), 2u);
    EXPECT_EQ(history.summary().latest[1].when, timeutil::toDateTime({2026, 12, 3, 9, 30, 0, 0}));

    ASSERT_TRUE(history.record(run(4, RunKind::Manual, 4, 400), false));
    const std::vector<std::string> lines = fileLines();
    ASSERT_EQ(lines.size(), 11u);  // the blank line goes, every other line stays
    EXPECT_EQ(lines[2], "2026-02-31 10:00:00;kézi;1;100000;0;");
    EXPECT_EQ(lines[8], "ez nem egy takarítás sora");
    EXPECT_EQ(lines[9], "2026-12-03 09:30:00;automatikus;2;200;1;");
    EXPECT_EQ(lines[10], "2026-12-04 14:05:09;kézi;4;400;0;");
    EXPECT_EQ(history.summary().totalFreed, 700);
}

TEST_F(RunHistoryTest, OldRunsFoldIntoOneLineSoTheTotalSurvivesTheBound) {
    std::vector<cleaning::HistoryLine> lines;
    lines.push_back({"damaged, older than the cut", std::nullopt});
    for (int day = 1; day <= 5; ++day) {
        const RunEntry e = run(day, RunKind::Manual, day, day * 1000, 1);
        lines.push_back({cleaning::formatRunLine(e), e});
    }
    lines.push_back({"damaged, recent", std::nullopt});
    const std::vector<std::string> once = cleaning::formatHistory(lines, 3);
    EXPECT_EQ(once, (std::vector<std::string>{
                        std::string(cleaning::kRunHistoryHeader),
                        "2026-12-01 14:05:09;korábbi 2 takarítás összesen;3;3000;2;",
                        "2026-12-03 14:05:09;kézi;3;3000;1;",
                        "2026-12-04 14:05:09;kézi;4;4000;1;",
                        "2026-12-05 14:05:09;kézi;5;5000;1;",
                        "damaged, recent",
                    }));
    // The next cut adds to the folded line instead of starting a second one.
    std::vector<cleaning::HistoryLine> again = cleaning::parseHistory(once);
    const RunEntry sixth = run(6, RunKind::Automatic, 6, 6000);
    again.push_back({cleaning::formatRunLine(sixth), sixth});
    const std::vector<std::string> twice = cleaning::formatHistory(again, 3);
    ASSERT_EQ(twice.size(), 6u);
    EXPECT_EQ(twice[1], "2026-12-01 14:05:09;korábbi 3 takarítás összesen;6;6000;3;");
    const cleaning::HistorySummary s = cleaning::summarise(cleaning::parseHistory(twice), 2);
    EXPECT_EQ(s.runs, 6);
    EXPECT_EQ(s.totalFreed, 21000);
    ASSERT_EQ(s.latest.size(), 2u);  // a folded line is no bar of the chart
    EXPECT_EQ(s.latest[0].bytesFreed, 5000);
}

TEST_F(RunHistoryTest, AFullDiskLosesNothingAndTheLineGoesWithTheNextRun) {
    ASSERT_TRUE(history.record(run(1, RunKind::Manual, 1, 100), false));
    const std::optional<std::string> before = fs.content(kFile);

    fs.setDiskFull(true);
    EXPECT_FALSE(history.record(run(2, RunKind::Manual, 2, 200), false));
    EXPECT_EQ(fs.content(kFile), before);
    EXPECT_EQ(fs.namesIn("C:\\Kefelo"), std::vector<std::string>{"takaritasok.csv"});
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, platform::MessageKind::Warning);
    EXPECT_NE(ui.messages[0].text.find("Megtelt a lemez."), std::string::npos);
    EXPECT_NE(ui.messages[0].text.find(kFile), std::string::npos);
    // The chart still shows the run.
    EXPECT_EQ(history.summary().totalFreed, 300);

    // An automatic run stays silent.
    EXPECT_FALSE(history.record(run(3, RunKind::Automatic, 3, 300), true));
    EXPECT_EQ(ui.messages.size(), 1u);

    fs.setDiskFull(false);
    ASSERT_TRUE(history.record(run(4, RunKind::Manual, 4, 400), false));
    EXPECT_EQ(fileLines().size(), 5u);
    cleaning::RunHistory again{fs, ui, "C:\\Kefelo\\"};
    again.load();
    EXPECT_EQ(again.summary().totalFreed, 1000);
}

TEST_F(RunHistoryTest, AFileThatCannotBeReadIsNeverWrittenOver) {
    writeFile({"2026-12-01 10:00:00;kézi;1;100;0;"});
    fs.setLocked(kFile, true);
    EXPECT_FALSE(history.record(run(2, RunKind::Manual, 2, 200), false));
    fs.setLocked(kFile, false);
    EXPECT_EQ(fileLines(), std::vector<std::string>{"2026-12-01 10:00:00;kézi;1;100;0;"});
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("nem sikerült beolvasni"), std::string::npos);
    // Once it can be read, the run waiting in memory joins it.
    ASSERT_TRUE(history.record(run(3, RunKind::Manual, 3, 300), false));
    EXPECT_EQ(history.summary().totalFreed, 600);
    EXPECT_EQ(fileLines().size(), 4u);
}

}  // namespace
