#include "core/cleaning/autodel_operations.h"

#include <gtest/gtest.h>

#include "autodel_fixture.h"
#include "base/text/codec.h"

using namespace kefelo;
using platform::Answer;
using platform::Buttons;
using platform::MessageKind;
using platform::fake::ExecutedFile;
namespace attr = platform::attr;

namespace {

const char* const kNoRunYet =
    "Először futtassa le a Takarítási folyamatot, hogy kiderüljön, vannak-e nem törölhető átmeneti állományok!";
const char* const kNothingToDo = "Nincsenek törölhetetlen átmeneti állományok!";
const char* const kSaveTitle = "Adja meg azt a helyet ahová el szeretné menteni az \"autodel.bat\" állományt";
const char* const kReallyReplace =
    "Valóban lecseréli az állományt?\r\n(Ha a \"Nem\"-et válassza, adjon meg egy másik helyet!)";

std::string fileMehetQuestion(const std::string& target) {
    return "A megadott helyen és néven már létezik állomány:\r\n" + target +
           "\r\n\r\nHa ezen a helyen és néven menti el az állományt, akkor az állomány mostani tartalma elvész!\r\n"
           "Meg szeretné tekinteni az állomány tartalmát felülírás előtt?\r\n\r\nVálasszon az alábbi lehetőségek "
           "közül:\r\n - \"Igen\" - Az állomány jelenlegi tartalmának megnyitása a Jegyzettömben;\r\n - \"Nem\" - "
           "Az állományt nem nyitom meg, azonnal lecserélem ;\r\n - \"Mégse\" - Kilépés műveletvégzés nélkül.";
}

class Autodel : public cleaningtest::AutodelTest {};

TEST_F(Autodel, GuardRefusesBeforeARunAndWithoutABatch) {
    int saves = 0;
    auto all = [&] {
        ops->view();
        ops->saveElsewhere();
        ops->registerForNextStart([&] { ++saves; }, false);
    };
    // Even a batch left from an earlier start does not count before a run has ended here.
    fs.addFile(at("autodel.bat"), "x");
    all();
    EXPECT_EQ(texts(), (std::vector<std::string>{kNoRunYet, kNoRunYet, kNoRunYet}));

    fs.deleteFile(at("autodel.bat"));
    ui.messages.clear();
    runWith({});
    all();
    EXPECT_EQ(texts(), (std::vector<std::string>{kNothingToDo, kNothingToDo, kNothingToDo}));
    for (const auto& m : ui.messages) EXPECT_EQ(m.kind, MessageKind::Information);
    EXPECT_TRUE(shell.executed.empty());
    EXPECT_TRUE(shell.restarts.empty());
    EXPECT_TRUE(ui.folderRequests.empty());
    EXPECT_EQ(saves, 0);
}

TEST_F(Autodel, ViewOpensNotepadUpToAThousandCharacters) {
    // A program directory that makes the batch path exactly 1000 characters.
    std::string longDir = "C:\\";
    while (longDir.size() + 100 + std::string("autodel.bat").size() <= 1000) longDir += std::string(99, 'a') + "\\";
    longDir += std::string(1000 - longDir.size() - 1 - std::string("autodel.bat").size(), 'b') + "\\";
    ASSERT_EQ((longDir + "autodel.bat").size(), 1000u);
    fs.addDirectory(longDir.substr(0, longDir.size() - 1));
    useProgramDirectory(longDir);
    runWith({"C:\\A"});
    ops->view();
    ASSERT_EQ(shell.executed.size(), 1u);
    EXPECT_EQ(shell.executed[0], (ExecutedFile{"notepad.exe", longDir + "autodel.bat", "", true}));

    // One character more (an accented one counts once).
    std::string longer = longDir.substr(0, longDir.size() - 2) + "ő\\";
    fs.addDirectory(longer.substr(0, longer.size() - 1));
    fs.addFile(longer + "autodel.bat", "x");
    useProgramDirectory(longer);
    ops->setRunEnded();
    ops->view();
    EXPECT_EQ(shell.executed.size(), 2u);
    longer = longDir.substr(0, longDir.size() - 1) + "c\\";
    fs.addDirectory(longer.substr(0, longer.size() - 1));
    fs.addFile(longer + "autodel.bat", "x");
    useProgramDirectory(longer);
    ops->setRunEnded();
    ops->view();
    EXPECT_EQ(shell.executed.size(), 2u);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(ui.messages[0].text, "Az \"autodel.bat\" állomány elérési útja túl hosszú!\r\nNem tudom megjeleníteni!");
}

TEST_F(Autodel, FileMehetAnswers) {
    EXPECT_EQ(ops->FileMehet("D:\\autodel.bat"), 0);
    EXPECT_TRUE(ui.messages.empty());

    fs.addFile("D:\\Hosszú név\\autodel.bat", "régi");
    fs.setShortName("D:\\Hosszú név", "HOSSZ~1");
    const std::string target = "D:\\Hosszú név\\autodel.bat";
    ui.answers = {Answer::Cancel, Answer::No, Answer::Yes};
    EXPECT_EQ(ops->FileMehet(target), 2);
    EXPECT_EQ(ops->FileMehet(target), 0);
    EXPECT_TRUE(shell.executed.empty());
    EXPECT_EQ(ops->FileMehet(target), 1);
    ASSERT_EQ(shell.executed.size(), 1u);
    EXPECT_EQ(shell.executed[0], (ExecutedFile{"notepad.exe", "D:\\HOSSZ~1\\autodel.bat", "", true}));
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Confirmation);
    EXPECT_EQ(ui.messages[0].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(ui.messages[0].text, fileMehetQuestion(target));
}

class SaveElsewhere : public Autodel {
protected:
    SaveElsewhere() {
        fs.addDirectory("D:\\Mentés");
        runWith({"C:\\A.TMP"});
    }
    std::string source() { return file(at("autodel.bat")); }
};

TEST_F(SaveElsewhere, CopiesIntoTheChosenFolderReadOnly) {
    ui.folders = {std::string("D:\\Mentés")};
    ops->saveElsewhere();
    ASSERT_EQ(ui.folderRequests.size(), 1u);
    EXPECT_EQ(ui.folderRequests[0].title, kSaveTitle);
    EXPECT_EQ(ui.folderRequests[0].startDir, dir);
    EXPECT_EQ(file("D:\\Mentés\\autodel.bat"), source());
    EXPECT_TRUE(readOnly("D:\\Mentés\\autodel.bat"));
    EXPECT_TRUE(ui.messages.empty());

    // A drive root already ends in a backslash.
    fs.addDirectory("E:\\Más");
    ui.folders = {std::string("E:\\")};
    ops->saveElsewhere();
    EXPECT_EQ(file("E:\\autodel.bat"), source());

    // Nothing chosen: nothing happens.
    ops->saveElsewhere();
    EXPECT_EQ(ui.folderRequests.size(), 3u);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SaveElsewhere, ReplacingAskedFilesAndLookingFirst) {
    const std::string target = "D:\\Mentés\\autodel.bat";
    fs.addFile(target, "régi", attr::kReadOnly | attr::kHidden);

    // Cancel at the first question: the old file stays.
    ui.folders = {std::string("D:\\Mentés\\")};
    ui.answers = {Answer::Cancel};
    ops->saveElsewhere();
    EXPECT_EQ(file(target), "régi");

    // Look first, then "No" to the second question: pick another folder, which is new.
    fs.addDirectory("D:\\Másik");
    ui.folders = {std::string("D:\\Mentés"), std::string("D:\\Másik")};
    ui.answers = {Answer::Yes, Answer::No};
    ui.messages.clear();
    ops->saveElsewhere();
    EXPECT_EQ(texts(), (std::vector<std::string>{fileMehetQuestion(target), kReallyReplace}));
    EXPECT_EQ(shell.executed.size(), 1u);
    EXPECT_EQ(file(target), "régi");
    EXPECT_EQ(file("D:\\Másik\\autodel.bat"), source());

    // Look first, then replace.
    ui.folders = {std::string("D:\\Mentés")};
    ui.answers = {Answer::Yes, Answer::Yes};
    ops->saveElsewhere();
    EXPECT_EQ(file(target), source());
    EXPECT_EQ(fs.getAttributes(target), attr::kReadOnly);

    // Look first, then cancel.
    fs.setAttributes(target, 0);
    fs.writeFileAtomic(target, "újabb");
    ui.folders = {std::string("D:\\Mentés")};
    ui.answers = {Answer::Yes, Answer::Cancel};
    ops->saveElsewhere();
    EXPECT_EQ(file(target), "újabb");

    // Replace without looking.
    ui.folders = {std::string("D:\\Mentés")};
    ui.answers = {Answer::No};
    ops->saveElsewhere();
    EXPECT_EQ(file(target), source());
}

TEST_F(SaveElsewhere, FailuresAreReportedAndTheOldTargetKeepsItsAttributes) {
    const std::string target = "D:\\Mentés\\autodel.bat";
    fs.addFile(target, "régi", attr::kHidden);
    fs.setLocked(target, true);
    ui.folders = {std::string("D:\\Mentés")};
    ui.answers = {Answer::No};
    ops->saveElsewhere();
    EXPECT_EQ(file(target), "régi");
    EXPECT_EQ(fs.getAttributes(target), attr::kHidden);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].kind, MessageKind::Warning);
    EXPECT_EQ(ui.messages[1].text, "Nem sikerült elmenteni az állományt a következő helyre:\r\n" + target +
                                       "\r\n\r\nValószínűleg nincs írási jogosultsága erre a helyre!");

    fs.addDirectory("D:\\Zárt");
    fs.setWritable("D:\\Zárt", false);
    ui.folders = {std::string("D:\\Zárt")};
    ops->saveElsewhere();
    EXPECT_FALSE(fs.exists("D:\\Zárt\\autodel.bat"));
    EXPECT_EQ(ui.messages.size(), 3u);
}

