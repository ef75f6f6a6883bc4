// Containers that point at a drive, the system, the profiles, the installed programs or
// this program itself are never emptied, however the list spells them; the standard
// temporary folders below them still are.
#include "core/cleaning/protected_locations.h"

#include <gtest/gtest.h>

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
    bool logHas(const std::string& line) const {
        const auto lines = logLines();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
};

TEST_F(ProtectedContainers, TheProtectedRootsAndWhatHoldsThem) {
    // The program in a folder of its own two levels down: the folder above holds it.
    const cleaning::ProtectedLocations guard(fs, sys, "C:\\Tools\\Kefelo\\");
    for (const char* path :
         {"C:\\", "D:\\", "\\\\srv\\share", "C:\\WINDOWS", "C:\\WINDOWS\\System32", "C:\\WINDOWS\\SysWOW64", "C:\\Users",
          "C:\\Users\\user", "C:\\Users\\other", "C:\\Users\\Default", "C:\\Program Files", "C:\\PROGRA~1",
          "C:\\Program Files (x86)", "C:\\Tools\\Kefelo", "C:\\Tools", "C:\\WINDOWS\\Profiles\\bob"}) {
        EXPECT_EQ(guard.check(path), LocationVerdict::Protected) << path;
    }
    for (const char* path : {"C:\\WINDOWS\\Temp", "C:\\Users\\user\\Temp", "C:\\Users\\user\\Local Settings\\Temp",
                             "C:\\Users\\other\\Documents\\Cache", "C:\\Program Files\\App\\Cache",
                             "C:\\Tools\\Kefelo\\Zipped", "C:\\Tools2", "C:\\WINDOWSX", "D:\\Work"}) {
        EXPECT_EQ(guard.check(path), LocationVerdict::Allowed) << path;
    }
    for (const char* path : {"", "Temp", "\\Temp", "C:Temp", "C:\\Temp\\*"}) {
        EXPECT_EQ(guard.check(path), LocationVerdict::NotFullPath) << path;
    }
    // A junction may lead to any of the above whatever its own name.
    fs.addDirectory("D:\\Cache", platform::attr::kDirectory | platform::attr::kReparsePoint);
    EXPECT_EQ(guard.check("D:\\Cache"), LocationVerdict::Protected);
}

class ProtectedSpelling : public ProtectedContainers, public ::testing::WithParamInterface<const char*> {};

TEST_P(ProtectedSpelling, IsLeftAloneWithARedLineAndStaysInTheList) {
    const std::string spelling = GetParam();
    addContainer(spelling);
    run->button_begincleanClick();

    EXPECT_EQ(lost(), std::vector<std::string>{});
    EXPECT_TRUE(logHas(skipped(spelling))) << spelling;
    EXPECT_EQ(colourOf(skipped(spelling)), cleaning::LogColour::Red);
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
    EXPECT_TRUE(logHas(skipped("C:\\")));
    EXPECT_TRUE(logHas("A(z) Temp nem teljes elérési út, ezért kimaradt az ürítésből!"));
    EXPECT_TRUE(logHas("C:\\WINDOWS\\Temp ürítése kész."));
    EXPECT_TRUE(logHas("c:/users/user/temp/ ürítése kész."));
    EXPECT_EQ(config.list_temps.rows.size(), 5u);
    EXPECT_EQ(config.list_temps.rows[0].mark, Mark::Active);
}

}  // namespace
