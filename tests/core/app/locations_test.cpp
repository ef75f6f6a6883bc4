// The one spelling of a location that every safeguard compares.
#include "core/app/locations.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_file_system.h"

using namespace kefelo;
using app::NormalPath;

namespace {

TEST(NormalPath, EverySpellingOfAFolderComesOutTheSame) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        // A drive root in any spelling keeps its backslash.
        {"C:/", "C:\\"},
        {"C:\\\\", "C:\\"},
        {"C:\\.", "C:\\"},
        {"c:", "C:\\"},
        {"C:\\Temp\\..\\..", "C:\\"},
        {"C:\\..\\..\\Windows\\..", "C:\\"},
        {"\\\\?\\C:\\", "C:\\"},
        {"//?/c:/", "C:\\"},
        {"\\\\.\\C:\\Temp", "C:\\Temp"},
        // Separators, dots, trailing separators, dots and blanks.
        {"c:/WINDOWS", "C:\\WINDOWS"},
        {"C:\\WINDOWS\\", "C:\\WINDOWS"},
        {"C:\\\\WINDOWS//System32\\\\", "C:\\WINDOWS\\System32"},
        {"C:\\WINDOWS\\.\\Temp\\..\\Temp", "C:\\WINDOWS\\Temp"},
        {"C:\\WINDOWS.\\Temp. .", "C:\\WINDOWS\\Temp"},
        {"C:\\Temp\\..\\Kefeló próba", "C:\\Kefeló próba"},
        // Network shares: the share is the root, ".." stops there.
        {"\\\\srv\\share\\", "\\\\srv\\share"},
        {"\\\\?\\UNC\\srv\\share\\x\\..", "\\\\srv\\share"},
        {"\\\\?\\unc\\srv\\share\\x\\..\\..\\y", "\\\\srv\\share\\y"},
        {"//srv//share/a/", "\\\\srv\\share\\a"},
    };
    for (const auto& [given, normal] : cases) {
        EXPECT_EQ(NormalPath(given), normal) << given;
        EXPECT_EQ(NormalPath(normal), normal) << "not stable: " << normal;
    }
}

TEST(NormalPath, RelativeAndOddPathsAreNoLocation) {
    for (const char* text : {"", "Temp", "\\Temp", "/", ".", "..\\x", "C:Temp", "C:..", "1:\\", "\\\\srv", "\\\\srv\\",
                             "\\\\srv\\..\\x", "\\\\?\\Volume{1234}\\", "\\\\.\\PhysicalDrive0", "\\\\?\\UNC\\srv",
                             "C:\\Windows::$INDEX_ALLOCATION", "C:\\Temp\\*.*", "C:\\a\"b", "C:\\...", "C:\\x\\.. \\y",
                             "C:\\tab\there"}) {
        EXPECT_EQ(NormalPath(text), std::nullopt) << text;
    }
}

TEST(NormalPath, RootsAndParents) {
    for (const char* root : {"C:\\", "\\\\srv\\share"}) EXPECT_TRUE(app::IsRootLocation(root)) << root;
    for (const char* folder : {"C:\\Temp", "\\\\srv\\share\\x"}) EXPECT_FALSE(app::IsRootLocation(folder)) << folder;
    EXPECT_EQ(app::ParentLocation("C:\\Temp"), "C:\\");
    EXPECT_EQ(app::ParentLocation("C:\\Users\\bob"), "C:\\Users");
    EXPECT_EQ(app::ParentLocation("\\\\srv\\share\\x"), "\\\\srv\\share");
    EXPECT_EQ(app::ParentLocation("C:\\"), "");
    EXPECT_EQ(app::ParentLocation("\\\\srv\\share"), "");
}

TEST(NormalPath, ComparisonsIgnoreLetterCaseAccentsIncluded) {
    EXPECT_TRUE(app::SameLocation("C:\\ÁRVÍZTŰRŐ TÜKÖRFÚRÓGÉP", "c:\\árvíztűrő tükörfúrógép"));
    EXPECT_TRUE(app::SameLocation("C:\\ÀÇÈÑØ\\ŁŚŹŻ", "c:\\àçèñø\\łśźż"));
    EXPECT_FALSE(app::SameLocation("C:\\Tér", "C:\\Ter"));

    EXPECT_TRUE(app::IsWithinLocation("C:\\WINDOWS\\Temp", "c:\\windows"));
    EXPECT_TRUE(app::IsWithinLocation("C:\\WINDOWS", "C:\\WINDOWS"));
    EXPECT_TRUE(app::IsWithinLocation("C:\\WINDOWS", "C:\\"));
    EXPECT_TRUE(app::IsWithinLocation("\\\\SRV\\Share\\x", "\\\\srv\\share"));
    // Whole names only: a longer name beside it is not inside.
    EXPECT_FALSE(app::IsWithinLocation("C:\\WINDOWSX", "C:\\WINDOWS"));
    EXPECT_FALSE(app::IsWithinLocation("C:\\WINDOWS", "C:\\WINDOWS\\Temp"));
    EXPECT_FALSE(app::IsWithinLocation("D:\\WINDOWS", "C:\\"));
}

TEST(NormalLocation, ShortNamesOfExistingFoldersBecomeLongOnes) {
    platform::fake::FakeFileSystem fs;
    fs.addDirectory("C:\\Program Files\\Common Files");
    fs.setShortName("C:\\Program Files", "PROGRA~1");
    fs.setShortName("C:\\Program Files\\Common Files", "COMMON~1");
    EXPECT_EQ(app::NormalLocation(fs, "c:/progra~1/COMMON~1/"), "C:\\Program Files\\Common Files");
    EXPECT_EQ(app::NormalLocation(fs, "\\\\?\\C:\\PROGRA~1"), "C:\\Program Files");
    // A folder that is not there keeps its spelling.
    EXPECT_EQ(app::NormalLocation(fs, "C:\\PROGRA~1\\nothing\\"), "C:\\PROGRA~1\\nothing");
    EXPECT_EQ(app::NormalLocation(fs, "PROGRA~1"), std::nullopt);

    EXPECT_TRUE(app::SameFolder(fs, "C:\\PROGRA~1", "c:/program files/."));
    EXPECT_FALSE(app::SameFolder(fs, "C:\\PROGRA~1", "C:\\Program"));
    // Texts that are no location are only equal to themselves.
    EXPECT_TRUE(app::SameFolder(fs, "Temp", "TEMP"));
    EXPECT_FALSE(app::SameFolder(fs, "Temp", "C:\\Temp"));
}

}  // namespace
