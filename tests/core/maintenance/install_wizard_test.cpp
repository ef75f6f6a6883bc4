#include "core/maintenance/install_wizard.h"

#include <gtest/gtest.h>

#include "base/text/codec.h"
#include "platform/fake/fake_platform.h"
#include "platform/fake/fake_shell_links.h"

using namespace kefelo;
using maintenance::TfrmInstall;
using platform::Answer;
using platform::MessageKind;

namespace {
constexpr const char* kExe = "D:\\Letoltes\\kefelo.exe";
constexpr const char* kProgramDir = "D:\\Letoltes\\";
constexpr const char* kTarget = "C:\\Program Files\\Kefelo";
constexpr const char* kInstalled = "C:\\Program Files\\Kefelo\\kefelo.exe";
constexpr const char* kLocalAppData = "C:\\Users\\user\\AppData\\Local";
constexpr const char* kOwnPrograms = "C:\\Users\\user\\AppData\\Local\\Programs";
constexpr const char* kOwnTarget = "C:\\Users\\user\\AppData\\Local\\Programs\\Kefelo";

class RecordingServices : public maintenance::InstallServices {
public:
    std::map<std::string, std::string> versions;

    std::string fileVersion(const std::string& path) override {
        auto it = versions.find(path);
        return it == versions.end() ? "" : it->second;
    }
    std::vector<std::string> documentationLines() override { return {"< Súgó >", "", "Első sor"}; }
    int handOvers = 0;
    void handOverToInstalledCopy() override { ++handOvers; }
};

class InstallWizard : public ::testing::Test, public platform::fake::FakePlatform {
protected:
    InstallWizard() {
        fs.addFile(kExe, "NEW PROGRAM");
        fs.addDirectory("C:\\Program Files");
        fs.addDirectory("C:\\WINDOWS");
        fs.addDirectory(kLocalAppData);
        sys.userPrograms = kOwnPrograms;
        registry.writeString(platform::RegistryRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
                             "ProgramFilesDir", "C:\\Program Files");
        links.folders = {{platform::KnownFolder::Desktop, "C:\\Users\\user\\Asztal"},
                         {platform::KnownFolder::StartMenu, "C:\\Users\\user\\Start Menu"}};
        wizard.button_nextClick();
    }
    platform::fake::FakeShellLinks links;
    RecordingServices services;
    TfrmInstall wizard{platform, shell, links, services, kExe, kProgramDir};
};

TEST_F(InstallWizard, DefaultTargetFallsBackFromTheRegistryToTheWindowsDriveToTheProgramsDrive) {
    EXPECT_EQ(wizard.page, 1);
    EXPECT_EQ(wizard.target, kTarget);
    registry.writeString(platform::RegistryRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
                         "ProgramFilesDir", "");
    sys.windowsDir = "E:\\WINNT";
    fs.addDirectory("E:\\Program Files");
    EXPECT_EQ(maintenance::defaultInstallTarget(platform, kExe).folder, "E:\\Program Files\\Kefelo");
    sys.windowsDir = "F:\\WINNT";
    EXPECT_EQ(maintenance::defaultInstallTarget(platform, kExe).folder, "D:\\Kefelo");
}

TEST_F(InstallWizard, WritableProgramFilesStaysTheDefaultAndTheProbeLeavesNothing) {
    fs.addDirectory("C:\\Program Files\\Mas");
    fs.addFile("C:\\Program Files\\~kefelo0.tmp", "someone else's");
    wizard.button_defaultClick();
    EXPECT_EQ(wizard.target, kTarget);
    EXPECT_TRUE(wizard.targetNote.empty());
    EXPECT_EQ(fs.namesIn("C:\\Program Files"), (std::vector<std::string>{"Mas", "~kefelo0.tmp"}));
    EXPECT_EQ(fs.content("C:\\Program Files\\~kefelo0.tmp"), "someone else's");
}

TEST_F(InstallWizard, UnwritableProgramFilesProposesTheUsersOwnProgramsFolderAndSaysWhy) {
    fs.setWritable("C:\\Program Files", false);
    wizard.button_defaultClick();
    EXPECT_EQ(wizard.target, kOwnTarget);
    EXPECT_EQ(wizard.targetNote, maintenance::perUserTargetNote("C:\\Program Files"));
    EXPECT_NE(wizard.targetNote.find("(C:\\Program Files)"), std::string::npos);

    // A folder the user picks replaces the proposal; "Alapérték" brings it back.
    ui.folders = {std::string("E:\\")};
    wizard.button4Click();
    EXPECT_EQ(wizard.target, "E:\\Kefelo");
    wizard.button_defaultClick();
    EXPECT_EQ(wizard.target, kOwnTarget);

    // An earlier installation there that this user cannot update is passed over as well.
    fs.setWritable("C:\\Program Files", true);
    fs.addDirectory(kTarget);
    fs.setWritable(kTarget, false);
    wizard.button_defaultClick();
    EXPECT_EQ(wizard.target, kOwnTarget);
    EXPECT_EQ(wizard.targetNote, maintenance::perUserTargetNote(kTarget));

    // Without a per-user place there is nothing better to offer.
    sys.userPrograms = std::nullopt;
    wizard.button_defaultClick();
    EXPECT_EQ(wizard.target, kTarget);
    EXPECT_TRUE(wizard.targetNote.empty());
}

TEST_F(InstallWizard, InstallsIntoTheUsersOwnProgramsFolderEvenBeforeItExists) {
    fs.setWritable("C:\\Program Files", false);
    wizard.button_nextClick();
    ASSERT_FALSE(fs.directoryExists(kOwnPrograms));
    ASSERT_TRUE(wizard.button_installClick());
    EXPECT_EQ(fs.content(std::string(kOwnTarget) + "\\kefelo.exe"), "NEW PROGRAM");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(shell.executed.at(0).file, std::string(kOwnTarget) + "\\kefelo.exe");
    EXPECT_TRUE(fs.namesIn("C:\\Program Files").empty());

    // Elsewhere only the last level is made, as before.
    wizard.target = "C:\\Nincs\\Kefelo";
    EXPECT_FALSE(wizard.button_installClick());
    EXPECT_EQ(ui.messages.back().text, maintenance::kTargetNotCreated);
    EXPECT_FALSE(fs.exists("C:\\Nincs"));
}

TEST_F(InstallWizard, ChosenFolderGetsTheProgramFolderAndTheBrowserOpensAtTheParent) {
    ui.folders = {std::string("C:\\"), std::nullopt, std::string("D:\\Apps\\")};
    wizard.button4Click();
    EXPECT_EQ(wizard.target, "C:\\Kefelo");
    EXPECT_EQ(ui.folderRequests[0].title, "Válassza ki a telepítés helyét:");
    EXPECT_EQ(ui.folderRequests[0].startDir, "C:\\Program Files");
    wizard.button4Click();  // cancelled: unchanged
    EXPECT_EQ(wizard.target, "C:\\Kefelo");
    wizard.button4Click();
    EXPECT_EQ(ui.folderRequests[2].startDir, "C:\\");
    EXPECT_EQ(wizard.target, "D:\\Apps\\Kefelo");
}

TEST_F(InstallWizard, FreshInstallCopiesMakesTheTickedShortcutsAndStartsTheCopyVisibly) {
    wizard.check_startmenushortcut = true;
    wizard.check_findnewversion = true;
    ASSERT_TRUE(wizard.button_installClick());
    EXPECT_TRUE(wizard.installed && wizard.closed);
    EXPECT_EQ(fs.content(kInstalled), "NEW PROGRAM");
    EXPECT_EQ(fs.namesIn(kTarget), std::vector<std::string>{"kefelo.exe"});  // no temporary left
    ASSERT_EQ(links.files().size(), 2u);
    EXPECT_EQ(links.files().at("C:\\Users\\user\\Asztal\\Kefeló.lnk").target, kInstalled);
    EXPECT_EQ(links.files().at("C:\\Users\\user\\Start Menu\\Kefeló.lnk").workingDirectory,
              "C:\\Program Files\\Kefelo\\");
    ASSERT_EQ(shell.executed.size(), 1u);
    EXPECT_EQ(shell.executed[0], (platform::fake::ExecutedFile{kInstalled, "/installed /updaterun", "", true}));
    EXPECT_EQ(services.handOvers, 1);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(InstallWizard, ExistingFolderAndProgramAreAskedAboutAndReplacedOnlyOnYes) {
    fs.addFile(kInstalled, "OLD PROGRAM", platform::attr::kReadOnly);
    services.versions = {{kInstalled, "3.1.0.0"}, {kExe, "3.2.1.0"}};
    ui.answers = {Answer::Yes, Answer::No};
    EXPECT_FALSE(wizard.button_installClick());
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(ui.messages[1].kind, MessageKind::Warning);
    EXPECT_EQ(ui.messages[1].text,
              "A választott helyen már létezik a Kefeló programállománya (kefelo.exe), melynek verziószáma: 3.1.0.0 "
              "!\r\n\r\nFelülírja a most telepítettel, melynek verziószáma: 3.2.1.0?\r\n\r\n(Ha nem, válasszon "
              "másik helyet!)");
    EXPECT_EQ(fs.content(kInstalled), "OLD PROGRAM");

    ui.answers = {Answer::Yes, Answer::Yes};
    EXPECT_TRUE(wizard.button_installClick());
    EXPECT_EQ(fs.content(kInstalled), "NEW PROGRAM");
    EXPECT_EQ(fs.namesIn(kTarget), std::vector<std::string>{"kefelo.exe"});
}

TEST_F(InstallWizard, OldProgramSurvivesWhenTheNewCopyCannotBeMade) {
    fs.addFile(kInstalled, "OLD PROGRAM");
    ui.answers = {Answer::Yes, Answer::Yes};
    fs.setLocked(kExe, true);  // the copy fails half-way
    EXPECT_FALSE(wizard.button_installClick());
    EXPECT_EQ(fs.content(kInstalled), "OLD PROGRAM");
    EXPECT_EQ(fs.namesIn(kTarget), std::vector<std::string>{"kefelo.exe"});
    EXPECT_EQ(ui.messages.back().text, maintenance::copyFailedMessage(kInstalled));

    // A running old program cannot step aside: it stays, and nothing half-made is left.
    fs.setLocked(kExe, false);
    fs.setLocked(kInstalled, true);
    ui.answers = {Answer::Yes, Answer::Yes};
    EXPECT_FALSE(wizard.button_installClick());
    EXPECT_EQ(fs.content(kInstalled), "OLD PROGRAM");
    EXPECT_EQ(fs.namesIn(kTarget), std::vector<std::string>{"kefelo.exe"});
    EXPECT_FALSE(wizard.installed);
}

TEST_F(InstallWizard, FolderThatCannotBeMadeAndAFailedStartKeepTheWizardOpen) {
    fs.setWritable("C:\\Program Files", false);
    EXPECT_FALSE(wizard.button_installClick());
    EXPECT_EQ(ui.messages.back().kind, MessageKind::Error);
    EXPECT_EQ(ui.messages.back().text, maintenance::kTargetNotCreated);

    fs.setWritable("C:\\Program Files", true);
    shell.accept = false;
    EXPECT_FALSE(wizard.button_installClick());
    EXPECT_EQ(ui.messages.back().text, maintenance::kInstallFailed);
    EXPECT_FALSE(wizard.closed);

    // Without the start box nothing is started, and a failing shortcut still counts.
    wizard.check_runafterinstall = false;
    links.acceptCreate = false;
    ui.answers = {Answer::Yes, Answer::Yes};
    EXPECT_FALSE(wizard.button_installClick());
    EXPECT_EQ(ui.messages.back().text, maintenance::kInstallFailed);
    links.acceptCreate = true;
    ui.answers = {Answer::Yes, Answer::Yes};
    EXPECT_TRUE(wizard.button_installClick());
    EXPECT_EQ(shell.executed.size(), 1u);  // only the failed attempt above
}

TEST_F(InstallWizard, StartBoxGovernsTheUpdateSearchBox) {
    wizard.check_findnewversion = true;
    wizard.check_runafterinstall = false;
    wizard.check_runafterinstallClick();
    EXPECT_FALSE(wizard.check_findnewversion);
    EXPECT_FALSE(wizard.check_findnewversionEnabled);
    wizard.check_runafterinstall = true;
    wizard.check_runafterinstallClick();
    EXPECT_TRUE(wizard.check_findnewversionEnabled);
    EXPECT_FALSE(wizard.check_findnewversion);
}

TEST_F(InstallWizard, DocumentationIsSavedOpenedAndRemovedWithTheWizard) {
    const std::string readme = std::string(kProgramDir) + "olvassel.txt";
    wizard.button_viewhelpClick();
    EXPECT_EQ(fs.content(readme), text::encodeLines({"< Súgó >", "", "Első sor"}));
    ASSERT_EQ(shell.executed.size(), 1u);
    EXPECT_EQ(shell.executed[0].file, readme);
    wizard.FormDestroy();
    EXPECT_FALSE(fs.exists(readme));

    // Changed after it was written (edited in Notepad), it is kept.
    wizard.button_viewhelpClick();
    fs.addFile(readme, "saját jegyzetek");
    wizard.FormDestroy();
    EXPECT_EQ(fs.content(readme), "saját jegyzetek");
    fs.deleteFile(readme);

    fs.setWritable(kProgramDir, false);
    wizard.button_viewhelpClick();
    EXPECT_EQ(ui.messages.back().text, "Az olvassel.txt állomány nem található a következő helyen:\r\nD:\\Letoltes\\");
    EXPECT_EQ(shell.executed.size(), 2u);  // the two that were saved, not this one
}

TEST_F(InstallWizard, AnOlvasselTxtThatWasThereIsNeitherOverwrittenNorDeleted) {
    const std::string readme = std::string(kProgramDir) + "olvassel.txt";
    fs.addFile(readme, "egy másik program leírása");
    wizard.button_quitClick();
    wizard.FormDestroy();
    EXPECT_EQ(fs.content(readme), "egy másik program leírása");

    wizard.button_viewhelpClick();
    EXPECT_EQ(fs.content(readme), "egy másik program leírása");
    ASSERT_EQ(shell.executed.size(), 1u);
    EXPECT_EQ(shell.executed[0].file, readme);
    wizard.FormDestroy();
    EXPECT_EQ(fs.content(readme), "egy másik program leírása");
}

TEST_F(InstallWizard, QuitAndRunHereCloseWithTheirResults) {
    wizard.button_noinstallClick();
    EXPECT_EQ(wizard.result, maintenance::InstallWizardResult::RunHere);
    EXPECT_TRUE(wizard.closed);
    wizard.button_quitClick();
    EXPECT_EQ(wizard.result, maintenance::InstallWizardResult::Quit);
}

}  // namespace
