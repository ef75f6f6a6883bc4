#include "core/cleaning/log_writer.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/cleaning/cleaning_log.h"

using namespace kefelo::cleaning;

namespace {

constexpr LogStyle R{};
constexpr LogStyle B{true, false};
constexpr LogStyle BU{true, true};
constexpr LogColour WT = LogColour::WindowText;

struct Piece {
    std::string text;
    LogStyle style;
    LogColour colour;
};

class Writer : public ::testing::Test {
protected:
    CleaningLog log;
    LogWriter w{log, [] { return NowTexts{"2026. 12. 08.", "9:05:03"}; }};

    // The runs one writer call adds to a log that already holds a line.
    std::vector<Piece> added(const std::function<void(LogWriter&)>& write) {
        log.clear();
        log.setAttributes(B, LogColour::Maroon);
        log.addLine("x");
        write(w);
        std::vector<Piece> out;
        for (size_t i = 1; i < log.runs().size(); ++i) {
            const auto& r = log.runs()[i];
            out.push_back({r.text, r.style, r.colour});
        }
        return out;
    }
};

void expectRuns(const std::vector<Piece>& actual, const std::vector<Piece>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(actual[i].text, expected[i].text);
        EXPECT_EQ(actual[i].style, expected[i].style);
        EXPECT_EQ(actual[i].colour, expected[i].colour);
    }
}

TEST_F(Writer, ContainerPhaseLines) {
    expectRuns(added([](LogWriter& writer) { writer.runStart(); }),
               {{"2026. 12. 08.  9:05:03 > Könyvtárürítés indítása:\r\n", BU, WT}, {" \r\n", R, WT}});
    expectRuns(added([](LogWriter& writer) { writer.containerHeading("C:\\WINDOWS\\TEMP"); }),
               {{"C:\\WINDOWS\\TEMP ürítése:\r\n", B, WT}});
    expectRuns(added([](LogWriter& writer) { writer.deletedFile("C:\\T\\a.tmp", 1234567); }),
               {{"C:\\T\\a.tmp  (1.234.567 bájt )\r\n", R, LogColour::Navy}});
    expectRuns(added([](LogWriter& writer) { writer.undeletableFile("C:\\T\\zár.tmp", 999); }),
               {{" ! C:\\T\\zár.tmp  (999 bájt )\r\n", R, LogColour::Red}});
    expectRuns(added([](LogWriter& writer) { writer.containerResult("C:\\T", true); }),
               {{"C:\\T ürítése kész.\r\n", B, WT}});
    expectRuns(
        added([](LogWriter& writer) { writer.containerResult("C:\\T", false); }),
        {{"C:\\T ürítése nincs kész! (pl.: mert védett vagy törölhetetlen állomány(oka)t tartalmaz)\r\n", B, WT}});
    expectRuns(added([](LogWriter& writer) { writer.containerPhaseEnd(3000); }),
               {{"2026. 12. 08.  9:05:03 > könyvtárürítés kész. Felszabadítva: 3.000 bájt.\r\n \r\n", BU, WT}});
}

TEST_F(Writer, FolderRemovedLineKeepsTheStyleBeforeIt) {
    // The line before is bold (the fixture's first line); only the colour changes.
    expectRuns(added([](LogWriter& writer) { writer.folderRemoved("C:\\T\\Üres"); }),
               {{"(C:\\T\\Üres könyvtár eltávolítva.)\r\n", B, LogColour::Black}});
    expectRuns(added([](LogWriter& writer) {
                   writer.deletedFile("C:\\T\\a", 1);
                   writer.folderRemoved("C:\\T\\b");
               }),
               {{"C:\\T\\a  (1 bájt )\r\n", R, LogColour::Navy},
                {"(C:\\T\\b könyvtár eltávolítva.)\r\n", R, LogColour::Black}});
    EXPECT_TRUE(log.hasLine(w.folderRemovedText("C:\\T\\b")));
    EXPECT_FALSE(log.hasLine(w.folderRemovedText("C:\\T")));
}

