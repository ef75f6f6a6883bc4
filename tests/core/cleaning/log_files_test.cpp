#include "core/cleaning/log_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/cleaning/log_writer.h"
#include "base/text/codec.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_system.h"
#include "platform/fake/fake_ui.h"

using namespace kefelo;
using namespace kefelo::cleaning;
using platform::Answer;
using platform::MessageKind;

namespace {

class LogFiles : public ::testing::Test {
protected:
    static constexpr const char* kDir = "C:\\Kefelo\\";
    platform::fake::FakeFileSystem fs;
    platform::fake::FakeUi ui;
    CleaningLog log;
    LogWriter w{log, [] { return NowTexts{"2026. 12. 08.", "9:05:03"}; }};

    LogFiles() {
        fs.addDirectory("C:\\Kefelo");
        fs.addDirectory("D:\\Napló");
        w.containerHeading("C:\\Tár");
        w.deletedFile("C:\\Tár\\ő.tmp", 1234);
        w.undeletableFile("C:\\Tár\\{x}\\b.tmp", 1);
        w.closingAndSummary({});
    }
    std::string file(const std::string& path) const { return fs.content(path).value_or("<missing>"); }
    std::string plainBytes() const { return text::encodeLines(log.lines()); }
};

TEST_F(LogFiles, LastLogIsPlainWindows1250UntilTheSwitchIsOff) {
    ASSERT_TRUE(saveLastLog(fs, log, kDir));
    std::string bytes = file("C:\\Kefelo\\utolso.log");
    EXPECT_TRUE(bytes.starts_with("C:\\T\xE1r \xFCr\xEDt\xE9se:\r\nC:\\T\xE1r\\\xF5.tmp  (1.234 b\xE1jt )\r\n"));
    EXPECT_TRUE(bytes.ends_with("\r\n - T\xF6r\xF6lt \xE1llom\xE1nyok sz\xE1ma: 0 db.\r\n"));
    EXPECT_EQ(bytes, plainBytes());

    log.setPlainText(false);
    ASSERT_TRUE(saveLastLog(fs, log, kDir));
    EXPECT_EQ(file("C:\\Kefelo\\utolso.log"), log.rtf());
}

TEST_F(LogFiles, LastLogFailureIsReportedOutsideTheAutomaticModes) {
    fs.setWritable("C:\\Kefelo", false);
    EXPECT_FALSE(saveLastLogAtRunEnd(fs, ui, log, kDir, true));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(saveLastLogAtRunEnd(fs, ui, log, kDir, false));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(ui.messages[0].text, "A Takarítási napló automatikus elmentése nem sikerült!");
    fs.setWritable("C:\\Kefelo", true);
    EXPECT_TRUE(saveLastLogAtRunEnd(fs, ui, log, kDir, false));
    EXPECT_EQ(ui.messages.size(), 1u);
}

// The rich-text control's reading of this is checked under Wine (tests/win32); here the
// bytes: 7-bit, the code page and colour table declared, every run with its attributes.
TEST(LogRtf, DeclaresItsColoursAndEscapesTheText) {
    CleaningLog log;
    log.setAttributes({true, true}, LogColour::WindowText);
    log.addLine("Összegzés:");
    log.setAttributes({false, true}, LogColour::Yellow);
    log.insertAtCaret("\\ {ő} \t € 中 😀");
    std::string rtf = log.rtf();
    for (unsigned char c : rtf) ASSERT_LT(c, 0x80);
    EXPECT_TRUE(rtf.starts_with("{\\rtf1\\ansi\\ansicpg1250"));
    EXPECT_NE(rtf.find("{\\colortbl ;\\red0\\green0\\blue0;\\red0\\green0\\blue128;\\red0\\green0\\blue255;"
                       "\\red128\\green0\\blue0;\\red255\\green255\\blue0;\\red255\\green0\\blue0;"
                       "\\red0\\green0\\blue0;}"),
              std::string::npos);
    EXPECT_NE(rtf.find("\\cf1\\b\\ul \\'d6sszegz\\'e9s:\\par\r\n"
                       "\\cf5\\b0\\ul \\\\ \\{\\'f5\\} \\tab  \\'80 \\u20013? \\u-10179?\\u-8704?}"),
              std::string::npos);
    EXPECT_TRUE(rtf.ends_with("}\r\n"));
}

TEST(LogFileNames, ExtensionOfTheChosenType) {
    EXPECT_EQ(withLogExtension("D:\\naplo", 1), "D:\\naplo.txt");
    EXPECT_EQ(withLogExtension("D:\\naplo.txt", 1), "D:\\naplo.txt");
    EXPECT_EQ(withLogExtension("D:\\naplo.TXT", 1), "D:\\naplo.TXT.txt");
    EXPECT_EQ(withLogExtension("D:\\naplo.rtf", 1), "D:\\naplo.rtf.txt");
    EXPECT_EQ(withLogExtension("D:\\naplo.rtf", 2), "D:\\naplo.rtf");
    EXPECT_EQ(withLogExtension("D:\\naplo.txt", 2), "D:\\naplo.txt.rtf");
    // A dot in a folder name is no extension.
    EXPECT_EQ(withLogExtension("D:\\v1.2\\naplo", 1), "D:\\v1.2\\naplo.txt");
}

TEST_F(LogFiles, SaveAsTextThenRtf) {
    ui.saveFiles = {platform::SaveFileChoice{"D:\\Napló\\naplo", 1},
                    platform::SaveFileChoice{"D:\\Napló\\naplo.TXT", 1},
                    platform::SaveFileChoice{"D:\\Napló\\szines", 2}};
    saveLogAs(log, fs, ui, true);
    ASSERT_EQ(ui.saveFileRequests.size(), 1u);
    EXPECT_EQ(ui.saveFileRequests[0].title, "Eredmény mentése állományba");
    ASSERT_EQ(ui.saveFileRequests[0].filters.size(), 2u);
    EXPECT_EQ(ui.saveFileRequests[0].filters[0].description, "Sima szöveg (.txt)");
    EXPECT_EQ(ui.saveFileRequests[0].filters[0].pattern, "*.txt");
    EXPECT_EQ(ui.saveFileRequests[0].filters[1].description, "Színkiemelt szöveg (.rtf)");
    EXPECT_EQ(ui.saveFileRequests[0].filters[1].pattern, "*.rtf");
    EXPECT_EQ(file("D:\\Napló\\naplo.txt"), plainBytes());

    saveLogAs(log, fs, ui, true);
    EXPECT_EQ(file("D:\\Napló\\naplo.TXT.txt"), plainBytes());
    EXPECT_TRUE(log.plainText());

    saveLogAs(log, fs, ui, true);
    EXPECT_EQ(file("D:\\Napló\\szines.rtf"), log.rtf());
    EXPECT_FALSE(log.plainText());
    // The next run's utolso.log follows the switch.
    saveLastLog(fs, log, kDir);
    EXPECT_TRUE(file("C:\\Kefelo\\utolso.log").starts_with("{\\rtf1"));
    EXPECT_TRUE(ui.messages.empty());

    // Cancelled: nothing changes.
    saveLogAs(log, fs, ui, true);
    EXPECT_FALSE(log.plainText());
    EXPECT_EQ(ui.saveFileRequests.size(), 4u);
}

TEST_F(LogFiles, OverwriteIsAskedAndFailureNamesTheFile) {
    fs.addFile("D:\\Napló\\naplo.txt", "régi");
    const std::string question =
        "A választott állomány már létezik:\r\nD:\\Napló\\naplo.txt\r\n\r\nKívánja felülírni a régi "
        "állományt?\r\n(Amennyiben nem, adjon meg egy másik nevet!)";
    ui.saveFiles = {platform::SaveFileChoice{"D:\\Napló\\naplo", 1}, platform::SaveFileChoice{"D:\\Napló\\naplo", 1}};
    ui.answers = {Answer::No, Answer::Yes};
    log.setPlainText(false);
    saveLogAs(log, fs, ui, true);
    EXPECT_EQ(file("D:\\Napló\\naplo.txt"), "régi");
    EXPECT_TRUE(log.plainText());  // the switch follows the type even when the save stops
    saveLogAs(log, fs, ui, true);
    EXPECT_EQ(file("D:\\Napló\\naplo.txt"), plainBytes());
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Confirmation);
    EXPECT_EQ(ui.messages[0].buttons, platform::Buttons::YesNo);
    EXPECT_EQ(ui.messages[0].text, question);

