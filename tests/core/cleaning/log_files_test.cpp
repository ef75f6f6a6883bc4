#include "core/cleaning/log_files.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "core/cleaning/log_writer.h"
#include "core/text/codec.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_system.h"
#include "platform/fake/fake_ui.h"

using namespace kefelo;
using namespace kefelo::cleaning;
using platform::Answer;
using platform::MessageKind;

namespace {

// A reader of the RTF subset a rich-text control needs to show the log: it rebuilds the
// styled runs and the colour table, and fails the test on anything malformed.
struct ReadRtf {
    std::vector<std::string> colours;  // "r,g,b" per entry, "" for the automatic one
    std::vector<LogRun> runs;
};

ReadRtf readRtf(const std::string& rtf) {
    ReadRtf out;
    for (unsigned char c : rtf) EXPECT_LT(c, 0x80) << "RTF must be 7-bit";
    EXPECT_TRUE(rtf.starts_with("{\\rtf1\\ansi\\ansicpg1250"));

    size_t table = rtf.find("{\\colortbl");
    EXPECT_NE(table, std::string::npos);
    size_t tableEnd = rtf.find('}', table);
    std::string entries = rtf.substr(table + 10, tableEnd - table - 10);
    size_t start = 0;
    for (size_t semi; (semi = entries.find(';', start)) != std::string::npos; start = semi + 1) {
        std::string e = entries.substr(start, semi - start);
        int r = -1, g = -1, b = -1;
        if (!e.empty() && e != " ") std::sscanf(e.c_str(), "\\red%d\\green%d\\blue%d", &r, &g, &b);
        out.colours.push_back(r < 0 ? "" : std::to_string(r) + "," + std::to_string(g) + "," + std::to_string(b));
    }

    LogStyle style;
    int colour = 0;
    std::string pendingBytes;  // \'xx bytes, decoded as Windows-1250
    char32_t highSurrogate = 0;
    auto emit = [&](const std::string& utf8) {
        LogColour c = static_cast<LogColour>(colour - 1);
        if (!out.runs.empty() && out.runs.back().style == style && out.runs.back().colour == c) {
            out.runs.back().text += utf8;
        } else {
            out.runs.push_back({utf8, style, c});
        }
    };
    auto flush = [&] {
        if (!pendingBytes.empty()) emit(text::cp1250ToUtf8(pendingBytes));
        pendingBytes.clear();
    };
    int depth = 1;
    size_t i = tableEnd + 1;
    while (i < rtf.size() && depth > 0) {
        char c = rtf[i];
        if (c == '\r' || c == '\n') {
            ++i;
        } else if (c == '{') {
            ADD_FAILURE() << "unexpected group at " << i;
            ++depth, ++i;
        } else if (c == '}') {
            --depth, ++i;
        } else if (c != '\\') {
            pendingBytes.push_back(c);
            ++i;
        } else if (rtf[i + 1] == '\\' || rtf[i + 1] == '{' || rtf[i + 1] == '}') {
            pendingBytes.push_back(rtf[i + 1]);
            i += 2;
        } else if (rtf[i + 1] == '\'') {
            pendingBytes.push_back(static_cast<char>(std::stoi(rtf.substr(i + 2, 2), nullptr, 16)));
            i += 4;
        } else {
            size_t j = i + 1;
            while (j < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[j]))) ++j;
            std::string word = rtf.substr(i + 1, j - i - 1);
            size_t k = j;
            if (k < rtf.size() && (rtf[k] == '-' || std::isdigit(static_cast<unsigned char>(rtf[k])))) ++k;
            while (k < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[k]))) ++k;
            std::string number = rtf.substr(j, k - j);
            if (k < rtf.size() && rtf[k] == ' ') ++k;
            i = k;
            if (word == "u") {
                ++i;  // the replacement character after \uN
                char32_t unit = static_cast<uint16_t>(std::stoi(number));
                if (unit >= 0xD800 && unit < 0xDC00) {
                    highSurrogate = unit;
                    continue;
                }
                char32_t cp = highSurrogate ? 0x10000 + ((highSurrogate - 0xD800) << 10) + (unit - 0xDC00) : unit;
                highSurrogate = 0;
                flush();
                std::string utf8;
                text::appendUtf8(utf8, cp);
                emit(utf8);
                continue;
            }
            if (word == "par" || word == "tab") {
                pendingBytes += word == "par" ? "\r\n" : "\t";
                continue;
            }
            flush();
            if (word == "cf") colour = std::stoi(number);
            if (word == "b") style.bold = number != "0";
            if (word == "ul") style.underline = true;
            if (word == "ulnone") style.underline = false;
        }
    }
    flush();
    EXPECT_EQ(depth, 0);
    EXPECT_EQ(rtf.find_first_not_of("\r\n", i), std::string::npos) << "text after the closing brace";
    return out;
}

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

TEST_F(LogFiles, RtfCarriesTextColoursAndStyles) {
    log.setAttributes({false, true}, LogColour::Yellow);
    log.addLine("\\ {} \t € 中 😀");
    for (auto c : {LogColour::Blue, LogColour::Maroon, LogColour::Black}) {
        log.setAttributes({}, c);
        log.addLine("x");
    }
    ReadRtf read = readRtf(log.rtf());
    EXPECT_EQ(read.colours, (std::vector<std::string>{"", "0,0,0", "0,0,128", "0,0,255", "128,0,0", "255,255,0",
                                                      "255,0,0", "0,0,0"}));
    ASSERT_EQ(read.runs.size(), log.runs().size());
    for (size_t i = 0; i < read.runs.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(read.runs[i].text, log.runs()[i].text);
        EXPECT_EQ(read.runs[i].style, log.runs()[i].style);
        EXPECT_EQ(read.runs[i].colour, log.runs()[i].colour);
    }
    // Letters of the code page travel as its bytes.
    EXPECT_NE(log.rtf().find("\\'f5.tmp"), std::string::npos);
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

TEST_F(LogFiles, OverwriteIsAskedAndFailureNamesTheFolder) {
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
              "helyre:\r\nD:\\Napló\\");
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