TEST_F(Writer, TaskPhaseLines) {
    expectRuns(added([](LogWriter& writer) { writer.taskPhaseStart(); }),
               {{"2026. 12. 08.  9:05:03 > A feladatok végrehajtása:\r\n \r\n", BU, WT}});
    expectRuns(added([](LogWriter& writer) { writer.taskHeading("D:\\", "*.TMP|~*.*"); }),
               {{"D:\\ meghajtón \"*.TMP|~*.*\" szűrővel:\r\n", B, WT}});
    expectRuns(added([](LogWriter& writer) { writer.taskHeading("D:\\Temp", "*.BAK"); }),
               {{"D:\\Temp könyvtárban \"*.BAK\" szűrővel:\r\n", B, WT}});
    // One blank before "(" in the task form, and the colour the caller chose.
    expectRuns(
        added([](LogWriter& writer) { writer.taskDeletedFile("D:\\Temp\\", "a.bak", 1000, LogColour::Blue, false); }),
        {{"D:\\Temp\\a.bak (1.000 bájt )\r\n", R, LogColour::Blue}});
    expectRuns(
        added([](LogWriter& writer) { writer.taskDeletedFile("D:\\Temp\\", "b.bak", 5, LogColour::Yellow, true); }),
        {{" ! D:\\Temp\\b.bak (5 bájt )\r\n", R, LogColour::Yellow}});
    // No blank before ")" in the task's undeletable form.
    expectRuns(added([](LogWriter& writer) { writer.taskUndeletableFile("D:\\Temp\\", "c.bak", 12345); }),
               {{" ! D:\\Temp\\c.bak  (12.345 bájt)\r\n", R, LogColour::Red}});
    expectRuns(
        added([](LogWriter& writer) { writer.taskEnd("D:\\Temp", "*.BAK", 1234); }),
        {{"D:\\Temp könyvtárban \"*.BAK\" szűrővel befejeződött.\r\nEzzel felszabadítva: 1.234 bájt.\r\n", B, WT}});
}

TEST(WriterTexts, WhereAndUndeletableEntries) {
    EXPECT_EQ(whereText("C:\\"), " meghajtón ");
    EXPECT_EQ(whereText("C:"), " meghajtón ");
    EXPECT_EQ(whereText("C:\\A"), " könyvtárban ");
    // Characters, not bytes: "C:Ő" is three characters in four bytes.
    EXPECT_EQ(whereText("C:Ő"), " meghajtón ");
    EXPECT_EQ(containerUndeletableEntry("C:\\T\\a.tmp", 1234), "  C:\\T\\a.tmp  (1.234 bájt )");
    EXPECT_EQ(taskUndeletableEntry("D:\\X\\", "b.tmp", 0), "  D:\\X\\b.tmp  (0 bájt)");
}

class Summary : public Writer {
protected:
    LogWriter::Summary summary(bool halted, bool tasksLine, int64_t total, int64_t files,
                               std::vector<std::string> undeletable = {}) {
        LogWriter::Summary s;
        s.halted = halted;
        s.tasksLine = tasksLine;
        s.runTotal = total;
        s.deletedFiles = files;
        s.undeletable = std::move(undeletable);
        return s;
    }
};

TEST_F(Summary, NormalEndWithUndeletableFiles) {
    w.deletedFile("C:\\T\\a", 10);
    w.closingAndSummary(summary(false, true, 1234567, 1000, {"  C:\\T\\x  (1 bájt )", "  D:\\y  (2 bájt)"}));
    EXPECT_EQ(log.text(),
              "C:\\T\\a  (10 bájt )\r\n"
              " \r\n"
              "A feladatok végrehajtása befejeződött.\r\n"
              " \r\n"
              "2026. 12. 08.  9:05:03 > A takarítási folyamat véget ért.\r\n"
              " \r\n"
              "Összegzés:\r\n"
              " - Felszabadított lemezterület mérete: 1.234.567 bájt.\r\n"
              " - Törölt állományok száma: 1.000 db.\r\n"
              "  2 állományt pillanatnyilag nem sikerült törölni:\r\n"
              "  C:\\T\\x  (1 bájt )\r\n"
              "  D:\\y  (2 bájt)\r\n");
    const auto& runs = log.runs();
    // The first blank keeps the navy of the line before; the tasks line, its blank, the
    // closing line and "Összegzés:" are bold underlined; the figures and entries regular.
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].text, "C:\\T\\a  (10 bájt )\r\n \r\n");
    EXPECT_EQ(runs[1].style, BU);
    EXPECT_EQ(runs[1].colour, WT);
    EXPECT_TRUE(runs[1].text.starts_with("A feladatok"));
    EXPECT_TRUE(runs[1].text.ends_with("Összegzés:\r\n"));
    EXPECT_EQ(runs[2].style, R);
    EXPECT_EQ(runs[2].colour, WT);
    EXPECT_TRUE(runs[2].text.starts_with(" - Felszabadított"));
}