// Windows 9x: autoexec.bat calls the batch before Windows loads.
class Register : public Autodel {
protected:
    int saves = 0;
    Register() {
        sys.platform = 1;
        fs.setShortName("C:\\Kefelo", "KEFELO~1");
        runWith({"C:\\A.TMP"});
    }
    void registerNow(bool diagnostic = false) {
        ops->registerForNextStart([this] { ++saves; }, diagnostic);
    }
    std::string readyQuestion() const {
        return "A Kefeló most újraindítja a Windows operációs rendszert, hogy megkísérelje a most törölhetetlen "
               "átmeneti állományok eltávolítását.\r\n\r\nÚjraindítás után Windows 95/98 rendszer esetében "
               "automatikusan elindul a törlést végző segédprogram(\"autodel.bat\").\r\nWindows2000, vagy újabb "
               "operációs rendszeren csökkentett módban(A rendszer betöltődésének megkezdése előtt az F8 gomb "
               "megnyomása után a Csökkentett mód indítási módot kell választania) kézzel kell elindítani az "
               "\"autodel.bat\" állományt.\r\n(Amennyiben nem mentette máshová az alapértelmezett helye: "
               "C:\\Kefelo\\autodel.bat).\r\n\r\nNAGYON FONTOS, hogy mentse el minden megnyitott dokumentumát és "
               "ZÁRJON BE -a Kefeló kivételével- MINDEN PROGRAMOT!\r\n\r\nCsak a Kefeló program fut és készen áll "
               "az újraindításra?";
    }
};

