#include "core/cleaning/batch_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

#include "autodel_fixture.h"

using namespace kefelo;
using cleaning::BatchCharset;
using cleaning::BatchText;

namespace {

// Keeps the console's code page and switches to the file's own, in ASCII.
const char* const kSwitch =
    "@setlocal EnableExtensions DisableDelayedExpansion\r\n"
    "@set kefelo_cp=\r\n"
    "@for /f \"tokens=2 delims=:.\" %%c in ('chcp') do @set kefelo_cp=%%c\r\n"
    "@chcp 1250 >nul 2>&1\r\n";
const char* const kRestore = "@if defined kefelo_cp chcp %kefelo_cp% >nul 2>&1\r\n";

const char* const kNtHeader =
    "@ECHO OFF\r\n"
    "cls\r\n"
    "@ECHO ON\r\n"
    "@Echo Udvozli a Kefelo program!\r\n"
    "@Echo ------------------------------------------------------\r\n"
    "@Echo A kovetkezokben kiserletet teszunk a Windows op. rendszer norm\xE1l futtatasi\r\n"
    "@Echo modjaban nem torolheto atmeneti allomanyok eltavolitasara.\r\n"
    "@Echo Ha ezt nem szeretne, usson CTRL+C billenyukombinaciot, majd\r\n"
    "@Echo valaszoljon a kerdesre Igen-nel(Yes) a kilepeshez!\r\n"
    "@ECHO OFF\r\n"
    "PAUSE\r\n"
    "@ECHO ON\r\n";

const char* const kClosing =
    "@Echo -\r\n"
    "@Echo Az allomanyok torlesi kiserlete befejezodott!\r\n"
    "@Echo -\r\n"
    "@ECHO OFF\r\n"
    "PAUSE\r\n"
    "@ECHO ON\r\n";

class Batch : public cleaningtest::AutodelTest {};

TEST_F(Batch, NtFileByteForByteSwitchingToItsOwnCodePage) {
    fs.addFile("C:\\TEMP\\zár.tmp");
    runWith({"C:\\TEMP\\ZAR~1.TMP", "C:\\Munka\\b.tmp", "C:\\Munka\\tűz ár.tmp"});
    std::string expected = std::string("@ECHO OFF\r\n") + kSwitch +
                           "copy \"C:\\Kefelo\\autoexec.bat\" \"C:\\autoexec.bat\" /y\r\n"
                           "del \"C:\\Kefelo\\autoexec.bat\"\r\n" +
                           kNtHeader +
                           "del \"C:\\TEMP\\ZAR~1.TMP\"\r\n"
                           "del \"C:\\Munka\\b.tmp\"\r\n"
                           "del \"C:\\Munka\\t\xFBz \xE1r.tmp\"\r\n" +
                           kClosing + kRestore;
    EXPECT_EQ(file(at("autodel.bat")), expected);
    EXPECT_TRUE(readOnly(at("autodel.bat")));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(log.text(), "\r\n  (A nem törölhető állományok hivatkozásai bekerültek az \"autodel.bat\" állományba!)");
}

TEST_F(Batch, NineXFileOnAnotherWindowsDriveAndAShortProgramDirectory) {
    sys.platform = 1;
    sys.windowsDir = "D:\\WIN98";
    fs.addDirectory("C:\\Program Files\\Kefeló");
    fs.setShortName("C:\\Program Files", "PROGRA~1");
    fs.setShortName("C:\\Program Files\\Kefeló", "KEFEL~1");
    useProgramDirectory("C:\\Program Files\\Kefeló\\");
    // command.com cannot switch to the file's code page: no accented name, no switch.
    runWith({"C:\\A.TMP", "C:\\ár.tmp"});
    std::string expected =
        "@ECHO OFF\r\n"
        "copy \"C:\\PROGRA~1\\KEFEL~1\\autoexec.bat\" \"D:\\autoexec.bat\" /y\r\n"
        "del \"C:\\PROGRA~1\\KEFEL~1\\autoexec.bat\"\r\n"
        "@ECHO OFF\r\n"
        "cls\r\n"
        "@ECHO ON\r\n"
        "@Echo Udvozli a Kefelo program a DOS operacios rendszerben!\r\n"
        "@Echo ------------------------------------------------------\r\n"
        "@Echo A kovetkezokben kiserletet teszunk a Windows op. rendszer alol\r\n"
        "@Echo nem torolheto atmeneti allomanyok eltavolitasara.\r\n"
        "@Echo Ha ezt nem szeretne, usson CTRL+C billenyukombinaciot, majd\r\n"
        "@Echo valaszoljon a kerdesre Igen-nel(Yes) a kilepeshez!\r\n"
        "@ECHO OFF\r\n"
        "PAUSE\r\n"
        "@ECHO ON\r\n"
        "del \"C:\\A.TMP\"\r\n" +
        std::string(kClosing);
    EXPECT_EQ(file("C:\\Program Files\\Kefeló\\autodel.bat"), expected);
}

TEST_F(Batch, NoEntriesNoFileNoNote) {
    log.addLine("előtte");
    runWith({});
    EXPECT_FALSE(fs.exists(at("autodel.bat")));
    EXPECT_EQ(log.text(), "előtte\r\n");
    EXPECT_TRUE(ui.messages.empty());
    // The text is finished in memory all the same.
    EXPECT_EQ(batch.lines().size(), 7u + 12u + 6u + 1u);
}

TEST_F(Batch, NoteOnlyWithAlertsAndInRegularWindowText) {
    alerts = false;
    log.setAttributes({true, true}, cleaning::LogColour::Red);
    runWith({"C:\\A"});
    EXPECT_TRUE(fs.exists(at("autodel.bat")));
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(log.style(), cleaning::LogStyle{});
    EXPECT_EQ(log.colour(), cleaning::LogColour::WindowText);
}

TEST_F(Batch, WriteFailureWarnsAndKeepsTheText) {
    fs.setWritable("C:\\Kefelo", false);
    runWith({"C:\\A"});
    EXPECT_FALSE(fs.exists(at("autodel.bat")));
    EXPECT_EQ(texts(), std::vector<std::string>{
                           "Nem sikerült kimenteni az autodel.bat állományt a következő helyre:\r\nC:\\Kefelo\\"
                           "A törölhetetlen állományokat ezen állomány hinyában nem lehetséges törölni."});
    EXPECT_EQ(ui.messages[0].kind, platform::MessageKind::Warning);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(batch.lines()[batch.lines().size() - 2], "@ECHO ON");
    EXPECT_EQ(batch.lines()[7 + 12], "del \"C:\\A\"");
}

TEST_F(Batch, AnOlderReadOnlyBatchIsReplaced) {
    fs.addFile(at("autodel.bat"), "régi", platform::attr::kReadOnly | platform::attr::kHidden);
    runWith({"C:\\A"});
    EXPECT_NE(file(at("autodel.bat")).find("del \"C:\\A\"\r\n"), std::string::npos);
    EXPECT_TRUE(readOnly(at("autodel.bat")));
    EXPECT_TRUE(ui.messages.empty());
}

TEST(BatchLines, EntriesAreToldByTheLastLineBeforeTheClosingBlock) {
    BatchText b;
    EXPECT_FALSE(b.finish("C:\\K\\", 'C'));  // never started: the restore lines are no entry
    b.start(true);
    EXPECT_FALSE(b.finish("C:\\K\\", 'C'));
    b.start(true);
    b.addDelete("C:\\X");
    EXPECT_TRUE(b.finish("C:\\K\\", 'E'));
    EXPECT_EQ(b.lines()[5], "copy \"C:\\K\\autoexec.bat\" \"E:\\autoexec.bat\" /y");
    // An extended text (found-files deletion) whose last line is a delete holds entries.
    b.setLines({"@ECHO OFF", "del C:\\Y"});
    EXPECT_TRUE(b.finish("C:\\K\\", 'C'));
    EXPECT_EQ(b.lines().size(), 7u + 2u + 6u + 1u);
}

TEST(BatchLines, RestoreLinesQuoteTheProgramDirectoryOrAreLeftOut) {
    BatchText b;
    b.start(true);
    EXPECT_TRUE(b.addDelete("C:\\X"));
    EXPECT_TRUE(b.finish("C:\\50% & (co)\\", 'C'));
    EXPECT_EQ(b.lines()[5], "copy \"C:\\50%% & (co)\\autoexec.bat\" \"C:\\autoexec.bat\" /y");
    EXPECT_EQ(b.lines()[6], "del \"C:\\50%% & (co)\\autoexec.bat\"");

    // After the switch an accented folder is named as it is.
    b.start(true);
    EXPECT_TRUE(b.addDelete("C:\\X"));
    EXPECT_TRUE(b.finish("C:\\Kefeló\\", 'C'));
    EXPECT_EQ(b.lines()[6], "del \"C:\\Kefeló\\autoexec.bat\"");

    // A "?" in place of the folder's name would copy any autoexec.bat it matches.
    for (const bool ntFamily : {true, false}) {
        const std::string programDir = ntFamily ? "C:\\中\\" : "C:\\Kefeló\\";
        b.start(ntFamily);
        EXPECT_TRUE(b.addDelete("C:\\X"));
        EXPECT_TRUE(b.finish(programDir, 'C'));
        const size_t switchLines = ntFamily ? 4 : 0;
        EXPECT_EQ(b.lines()[0], "@ECHO OFF") << programDir;
        EXPECT_EQ(b.lines()[1 + switchLines], "@ECHO OFF") << programDir;
        EXPECT_EQ(b.lines()[2 + switchLines], "cls") << programDir;
    }
}

TEST(BatchPaths, QuotedWithEveryPercentDoubled) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\My Temp\\a b.tmp", "\"C:\\My Temp\\a b.tmp\""},
        {"C:\\T\\a&b.tmp", "\"C:\\T\\a&b.tmp\""},
        {"C:\\T\\x%PATH%y.tmp", "\"C:\\T\\x%%PATH%%y.tmp\""},
        {"C:\\T\\100%", "\"C:\\T\\100%%\""},
        {"C:\\T\\c^d.tmp", "\"C:\\T\\c^d.tmp\""},
        {"C:\\T\\wow!.tmp", "\"C:\\T\\wow!.tmp\""},
        {"C:\\T (1)\\a).tmp", "\"C:\\T (1)\\a).tmp\""},
        {"\\\\szerver\\share\\a&b.tmp", "\"\\\\szerver\\share\\a&b.tmp\""},
    };
    for (const auto& [path, quoted] : cases) {
        EXPECT_EQ(cleaning::batchQuoted(path), std::optional<std::string>(quoted)) << path;
    }
}

