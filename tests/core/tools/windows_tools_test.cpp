#include "core/tools/windows_tools.h"

#include <gtest/gtest.h>

#include "core/app/busy_guard.h"
#include "platform/fake/fake_platform.h"

namespace kefelo::tools {
namespace {

using platform::fake::ExecutedFile;

struct WindowsToolsTest : platform::fake::FakePlatform, ::testing::Test {
    config::ConfigModel config;

    WindowsTools make(bool nt) { return WindowsTools({platform, shell, config, "C:\\Kefelo\\", "1.2.3.4", nt, "http://mirror:8080"}); }
};

TEST_F(WindowsToolsTest, TheToolCommandsFollowTheSystemAndWhatIsInstalled) {
    const platform::WindowsVersion xp{5, 1}, vista{6, 0}, seven{6, 1}, eleven{10, 0};
    // The NT family: the version's own defragmenter, only when System32 holds it.
    for (platform::WindowsVersion version : {xp, seven}) {
        const ToolCommands none = findToolCommands(fs, "C:\\WINDOWS", true, version);
        EXPECT_EQ(none.defrag, kDefragNotFound);
        EXPECT_EQ(none.diskCleanup, kDiskCleanupNotFound);
    }
    fs.addFile("C:\\WINDOWS\\System32\\dfrg.msc");
    fs.addFile("C:\\WINDOWS\\System32\\cleanmgr.exe");
    EXPECT_EQ(findToolCommands(fs, "C:\\WINDOWS", true, vista).defrag, "dfrg.msc");
    EXPECT_EQ(findToolCommands(fs, "C:\\WINDOWS", true, vista).diskCleanup, "cleanmgr.exe");
    // A stale console file does not stand in for the Windows 7 window.
    EXPECT_EQ(findToolCommands(fs, "C:\\WINDOWS", true, seven).defrag, kDefragNotFound);
    fs.addFile("C:\\WINDOWS\\System32\\dfrgui.exe");
    EXPECT_EQ(findToolCommands(fs, "C:\\WINDOWS", true, seven).defrag, "dfrgui.exe");
    EXPECT_EQ(findToolCommands(fs, "C:\\WINDOWS", true, eleven).defrag, "dfrgui.exe");
    EXPECT_EQ(findToolCommands(fs, "C:\\WINDOWS", true, xp).defrag, "dfrg.msc");

    // Windows 9x looks in the Windows directory and its System32.
    platform::fake::FakeFileSystem old;
    old.addFile("C:\\WINDOWS\\defrag.exe");
    ToolCommands found = findToolCommands(old, "C:\\WINDOWS", false, {4, 10});
    EXPECT_EQ(found.defrag, "C:\\WINDOWS\\defrag.exe");
    EXPECT_EQ(found.diskCleanup, kDiskCleanupNotFound);
    old.addFile("C:\\WINDOWS\\System32\\defrag.exe");
    old.addFile("C:\\WINDOWS\\CLEANMGR.EXE");
    found = findToolCommands(old, "C:\\WINDOWS", false, {4, 10});
    EXPECT_EQ(found.defrag, "C:\\WINDOWS\\System32\\defrag.exe");
    EXPECT_EQ(found.diskCleanup, "C:\\WINDOWS\\CLEANMGR.EXE");
}

TEST_F(WindowsToolsTest, AMissingToolIsToldInItsHintAndWhenClicked) {
    sys.windowsDir = "C:\\WINDOWS";
    fs.addFile("C:\\WINDOWS\\defrag.exe");
    WindowsTools tools = make(false);
    EXPECT_TRUE(isNotFoundHint(tools.hint(ToolButton::DiskCleanup)));
    EXPECT_EQ(tools.description(ToolButton::DiskCleanup), "");
    EXPECT_EQ(tools.description(ToolButton::Defrag),
              "Válassza ki, hogy mely meghajtót kívánja töredezettség-mentesíteni, majd kattintson az \"OK\" gombra!");
    tools.run(ToolButton::DiskCleanup);
    tools.run(ToolButton::Defrag);
    EXPECT_EQ(shell.executed, (std::vector<ExecutedFile>{{"C:\\WINDOWS\\defrag.exe", "", "", true}}));
    // The floppy dialog only where there is a floppy drive.
    tools.run(ToolButton::FormatFloppy);
    EXPECT_EQ(shell.floppyFormats, 0);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, kDiskCleanupNotFound);
    EXPECT_EQ(ui.messages[1].text, kFloppyDriveNotFound);
    fs.addDrive('A', platform::DriveType::Removable, {}, "");
    tools.run(ToolButton::FormatFloppy);
    EXPECT_EQ(shell.floppyFormats, 1);
    EXPECT_EQ(ui.messages.size(), 2u);
}

TEST_F(WindowsToolsTest, TheLastLogOpensInNotepadOrTellsWhereItWasLookedFor) {
    WindowsTools tools = make(true);
    tools.run(ToolButton::LastLog);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "Nem található a legutolsó Takarítási naplót tartalmazó állomány!\r\n( C:\\Kefelo\\utolso.log )");
    fs.addFile("C:\\Kefelo\\utolso.log");
    tools.run(ToolButton::LastLog);
    EXPECT_EQ(shell.executed, (std::vector<ExecutedFile>{{"notepad.exe", "C:\\Kefelo\\utolso.log", "", true}}));
}