TEST_F(Summary, HaltedEndIsRedAndTheCountIsNotGrouped) {
    std::vector<std::string> entries(1234, "  C:\\x  (1 bájt )");
    w.closingAndSummary(summary(true, true, 0, 0, entries));
    auto lines = log.lines();
    ASSERT_EQ(lines.size(), 9u + 1234u);
    EXPECT_EQ(lines[1], "A feladatok végrehajtása megszakítva!");
    EXPECT_EQ(lines[3], "2026. 12. 08.  9:05:03 > A takarítási folyamat nem fejeződött be!");
    EXPECT_EQ(lines[6], " - Felszabadított lemezterület mérete: 0 bájt.");
    EXPECT_EQ(lines[8], "  1234 állományt pillanatnyilag nem sikerült törölni:");
    const auto& runs = log.runs();
    ASSERT_GE(runs.size(), 3u);
    EXPECT_EQ(runs[1].text,
              "A feladatok végrehajtása megszakítva!\r\n \r\n"
              "2026. 12. 08.  9:05:03 > A takarítási folyamat nem fejeződött be!\r\n \r\n");
    EXPECT_EQ(runs[1].colour, LogColour::Red);
    EXPECT_EQ(runs[1].style, BU);
    EXPECT_EQ(runs[2].text, "Összegzés:\r\n");
    EXPECT_EQ(runs[2].colour, WT);
}

TEST_F(Summary, WithoutTasksLineOrUndeletableFiles) {
    w.closingAndSummary(summary(false, false, 5, 1));
    EXPECT_EQ(log.text(),
              " \r\n"
              "2026. 12. 08.  9:05:03 > A takarítási folyamat véget ért.\r\n"
              " \r\n"
              "Összegzés:\r\n"
              " - Felszabadított lemezterület mérete: 5 bájt.\r\n"
              " - Törölt állományok száma: 1 db.\r\n");
    EXPECT_FALSE(log.contains("pillanatnyilag"));
}

TEST_F(Summary, IsWrittenOnceButAPathWithTheSameWordsDoesNotStopIt) {
    w.deletedFile("C:\\Mentés - Felszabadítás\\a.tmp", 1);
    w.closingAndSummary(summary(true, false, 1, 1));
    EXPECT_TRUE(log.contains("Összegzés:"));
    std::string once = log.text();

    // A second end step adds its blank lines but no second summary.
    w.closingAndSummary(summary(false, true, 99, 99, {"  x"}));
    std::string text = log.text();
    EXPECT_EQ(text, once + " \r\nA feladatok végrehajtása befejeződött.\r\n \r\n");

    // A cleared log (the next run) gets its own summary again.
    log.clear();
    w.closingAndSummary(summary(false, false, 2, 2));
    EXPECT_TRUE(log.contains(" - Felszabadított lemezterület mérete: 2 bájt."));
}

TEST(Log, AddedLinesAndInsertedTextMeetAtTheEnd) {
    CleaningLog log;
    EXPECT_TRUE(log.lines().empty());
    log.insertAtCaret("félig");
    log.addLine("egész");  // starts a new line first
    log.insertAtCaret("\r\nmég");
    log.insertAtCaret(" ez");
    EXPECT_EQ(log.text(), "félig\r\negész\r\n\r\nmég ez");
    EXPECT_EQ(log.lines(), (std::vector<std::string>{"félig", "egész", "", "még ez"}));
    EXPECT_TRUE(log.hasLine("még ez"));
    EXPECT_TRUE(log.hasLine(""));
    EXPECT_FALSE(log.hasLine("még"));
    EXPECT_TRUE(log.hasLineStartingWith("egé"));
    EXPECT_FALSE(log.hasLineStartingWith("ez"));

    log.setPlainText(false);
    log.clear();
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(log.hasLine("egész"));
    EXPECT_FALSE(log.plainText());  // the switch outlives the text
}

}  // namespace