TEST_F(Register, TwiceLeavesOneCallAndKeepsTheRest) {
    fs.addFile("C:\\autoexec.bat", text::utf8ToCp1250("SET PATH=C:\\DOS\r\nC:\\RÉGI\\autodel.bat\r\nREM vége\r\n"),
               attr::kReadOnly | attr::kHidden);
    ui.answers = {Answer::Yes};
    registerNow();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(ui.messages[0].buttons, Buttons::YesNo);
    EXPECT_EQ(ui.messages[0].text, readyQuestion());

    const std::string without = text::utf8ToCp1250("SET PATH=C:\\DOS\r\nREM vége\r\n");
    EXPECT_EQ(file(at("autoexec.bat")), without);
    EXPECT_EQ(file("C:\\autoexec.bat"), without + "\"C:\\KEFELO~1\\autodel.bat\"\r\n");
    EXPECT_EQ(fs.getAttributes("C:\\autoexec.bat"), attr::kReadOnly | attr::kHidden);
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(shell.restarts, std::vector<bool>{false});

    ui.answers = {Answer::Yes};
    registerNow();
    EXPECT_EQ(file(at("autoexec.bat")), without);
    EXPECT_EQ(file("C:\\autoexec.bat"), without + "\"C:\\KEFELO~1\\autodel.bat\"\r\n");
    EXPECT_EQ(shell.restarts.size(), 2u);
}

