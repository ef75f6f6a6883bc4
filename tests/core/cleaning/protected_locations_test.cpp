// Containers that point at a drive, the system, the profiles, the installed programs or
// this program itself are never emptied, however the list spells them; the standard
// temporary folders below them still are.
#include "core/cleaning/protected_locations.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/cleaning/run_fixture.h"

using namespace kefelo;
using cleaning::LocationVerdict;
using config::Mark;
using platform::SpecialFolder;

namespace {

// Something to lose in every protected place.
const std::vector<std::string> kPrecious = {
    "C:\\boot.ini",
    "C:\\WINDOWS\\win.ini",
    "C:\\WINDOWS\\System32\\kernel32.dll",
    "C:\\WINDOWS\\SysWOW64\\kernel32.dll",
    "C:\\Users\\user\\ntuser.dat",
    "C:\\Users\\other\\Documents\\letter.doc",
    "C:\\Program Files\\App\\app.exe",
    "C:\\Program Files (x86)\\App\\app.exe",
    "C:\\Kefelo\\konyvtarak.lst",
    "D:\\data.txt",
    "\\\\srv\\share\\x\\report.doc",
};

class ProtectedContainers : public cleaningtest::RunTest {
protected:
    ProtectedContainers() {
        sys.folders[SpecialFolder::ProgramFiles] = "C:\\Program Files";
        sys.folders[SpecialFolder::ProgramFilesX86] = "C:\\Program Files (x86)";
        sys.folders[SpecialFolder::SystemX86] = "C:\\WINDOWS\\SysWOW64";
        sys.folders[SpecialFolder::Profile] = "C:\\Users\\user";
        for (const std::string& file : kPrecious) fs.addFile(file, "x");
        fs.setShortName("C:\\Program Files", "PROGRA~1");
    }