// Notepad is handed at most 1000 characters, counted as characters: an accented folder
// name must not make a path that fits look too long.
TEST_F(WindowsToolsTest, TheLogPathLimitCountsCharacters) {
    const auto programIn = [](const std::string& folder) { return "C:\\" + folder + "\\"; };
    const std::string fits(1000 - std::string("C:\\\\utolso.log").size(), 'a');
    std::string accented;
    for (size_t i = 0; i < fits.size(); ++i) accented += "é";
    for (const auto& [folder, opens] :
         {std::pair{fits, true}, std::pair{fits + "a", false}, std::pair{accented, true}}) {
        SCOPED_TRACE(folder.size());
        shell.executed.clear();
        ui.messages.clear();
        fs.addFile(programIn(folder) + "utolso.log");
        WindowsTools({platform, shell, config, programIn(folder), "1", true, ""}).run(ToolButton::LastLog);
        EXPECT_EQ(shell.executed.size(), opens ? 1u : 0u);
        EXPECT_EQ(ui.messages.empty(), opens);
    }
}

TEST_F(WindowsToolsTest, TheArchiveFolderIsOpenedOnlyWhenItExists) {
    config.zipDirectory = "";
    WindowsTools tools = make(true);
    EXPECT_EQ(archiveDirectory(config, "C:\\Kefelo\\"), "C:\\Kefelo\\Zipped");
    EXPECT_NE(tools.description(ToolButton::ArchiveDirectory)
                  .find("Figyelem! A könyvtár nem található az alábbi helyen :\r\nC:\\Kefelo\\Zipped"),
              std::string::npos);
    tools.run(ToolButton::ArchiveDirectory);
    EXPECT_EQ(ui.messages.back().text, kArchiveDirectoryMissing);
    EXPECT_TRUE(shell.executed.empty());

    config.zipDirectory = "D:\\Archives";
    fs.addDirectory("D:\\Archives");
    EXPECT_NE(tools.description(ToolButton::ArchiveDirectory)
                  .find("A legutoljára elkészített tömörítvény helye:\r\nD:\\Archives"),
              std::string::npos);
    tools.run(ToolButton::ArchiveDirectory);
    tools.run(ToolButton::ProgramDirectory);
    EXPECT_EQ(shell.executed, (std::vector<ExecutedFile>{{"explorer.exe", "D:\\Archives", "", true},
                                                         {"explorer.exe", "C:\\Kefelo", "", true}}));
}

TEST_F(WindowsToolsTest, DownloadsComeFromTheUpdateServerInUse) {
    WindowsTools tools = make(true);
    tools.run(ToolButton::DataRecoveryDownload);
    tools.run(ToolButton::RegistryToolDownload);
    ASSERT_EQ(shell.executed.size(), 2u);
    EXPECT_EQ(shell.executed[0].file, "http://mirror:8080/update/kefelo/fr40.exe");
    EXPECT_EQ(shell.executed[1].file, "http://mirror:8080/update/kefelo/jv16.exe");
}

TEST_F(WindowsToolsTest, TheMailNamesTheProgramsVersion) {
    make(true).mailToAuthor();
    ASSERT_EQ(shell.executed.size(), 1u);
    EXPECT_EQ(shell.executed[0].file,
              std::string("mailto:") + std::string(kAuthorMail) + "?Subject=Kefelo v1.2.3.4 eszrevetel");
}

TEST_F(WindowsToolsTest, TheButtonsWaitWhileAnOperationRuns) {
    app::Activity activity = app::Activity::Cleaning;
    WindowsTools tools({platform, shell, config, "C:\\Kefelo\\", "1.2.3.4", true, "http://mirror:8080"}, &activity);
    for (ToolButton button : {ToolButton::Defrag, ToolButton::FormatFloppy, ToolButton::LastLog,
                              ToolButton::ProgramDirectory, ToolButton::DataRecoveryDownload, ToolButton::DiskInfo})
        EXPECT_FALSE(tools.run(button));
    EXPECT_TRUE(shell.executed.empty());
    EXPECT_EQ(shell.floppyFormats, 0);
    ASSERT_EQ(ui.messages.size(), 6u);
    for (const auto& message : ui.messages) EXPECT_EQ(message.text, app::kBusyWarning);

    activity = app::Activity::Idle;
    EXPECT_TRUE(tools.run(ToolButton::ProgramDirectory));
    EXPECT_TRUE(tools.run(ToolButton::DiskInfo));
    EXPECT_EQ(shell.executed, (std::vector<ExecutedFile>{{"explorer.exe", "C:\\Kefelo", "", true}}));
}

}  // namespace
}  // namespace kefelo::tools