TEST_F(Register, NoStopsAndDiagnosticModeDoesNotRestart) {
    fs.addFile("C:\\autoexec.bat", "");
    ui.answers = {Answer::No};
    registerNow();
    EXPECT_EQ(file("C:\\autoexec.bat"), "");
    EXPECT_EQ(saves, 0);

    ui.answers = {Answer::Yes};
    registerNow(true);
    EXPECT_EQ(file("C:\\autoexec.bat"), "\"C:\\KEFELO~1\\autodel.bat\"\r\n");
    EXPECT_EQ(saves, 1);
    EXPECT_TRUE(shell.restarts.empty());

    registerNow();  // unscripted answer: No
    ui.answers = {Answer::Yes};
    registerNow();
    EXPECT_EQ(shell.restarts, std::vector<bool>{false});
}

TEST_F(Register, MissingStartupFileIsCreatedOnlyWhenAsked) {
    sys.windowsDir = "D:\\WINNT";
    fs.addDirectory("D:\\WINNT");
    const std::string question =
        "Nem található a következő, automatikus indítást lehetővé tevő állomány:\r\nD:\\autoexec.bat\r\n\r\n"
        "Kívánja most létrehozatni azt és folytatja a műveletet?";
    ui.answers = {Answer::Yes, Answer::No};
    registerNow();
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text, question);
    EXPECT_EQ(ui.messages[1].kind, MessageKind::Confirmation);
    EXPECT_FALSE(fs.exists("D:\\autoexec.bat"));
    EXPECT_EQ(saves, 0);

    ui.answers = {Answer::Yes, Answer::Yes};
    registerNow();
    EXPECT_EQ(file("D:\\autoexec.bat"), "\"C:\\KEFELO~1\\autodel.bat\"\r\n");
    EXPECT_EQ(file(at("autoexec.bat")), "");
    EXPECT_EQ(saves, 1);
}

// A restart without the call in autoexec.bat would only cost the user's open work.
TEST_F(Register, FailureWarnsAndStopsWithoutSaveOrRestart) {
    const std::string warning =
        "Valószínűleg nincs írási jogosultsága a következő, a Kefeló-t tartalmazó helyre:\r\nC:\\Kefelo\\"
        "\r\n\r\nA kezeléshez szükség van a könyvtárban történő merevlemez-írásra, ennek hiányában a kezelés "
        "nem végezhető el!\r\n(Írási jogot a rendszergazdától kérhet)";
    fs.addFile("C:\\autoexec.bat", "REM\r\n", attr::kHidden);
    // The autodel.bat is there, but the program directory takes no new files.
    fs.setWritable("C:\\Kefelo", false);
    ui.answers = {Answer::Yes};
    registerNow();
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].kind, MessageKind::Warning);
    EXPECT_EQ(ui.messages[1].text, warning);
    EXPECT_EQ(file("C:\\autoexec.bat"), "REM\r\n");
    EXPECT_EQ(fs.getAttributes("C:\\autoexec.bat"), attr::kHidden);
    EXPECT_EQ(saves, 0);
    EXPECT_TRUE(shell.restarts.empty());

    // A path no batch line can name (no short form, a character the code page lacks)
    // is no call either.
    fs.setWritable("C:\\Kefelo", true);
    fs.addDirectory("C:\\中");
    fs.addFile("C:\\中\\autodel.bat", "del \"C:\\A\"\r\n");
    useProgramDirectory("C:\\中\\");
    ops->setRunEnded();
    ui.messages.clear();
    ui.answers = {Answer::Yes};
    registerNow();
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].kind, MessageKind::Warning);
    EXPECT_EQ(file("C:\\autoexec.bat"), "REM\r\n");
    EXPECT_EQ(saves, 0);
    EXPECT_TRUE(shell.restarts.empty());
}

}  // namespace