    std::vector<std::string> lost() const {
        std::vector<std::string> out;
        for (const std::string& file : kPrecious)
            if (!fs.exists(file)) out.push_back(file);
        return out;
    }
    static std::string skipped(const std::string& path) {
        return "A(z) " + path + " könyvtár védett helyre mutat, ezért kimaradt az ürítésből!";
    }
    // The red line of a skipped row, whatever its reason.
    std::optional<std::string> skipLineOf(const std::string& path) const {
        for (const std::string& line : logLines()) {
            if (line.starts_with("A(z) " + path + " ") && line.ends_with(", ezért kimaradt az ürítésből!")) return line;
        }
        return std::nullopt;
    }
    bool logHas(const std::string& line) const {
        const auto lines = logLines();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
};

TEST_F(ProtectedContainers, TheProtectedPlacesWhatHoldsThemAndWhatLiesBelow) {
    for (const char* folder :
         {"C:\\WINDOWS\\Temp\\Sub", "C:\\WINDOWS\\Fonts", "C:\\WINDOWS\\System32\\config", "C:\\WINDOWS\\System32\\drivers",
          "C:\\WINDOWS\\WinSxS", "C:\\WINDOWS\\Profiles\\bob\\Desktop", "C:\\WINDOWS\\Profiles\\bob\\Cookies",
          "C:\\Users\\user\\Temp", "C:\\Users\\user\\Local Settings\\Temp", "C:\\Users\\user\\Desktop",
          "C:\\Users\\user\\Downloads", "C:\\Users\\user\\AppData\\Local\\Temp", "C:\\Users\\user\\AppData\\LocalLow",
          "C:\\Users\\user\\AppData\\Roaming\\App\\Cache", "C:\\Users\\other\\Documents\\Cache",
          "C:\\Users\\Default", "C:\\Program Files\\App\\Cache", "C:\\Tools\\Kefelo\\Zipped", "C:\\Tools2",
          "C:\\WINDOWSX", "D:\\Work", "D:\\Music"}) {
        fs.addDirectory(folder);
    }
    // The current user's music lives on another drive: the shell says so, not its name.
    sys.folders[SpecialFolder::MyMusic] = "D:\\Music";
    // The program in a folder of its own two levels down: the folder above holds it.
    const cleaning::ProtectedLocations guard(fs, sys, "C:\\Tools\\Kefelo\\");
    for (const char* path :
         {"C:\\WINDOWS", "C:\\WINDOWS\\System32", "C:\\WINDOWS\\SysWOW64", "C:\\WINDOWS\\Fonts",
          "C:\\WINDOWS\\System32\\config", "C:\\WINDOWS\\System32\\drivers", "C:\\WINDOWS\\WinSxS",
          "C:\\WINDOWS\\Profiles\\bob", "C:\\WINDOWS\\Profiles\\bob\\Desktop", "C:\\Users", "C:\\Users\\user",
          "C:\\Users\\other", "C:\\Users\\Default", "C:\\Users\\other\\Documents", "C:\\Users\\user\\Desktop",
          "C:\\Users\\user\\Downloads", "C:\\Users\\user\\AppData", "C:\\Users\\user\\AppData\\Local",
          "C:\\Users\\user\\AppData\\LocalLow", "C:\\Users\\user\\AppData\\Roaming", "D:\\Music",
          "C:\\Program Files", "C:\\PROGRA~1", "C:\\Program Files (x86)", "C:\\Tools\\Kefelo", "C:\\Tools"}) {
        EXPECT_EQ(guard.check(path), LocationVerdict::Protected) << path;
    }
    for (const char* path :
         {"C:\\WINDOWS\\Temp", "C:\\WINDOWS\\Temp\\Sub", "C:\\WINDOWS\\Profiles\\bob\\Cookies", "C:\\Users\\user\\Temp",
          "C:\\Users\\user\\Local Settings\\Temp", "C:\\Users\\user\\AppData\\Local\\Temp",
          "C:\\Users\\user\\AppData\\Roaming\\App\\Cache", "C:\\Users\\other\\Documents\\Cache",
          "C:\\Program Files\\App\\Cache", "C:\\Tools\\Kefelo\\Zipped", "C:\\Tools2", "C:\\WINDOWSX", "D:\\Work"}) {
        EXPECT_EQ(guard.check(path), LocationVerdict::Allowed) << path;
    }
    for (const char* path : {"", "Temp", "\\Temp", "C:Temp", "C:\\Temp\\*"}) {
        EXPECT_EQ(guard.check(path), LocationVerdict::NotFullPath) << path;
    }
    for (const char* path : {"C:\\", "D:\\", "d:", "\\\\srv\\share"}) {
        EXPECT_EQ(guard.check(path), LocationVerdict::DriveLocked) << path;
    }
    // The system stores inside the Windows directory are the program's own choice.
    fs.addDirectory("C:\\WINDOWS\\$NtUninstallKB1$");
    EXPECT_EQ(guard.check("C:\\WINDOWS\\$NtUninstallKB1$"), LocationVerdict::Protected);
    EXPECT_EQ(guard.check("C:\\WINDOWS\\$NtUninstallKB1$", {false, true}), LocationVerdict::Allowed);
    EXPECT_EQ(guard.check("C:\\WINDOWS\\System32", {false, true}), LocationVerdict::Protected);
}

// Every other name of a guarded folder leads to the same identity.
TEST_F(ProtectedContainers, ASecondNameALinkOrAShareIsTheSameFolder) {
    for (const char* folder : {"C:\\Temp", "C:\\Data\\x", "C:\\WINDOWS\\Fonts", "C:\\Users\\user\\Temp"}) {
        fs.addDirectory(folder);
    }
    fs.addDirectory("C:\\Data\\Sealed");
    fs.setIdentifiable("C:\\Data\\Sealed", false);
    fs.addLink("C:\\Temp\\lnk", "C:\\");
    fs.addLink("C:\\Documents and Settings", "C:\\Users");
    fs.addLink("C:\\Data\\x ", "C:\\WINDOWS");
    fs.addDriveAlias('Y', "C:\\");
    fs.addShareAlias("localhost\\C$", "C:\\");
    fs.addShareAlias("127.0.0.1\\c$", "C:\\");
    fs.addShareAlias("nas\\all", "C:\\");
    const cleaning::ProtectedLocations guard(fs, sys, dir);

    for (const char* path : {"Y:\\Kefelo", "y:\\windows\\fonts", "\\\\localhost\\C$\\WINDOWS", "\\\\localhost\\ADMIN$\\System32",
                             "\\\\127.0.0.1\\c$\\Users", "\\\\?\\UNC\\localhost\\C$\\Kefelo", "\\\\nas\\all\\Kefelo",
                             "\\\\nas\\all\\Users\\user"}) {
        EXPECT_EQ(guard.check(path), LocationVerdict::Protected) << path;
    }
    EXPECT_EQ(guard.check("C:\\Temp\\lnk\\WINDOWS"), LocationVerdict::Link);
    EXPECT_EQ(guard.check("C:\\Temp\\lnk\\Temp"), LocationVerdict::Link);
    EXPECT_EQ(guard.check("C:\\Documents and Settings\\user\\Temp"), LocationVerdict::Link);
    EXPECT_EQ(guard.check("C:\\Data\\Sealed"), LocationVerdict::Unidentified);
    // The trailing blank is trimmed for judging, but as written the line leads elsewhere.
    EXPECT_EQ(guard.check("C:\\Data\\x "), LocationVerdict::NamesOtherFolder);
    // The same temp folder by a second letter is still a temp folder, judged in its own form.
    const cleaning::LocationJudgement temp = guard.judge("y:/temp/");
    EXPECT_EQ(temp.verdict, LocationVerdict::Allowed);
    EXPECT_EQ(temp.location, "Y:\\Temp");
}

TEST_F(ProtectedContainers, AWholeDriveOnlyWhenUnlockedStoredAsTheChainStoresItAndHoldingNothingGuarded) {
    fs.addDirectory("D:\\RamTemp");
    fs.addDirectory("E:\\Tools\\Kefelo");
    fs.addDriveAlias('Y', "C:\\Users");
    const cleaning::LocationScope unlocked{true, false};
    const cleaning::ProtectedLocations guard(fs, sys, "E:\\Tools\\Kefelo\\");
    EXPECT_EQ(guard.check("D:", unlocked), LocationVerdict::Allowed);
    EXPECT_EQ(guard.judge("D:", unlocked).location, "D:\\");
    EXPECT_EQ(guard.check("D:"), LocationVerdict::DriveLocked);
    EXPECT_EQ(guard.check("D:\\", unlocked), LocationVerdict::DriveLocked);
    EXPECT_EQ(guard.check("C:", unlocked), LocationVerdict::DriveHoldsGuarded);
    EXPECT_EQ(guard.check("E:", unlocked), LocationVerdict::DriveHoldsGuarded);
    // A letter for a folder of the system drive is that drive.
    EXPECT_EQ(guard.check("Y:", unlocked), LocationVerdict::DriveHoldsGuarded);
}

class ProtectedSpelling : public ProtectedContainers, public ::testing::WithParamInterface<const char*> {};

TEST_P(ProtectedSpelling, IsLeftAloneWithARedLineAndStaysInTheList) {
    const std::string spelling = GetParam();
    addContainer(spelling);
    run->button_begincleanClick();

    EXPECT_EQ(lost(), std::vector<std::string>{});
    const std::optional<std::string> line = skipLineOf(spelling);
    ASSERT_TRUE(line) << spelling;
    EXPECT_EQ(colourOf(*line), cleaning::LogColour::Red);
    ASSERT_EQ(config.list_temps.rows.size(), 1u);
    EXPECT_EQ(config.list_temps.rows[0].path, spelling);
    EXPECT_EQ(config.list_temps.rows[0].mark, Mark::Active);
    EXPECT_FALSE(run->running());
}

INSTANTIATE_TEST_SUITE_P(
    EverySpelling, ProtectedSpelling,
    ::testing::Values("C:/", "C:\\\\", "C:\\.", "c:", "C:\\Temp\\..\\..", "\\\\?\\C:\\", "d:/", "\\\\srv\\share\\",
                      "\\\\?\\UNC\\srv\\share\\x\\..", "c:/WINDOWS", "C:\\windows\\SYSTEM32\\",
                      "C:\\WINDOWS\\SysWOW64\\.", "c:\\users", "C:\\USERS\\User\\", "C:\\Users\\other",
                      "c:/progra~1/", "C:\\Program Files (x86)", "c:\\KEFELO\\", "C:\\Kefelo\\Zipped\\.."));

TEST_F(ProtectedContainers, TheRunGoesOnAndTheTempFoldersBelowAreEmptied) {
    const std::vector<std::string> temps = {"C:\\WINDOWS\\Temp\\a.tmp", "C:\\Users\\user\\Temp\\b.tmp",
                                            "C:\\Users\\user\\Local Settings\\Temp\\c.tmp"};
    for (const std::string& file : temps) fs.addFile(file, "x");
    // Relative to whatever folder is current when the run starts.
    fs.addFile("C:\\Temp\\keep.tmp", "x");
    addContainer("C:\\");
    addContainer("Temp");
    addContainer("C:\\WINDOWS\\Temp");
    addContainer("c:/users/user/temp/");
    addContainer("C:\\Users\\user\\Local Settings\\Temp");

    run->button_begincleanClick();

    for (const std::string& file : temps) EXPECT_FALSE(fs.exists(file)) << file;
    EXPECT_TRUE(fs.exists("C:\\Temp\\keep.tmp"));
    EXPECT_EQ(lost(), std::vector<std::string>{});
    EXPECT_TRUE(logHas("A(z) C:\\ teljes meghajtó, amelynek ürítése nincs engedélyezve, ezért kimaradt az ürítésből!"));
    EXPECT_TRUE(logHas("A(z) Temp nem teljes elérési út, ezért kimaradt az ürítésből!"));
    EXPECT_TRUE(logHas("C:\\WINDOWS\\Temp ürítése kész."));
    EXPECT_TRUE(logHas("c:/users/user/temp/ ürítése kész."));
    EXPECT_EQ(config.list_temps.rows.size(), 5u);
    EXPECT_EQ(config.list_temps.rows[0].mark, Mark::Active);
}

}  // namespace

namespace {

// A hand-edited list: every other name for a guarded place, a relative task and a task
// through a link sit beside one normal container and one normal task.
TEST_F(ProtectedContainers, OnlyTheNormalLinesOfAHandEditedListAreEmptiedOrWalked) {
    fs.addFile("C:\\WINDOWS\\Fonts\\arial.ttf", "x");
    fs.addFile("C:\\WINDOWS\\System32\\config\\SYSTEM", "x");
    fs.addFile("C:\\WINDOWS\\System32\\setup.tmp", "x");
    fs.addFile("C:\\Data\\x\\plain.txt", "x");
    fs.addFile("C:\\Work\\Temp\\old.tmp", "x");
    fs.addFile("C:\\Work\\Project\\build.tmp", "x");
    fs.addFile("C:\\Work\\Project\\keep.txt", "x");
    fs.addDirectory("C:\\Temp");
    fs.addLink("C:\\Temp\\lnk", "C:\\");
    fs.addLink("C:\\Data\\x ", "C:\\WINDOWS");
    fs.addDriveAlias('Y', "C:\\");
    ASSERT_TRUE(fs.setCurrentDirectory("C:\\WINDOWS\\System32"));
    const std::vector<std::string> odd = {"Y:\\Kefelo", "C:\\Temp\\lnk\\WINDOWS", "C:\\WINDOWS\\Fonts",
                                          "C:\\WINDOWS\\System32\\config", "C:\\Users\\other\\Documents",
                                          "C:\\Data\\x "};
    for (const std::string& path : odd) addContainer(path);
    addContainer("C:\\Work\\Temp");
    addTask(".", "*.TMP");
    addTask("C:\\Temp\\lnk\\WINDOWS", "*.TMP");
    addTask("C:\\Work\\Project", "*.TMP");

    run->button_begincleanClick();

    EXPECT_EQ(lost(), std::vector<std::string>{});
    for (const char* kept : {"C:\\WINDOWS\\Fonts\\arial.ttf", "C:\\WINDOWS\\System32\\config\\SYSTEM",
                             "C:\\WINDOWS\\System32\\setup.tmp", "C:\\Data\\x\\plain.txt", "C:\\Work\\Project\\keep.txt"}) {
        EXPECT_TRUE(fs.exists(kept)) << kept;
    }
    EXPECT_FALSE(fs.exists("C:\\Work\\Temp\\old.tmp"));
    EXPECT_FALSE(fs.exists("C:\\Work\\Project\\build.tmp"));
    for (const std::string& path : odd) EXPECT_TRUE(skipLineOf(path)) << path;
    EXPECT_TRUE(logHas("A(z) . helyű feladat kimaradt, mert a hely nem teljes elérési út!"));
    EXPECT_TRUE(logHas("A(z) C:\\Temp\\lnk\\WINDOWS helyű feladat kimaradt, mert a hely útvonalában csatolási pont "
                       "vagy hivatkozás van!"));
    EXPECT_EQ(colourOf("helyű feladat kimaradt"), cleaning::LogColour::Red);
    EXPECT_FALSE(run->running());
    EXPECT_EQ(config.list_temps.rows.size(), odd.size() + 1);
    EXPECT_EQ(config.list_projects.rows.size(), 3u);
}

}  // namespace