    fs.setWritable("D:\\Napló", false);
    ui.messages.clear();
    ui.saveFiles = {platform::SaveFileChoice{"D:\\Napló\\új", 2}, platform::SaveFileChoice{"D:\\Napló\\új", 2}};
    saveLogAs(log, fs, ui, false);
    EXPECT_TRUE(ui.messages.empty());
    saveLogAs(log, fs, ui, true);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(ui.messages[0].text,
              "A Takarítási naplót nem sikerült menteni!\r\n\r\nValószínűleg nincs írási jogosultsága a következő "
              "helyre:\r\nD:\\Napló\\új.rtf");
}

TEST(LogTexts, TrayHintAndNow) {
    EXPECT_EQ(cleaningTrayHint("3.2.1.0", "C:\\TEMP\\X"),
              "Kefeló v3.2.1.0 - Takarítás folyamatban\r\nVizsgált hely:\r\nC:\\TEMP\\X");
    platform::fake::FakeClock clock;
    platform::fake::FakeSystemInfo sys;
    clock.current = 46364.5 + 3.0 / 86400;
    sys.shortDate = "yyyy. MM. dd.";
    sys.longTime = "H:mm:ss";
    NowTexts now = nowTexts(clock, sys);
    EXPECT_EQ(now.date, "2026. 12. 08.");
    EXPECT_EQ(now.time, "12:00:03");
}

}  // namespace