namespace {

TEST(BatchDeletePaths, TakesOneFullPathPerDelLine) {
    const std::vector<std::string> lines = {
        "@ECHO OFF",
        "del \"C:\\Temp\\a b.tmp\"",
        "del \"C:\\Temp\\100%%.tmp\"",
        "DEL C:\\TEMP\\SHORT~1.TMP",
        "del  \"\\\\server\\share\\x y.tmp\" ",
        "del relative.tmp",
        "del \"C:\\Temp\\*.tmp\"",
        "del C:\\Temp\\two words.tmp",
        "del \"C:\\Temp\\a\" \"C:\\Temp\\b\"",
        "@Echo del C:\\not\\this",
        "del",
    };
    EXPECT_EQ(cleaning::batchDeletePaths(lines),
              (std::vector<std::string>{"C:\\Temp\\a b.tmp", "C:\\Temp\\100%.tmp", "C:\\TEMP\\SHORT~1.TMP",
                                        "\\\\server\\share\\x y.tmp"}));
}

// The NT family: the system deletes the files at its next start when the process is an
// administrator's; otherwise the batch runs once at the next logon.
class RegisterOnNt : public Autodel {
protected:
    int saves = 0;
    const std::string locked = "C:\\Temp\\zár%1.tmp";
    const std::string other = "C:\\Temp\\b.tmp";
    RegisterOnNt() {
        fs.addFile(locked, "x");
        fs.setLocked(locked, true);
        fs.addFile(other, "y", attr::kReadOnly);
        fs.addFile("C:\\Temp\\keep.txt", "keep");
        // A copy of autoexec.bat beside the program, named by the batch's restore lines.
        fs.addFile(at("autoexec.bat"), "REM");
        runWith({locked, other, "C:\\Temp\\gone.tmp", locked});
    }
    void registerNow(bool diagnostic = false) { ops->registerForNextStart([this] { ++saves; }, diagnostic); }
    std::optional<std::string> runOnce() {
        return registry.readString(platform::RegistryRoot::CurrentUser, std::string(cleaning::kRunOnceKey),
                                   std::string(cleaning::kRunOnceValue));
    }
};

TEST_F(RegisterOnNt, AnAdministratorHasTheSystemDeleteTheFilesAtItsNextStart) {
    EXPECT_EQ(ops->way(), cleaning::AutodelWay::DeleteAtRestart);
    ui.answers = {Answer::Yes};
    registerNow();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Confirmation);
    EXPECT_EQ(ui.messages[0].buttons, Buttons::YesNoCancel);
    EXPECT_TRUE(ui.messages[0].text.starts_with(
        "A Kefeló most bejegyzi a Windows rendszerbe, hogy a számítógép következő indításakor törölje a most "
        "törölhetetlen átmeneti állományokat (2 db), még mielőtt bármely program megnyithatná azokat.\r\n\r\n"
        "Kívánja a bejegyzés után azonnal újraindítani a számítógépet?"))
        << ui.messages[0].text;
    EXPECT_NE(ui.messages[0].text.find("a törlés a következő indításakor történik;"), std::string::npos);
    // Each file once; not the vanished one, nor the program's copy of autoexec.bat.
    EXPECT_EQ(fs.pendingRestartDeletes, (std::vector<std::string>{locked, other}));
    EXPECT_FALSE(fs.exists("C:\\autoexec.bat"));
    EXPECT_FALSE(runOnce());
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(shell.restarts, std::vector<bool>{true});

