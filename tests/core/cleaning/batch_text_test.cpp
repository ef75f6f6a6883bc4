#include "core/cleaning/batch_text.h"

#include <gtest/gtest.h>

#include "autodel_fixture.h"

using namespace kefelo;
using cleaning::BatchText;

namespace {

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

TEST_F(Batch, NtFileByteForByte) {
    fs.addFile("C:\\TEMP\\zár.tmp");
    runWith({"C:\\TEMP\\ZAR~1.TMP", "C:\\Munka\\b.tmp"});
    std::string expected = std::string(
                               "@ECHO OFF\r\n"
                               "copy C:\\Kefelo\\autoexec.bat C:\\autoexec.bat /y\r\n"
                               "del C:\\Kefelo\\autoexec.bat\r\n") +
                           kNtHeader +
                           "del C:\\TEMP\\ZAR~1.TMP\r\n"
                           "del C:\\Munka\\b.tmp\r\n" +
                           kClosing;
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
    runWith({"C:\\A.TMP"});
    std::string expected =
        "@ECHO OFF\r\n"
        "copy C:\\PROGRA~1\\KEFEL~1\\autoexec.bat D:\\autoexec.bat /y\r\n"
        "del C:\\PROGRA~1\\KEFEL~1\\autoexec.bat\r\n"
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
        "del C:\\A.TMP\r\n" +
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
    EXPECT_EQ(batch.lines().size(), 3u + 12u + 6u);
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
    EXPECT_EQ(batch.lines().back(), "@ECHO ON");
    EXPECT_EQ(batch.lines()[3 + 12], "del C:\\A");
}

TEST_F(Batch, AnOlderReadOnlyBatchIsReplaced) {
    fs.addFile(at("autodel.bat"), "régi", platform::attr::kReadOnly | platform::attr::kHidden);
    runWith({"C:\\A"});
    EXPECT_NE(file(at("autodel.bat")).find("del C:\\A\r\n"), std::string::npos);
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
    EXPECT_EQ(b.lines()[1], "copy C:\\K\\autoexec.bat E:\\autoexec.bat /y");
    // An extended text (found-files deletion) whose last line is a delete holds entries.
    b.setLines({"@ECHO OFF", "del C:\\Y"});
    EXPECT_TRUE(b.finish("C:\\K\\", 'C'));
    EXPECT_EQ(b.lines().size(), 3u + 2u + 6u);
}

}  // namespace
