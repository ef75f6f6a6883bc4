// The fake's own knobs, which core tests lean on and which have no Win32 counterpart to
// compare with (a Wine prefix runs as root and ignores folder permissions). The Win32
// build compiles this file empty.
#ifndef _WIN32
#include <gtest/gtest.h>

#include "platform/fake/fake_file_system.h"

using namespace kefelo::platform;
using fake::FakeFileSystem;

namespace {

std::vector<std::string> listNames(FileSystem& fs, const std::string& pattern) {
    std::vector<std::string> names;
    auto listing = fs.list(pattern);
    DirEntry e;
    while (listing && listing->next(e)) names.push_back(e.name);
    return names;
}

TEST(FakeKnobs, ListingKeepsInsertionOrderAndMovedEntriesGoLast) {
    FakeFileSystem fs;
    fs.addFile("C:\\T\\zeta.tmp");
    fs.addDirectory("C:\\T\\Alpha");
    fs.addFile("C:\\T\\beta.tmp");
    EXPECT_EQ(listNames(fs, "C:\\T\\*.*"), (std::vector<std::string>{".", "..", "zeta.tmp", "Alpha", "beta.tmp"}));
    ASSERT_TRUE(fs.moveFile("C:\\T\\zeta.tmp", "C:\\T\\Zeta2.tmp"));
    EXPECT_EQ(fs.namesIn("c:\\t"), (std::vector<std::string>{"Alpha", "beta.tmp", "Zeta2.tmp"}));
    EXPECT_EQ(listNames(fs, "C:\\*.*"), std::vector<std::string>{"T"});
    EXPECT_EQ(fs.listCalls(), 2);
}

TEST(FakeKnobs, ListingIsASnapshotThatSurvivesDeletes) {
    FakeFileSystem fs;
    for (const char* name : {"a", "b", "c"}) fs.addFile(std::string("C:\\T\\") + name);
    auto listing = fs.list("C:\\T\\*");
    DirEntry e;
    std::vector<std::string> seen;
    while (listing->next(e)) {
        seen.push_back(e.name);
        if (e.name == "a") {
            ASSERT_TRUE(fs.deleteFile("C:\\T\\a"));
            ASSERT_TRUE(fs.deleteFile("C:\\T\\b"));
        }
    }
    EXPECT_EQ(seen, (std::vector<std::string>{".", "..", "a", "b", "c"}));
    EXPECT_EQ(fs.namesIn("C:\\T"), std::vector<std::string>{"c"});
}

TEST(FakeKnobs, UnwritableFolderRefusesChangesInsideButNotReads) {
    FakeFileSystem fs;
    fs.addFile("C:\\P\\konyvtarak.lst", "x");
    fs.addFile("C:\\other.txt", "o");
    fs.setWritable("C:\\P", false);
    EXPECT_FALSE(fs.writeFileAtomic("C:\\P\\a.789", "1"));
    EXPECT_EQ(fs.lastError(), 5u);
    EXPECT_FALSE(fs.writeFileAtomic("C:\\P\\konyvtarak.lst", "y"));
    EXPECT_FALSE(fs.deleteFile("C:\\P\\konyvtarak.lst"));
    EXPECT_FALSE(fs.createDirectory("C:\\P\\sub"));
    EXPECT_FALSE(fs.copyFile("C:\\other.txt", "C:\\P\\other.txt", false));
    EXPECT_FALSE(fs.moveFile("C:\\other.txt", "C:\\P\\other.txt"));
    EXPECT_FALSE(fs.moveFile("C:\\P\\konyvtarak.lst", "C:\\k.lst"));
    EXPECT_EQ(fs.lastError(), 5u);
    EXPECT_EQ(fs.readFile("C:\\P\\konyvtarak.lst"), "x");
    EXPECT_TRUE(fs.setAttributes("C:\\P\\konyvtarak.lst", attr::kReadOnly));
    EXPECT_EQ(fs.namesIn("C:\\P"), std::vector<std::string>{"konyvtarak.lst"});
}

TEST(FakeKnobs, UnlistableFolderCanStillBeFoundAndEntered) {
    FakeFileSystem fs;
    fs.addFile("C:\\Secret\\inner.txt", "in");
    fs.setListable("C:\\Secret", false);
    EXPECT_EQ(fs.list("C:\\Secret\\*.*"), nullptr);
    EXPECT_EQ(fs.lastError(), 5u);
    EXPECT_TRUE(fs.find("C:\\Secret"));
    EXPECT_EQ(fs.readFile("C:\\Secret\\inner.txt"), "in");
}

TEST(FakeKnobs, DrivesReportWhatWasAddedAndDefaultsOtherwise) {
    FakeFileSystem fs;
    fs.addFile("C:\\x.txt");
    fs.addDrive('e', DriveType::CdRom, {0, 700'000'000, 0}, "LEMEZ");
    EXPECT_EQ(fs.logicalDrives(), (1u << 2) | (1u << 4));
    EXPECT_EQ(fs.driveType("E:\\"), DriveType::CdRom);
    EXPECT_EQ(fs.driveType("C:\\"), DriveType::Fixed);
    EXPECT_EQ(fs.driveType("Q:\\"), DriveType::NoRootDir);
    EXPECT_EQ(fs.diskSpace("E:\\")->total, 700'000'000u);
    EXPECT_EQ(fs.volumeLabel("e:"), "LEMEZ");
    EXPECT_FALSE(fs.diskSpace("Q:\\"));
    EXPECT_TRUE(fs.directoryExists("E:\\"));
}

TEST(FakeKnobs, SizedFilesReportSizeWithoutHoldingBytes) {
    FakeFileSystem fs;
    fs.addFileOfSize("C:\\small.bin", 4);
    fs.addFileOfSize("C:\\huge.iso", 5'000'000'000ull);
    EXPECT_EQ(fs.readFile("C:\\small.bin"), std::string(4, '\0'));
    EXPECT_FALSE(fs.readFile("C:\\huge.iso"));
    EXPECT_EQ(fs.lastError(), 8u);
    ASSERT_TRUE(fs.copyFile("C:\\huge.iso", "C:\\copy.iso", true));
    EXPECT_EQ(fs.find("C:\\copy.iso")->size, 5'000'000'000ull);
}

TEST(FakeKnobs, RelativeAndDriveRelativePathsFollowTheCurrentFolder) {
    FakeFileSystem fs;
    fs.addFile("C:\\Work\\a.txt", "a");
    fs.addFile("D:\\b.txt", "b");
    ASSERT_TRUE(fs.setCurrentDirectory("c:\\work"));
    EXPECT_EQ(fs.currentDirectory(), "c:\\work");
    EXPECT_EQ(fs.readFile("a.txt"), "a");
    EXPECT_EQ(fs.readFile("C:a.txt"), "a");
    EXPECT_EQ(fs.readFile(".\\..\\Work\\.\\a.txt"), "a");
    EXPECT_EQ(fs.readFile("D:b.txt"), "b");  // another drive: its root
    EXPECT_EQ(fs.readFile("\\Work\\a.txt"), "a");
    EXPECT_EQ(fs.readFile("C:/Work/a.txt"), "a");
}

TEST(FakeKnobs, ShortNamesResolveAndFollowRenames) {
    FakeFileSystem fs;
    fs.addFile("C:\\Program Files\\Kefeló\\kefelo.exe");
    fs.setShortName("C:\\Program Files", "PROGRA~1");
    EXPECT_TRUE(fs.fileExists("C:\\progra~1\\Kefeló\\kefelo.exe"));
    EXPECT_EQ(fs.shortPath("C:\\Program Files\\Kefeló\\"), "C:\\PROGRA~1\\Kefeló\\");
    EXPECT_EQ(fs.shortPath("C:\\"), "C:\\");
    ASSERT_TRUE(fs.moveFile("C:\\Program Files", "C:\\Programs"));
    EXPECT_FALSE(fs.directoryExists("C:\\PROGRA~1"));
    EXPECT_EQ(fs.shortPath("C:\\Programs"), "C:\\Programs");
}

TEST(FakeKnobs, BuildersRejectContradictoryTrees) {
    FakeFileSystem fs;
    fs.addFile("C:\\f");
    EXPECT_THROW(fs.addFile("C:\\f\\g"), std::invalid_argument);
    EXPECT_THROW(fs.addDirectory("C:\\F"), std::invalid_argument);
    EXPECT_THROW(fs.setLocked("C:\\missing", true), std::invalid_argument);
}

TEST(FakeKnobs, ReadOnlyFolderCannotBeRemovedAsOnWindows) {
    FakeFileSystem fs;
    fs.addDirectory("C:\\ro", attr::kDirectory | attr::kReadOnly);
    EXPECT_FALSE(fs.removeDirectory("C:\\ro"));
    EXPECT_EQ(fs.lastError(), 5u);
    ASSERT_TRUE(fs.setAttributes("C:\\ro", 0));
    EXPECT_TRUE(fs.removeDirectory("C:\\ro"));
}

}  // namespace
#endif