    fs.restartSystem();
    EXPECT_FALSE(fs.exists(locked));
    EXPECT_FALSE(fs.exists(other));
    EXPECT_TRUE(fs.exists("C:\\Temp\\keep.txt"));
    EXPECT_TRUE(fs.exists(at("autoexec.bat")));
    EXPECT_TRUE(fs.exists(at("autodel.bat")));
}

TEST_F(RegisterOnNt, NoRegistersWithoutRestartAndCancelDoesNothing) {
    ui.answers = {Answer::Cancel};
    registerNow();
    EXPECT_TRUE(fs.pendingRestartDeletes.empty());
    ui.answers = {Answer::No};
    registerNow();
    EXPECT_EQ(fs.pendingRestartDeletes.size(), 2u);
    EXPECT_EQ(saves, 0);
    EXPECT_TRUE(shell.restarts.empty());
    // Diagnostic mode saves but does not restart.
    ui.answers = {Answer::Yes};
    registerNow(true);
    EXPECT_EQ(saves, 1);
    EXPECT_TRUE(shell.restarts.empty());
}

TEST_F(RegisterOnNt, AUserWithoutRightsGetsTheBatchRunAtTheNextLogon) {
    sys.administrator = false;
    EXPECT_EQ(ops->way(), cleaning::AutodelWay::RunAtLogon);
    ui.answers = {Answer::Yes};
    registerNow();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(ui.messages[0].text.starts_with(
        "A Kefeló most bejegyzi, hogy az Ön következő bejelentkezésekor automatikusan elinduljon a törlést végző "
        "segédprogram:\r\nC:\\Kefelo\\autodel.bat\r\n"))
        << ui.messages[0].text;
    EXPECT_NE(ui.messages[0].text.find("a törlés a következő bejelentkezéskor történik;"), std::string::npos);
    EXPECT_EQ(runOnce(), "\"C:\\Kefelo\\autodel.bat\"");
    EXPECT_TRUE(fs.pendingRestartDeletes.empty());
    EXPECT_FALSE(fs.exists("C:\\autoexec.bat"));
    EXPECT_EQ(shell.restarts, std::vector<bool>{true});

    // Refused by the registry: said, and no restart for nothing.
    registry.deleteValue(platform::RegistryRoot::CurrentUser, std::string(cleaning::kRunOnceKey),
                         std::string(cleaning::kRunOnceValue));
    registry.refuseWrites = true;
    ui.messages.clear();
    ui.answers = {Answer::Yes};
    registerNow();
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].kind, MessageKind::Warning);
    EXPECT_TRUE(ui.messages[1].text.ends_with("kézzel is elindíthatja:\r\nC:\\Kefelo\\autodel.bat"));
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(shell.restarts.size(), 1u);
}

TEST_F(RegisterOnNt, ARefusalIsToldAndNothingRestarts) {
    // The system refuses the registration.
    fs.restartDeletesAllowed = false;
    ui.answers = {Answer::Yes};
    registerNow();
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].kind, MessageKind::Warning);
    EXPECT_EQ(ui.messages[1].text, "A Windows nem fogadta el a következő állományok törlésének bejegyzését:\r\n" +
                                       locked + "\r\n" + other +
                                       "\r\n\r\nEzeket az \"autodel.bat\" állomány kézi futtatásával törölheti.");
    EXPECT_EQ(saves, 0);
    EXPECT_TRUE(shell.restarts.empty());

    // The restart itself is refused: the registration stands, and the user is told.
    fs.restartDeletesAllowed = true;
    shell.accept = false;
    ui.messages.clear();
    ui.answers = {Answer::Yes};
    registerNow();
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_TRUE(ui.messages[1].text.starts_with("A Windows nem engedte az újraindítást."));

    // Every listed file is gone already: nothing to ask about.
    fs.setLocked(locked, false);
    fs.setAttributes(other, 0);
    fs.deleteFile(locked);
    fs.deleteFile(other);
    ui.messages.clear();
    registerNow();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(ui.messages[0].text,
              "Az \"autodel.bat\" állományban felsorolt állományok közül már egy sem létezik, így nincs mit törölni.");
}

}  // namespace