TEST(BatchPaths, AccentedOnlyInABatchReadInItsOwnCodePage) {
    const std::string path = "C:\\Tár 100%\\ő ű!.tmp";
    EXPECT_EQ(cleaning::batchQuoted(path, BatchCharset::Windows1250),
              std::optional<std::string>("\"C:\\Tár 100%%\\ő ű!.tmp\""));
    // Without the switch cmd reads these letters in the OEM code page, as other letters.
    EXPECT_EQ(cleaning::batchQuoted(path), std::nullopt);
    BatchText nineX;
    nineX.start(false);
    EXPECT_FALSE(nineX.addDelete(path));
    EXPECT_EQ(nineX.lines().size(), 12u);
}

TEST(BatchPaths, RefusedWhenTheLineWouldNameSomethingElse) {
    const std::string refused[] = {
        "C:\\T\\中.tmp",            // outside the code page: written as "?", a wildcard
        "C:\\T\\\xED\xA0\x80.tmp",  // a lone surrogate of a file name
        "C:\\T\\\xFF.tmp",          // not UTF-8 at all
        "C:\\T\\a?.tmp",
        "C:\\T\\*.tmp",
        "C:\\T\\a\".tmp",
        "C:\\T\\a.",  // Windows drops the dot: the line would name "a"
        "C:\\T\\a ",
        "C:\\T\\..\\a.tmp",
        "C:\\T\\.\\a.tmp",
        "C:\\T\\\\a.tmp",
        "C:\\T\\a/b.tmp",
        "C:\\T\\a:stream",
        "C:\\T\\a\r\ndel C:\\*.*",
        "T\\a.tmp",
        "C:a.tmp",
        "C:\\",  // "del" of a folder empties it
        "\\\\szerver\\megosztás",
        "\\\\?\\C:\\a.tmp",
        "C:\\" + std::string(5000, 'a'),
        "",
    };
    for (const std::string& path : refused) {
        EXPECT_EQ(cleaning::batchQuoted(path), std::nullopt) << path;
        EXPECT_EQ(cleaning::batchQuoted(path, BatchCharset::Windows1250), std::nullopt) << path;
        BatchText b;
        EXPECT_FALSE(b.addDelete(path));
        EXPECT_TRUE(b.lines().empty());
    }
}

}  // namespace
