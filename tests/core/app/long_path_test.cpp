#include "core/app/long_path.h"

#include <gtest/gtest.h>

#include "core/app/writability.h"
#include "platform/fake/fake_file_system.h"

using namespace kefelo;
using platform::fake::FakeFileSystem;

class ExpandLongPathTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs.addDirectory("C:\\Program Files\\Temporary Internet Files");
        fs.addFile("C:\\Program Files\\Temporary Internet Files\\index.dat");
        fs.setShortName("C:\\Program Files", "PROGRA~1");
        fs.setShortName("C:\\Program Files\\Temporary Internet Files", "TEMP~HGY");
    }
    FakeFileSystem fs;
};

TEST_F(ExpandLongPathTest, EveryShortComponentBecomesItsLongName) {
    EXPECT_EQ(app::ExpandLongPath(fs, "C:\\PROGRA~1\\TEMP~HGY"), "C:\\Program Files\\Temporary Internet Files");
    EXPECT_EQ(app::ExpandLongPath(fs, "C:\\progra~1\\temp~hgy\\INDEX.DAT"),
              "C:\\Program Files\\Temporary Internet Files\\index.dat");
    EXPECT_EQ(app::ExpandLongPath(fs, "C:\\PROGRA~1"), "C:\\Program Files");
}

TEST_F(ExpandLongPathTest, TheDriveIsKeptAsGiven) {
    EXPECT_EQ(app::ExpandLongPath(fs, "c:\\PROGRA~1"), "c:\\Program Files");
}

TEST_F(ExpandLongPathTest, AMissingPathComesBackUnchanged) {
    EXPECT_EQ(app::ExpandLongPath(fs, "C:\\PROGRA~1\\nothing"), "C:\\PROGRA~1\\nothing");
    EXPECT_EQ(app::ExpandLongPath(fs, "D:\\x"), "D:\\x");
    // A trailing separator names no directory entry.
    EXPECT_EQ(app::ExpandLongPath(fs, "C:\\PROGRA~1\\"), "C:\\PROGRA~1\\");
}

TEST_F(ExpandLongPathTest, RelativePathsStayRelative) {
    fs.setCurrentDirectory("C:\\Program Files");
    EXPECT_EQ(app::ExpandLongPath(fs, "TEMP~HGY"), "Temporary Internet Files");
    EXPECT_EQ(app::ExpandLongPath(fs, "TEMP~HGY\\INDEX.DAT"), "Temporary Internet Files\\index.dat");
}

TEST(Writability, ProbeFileIsWrittenAndRemoved) {
    FakeFileSystem fs;
    fs.addDirectory("C:\\Kefelo");
    EXPECT_TRUE(app::isProgramDirectoryWritable(fs, "C:\\Kefelo\\"));
    EXPECT_TRUE(app::isProgramDirectoryWritable(fs, "C:\\Kefelo"));
    EXPECT_FALSE(fs.exists("C:\\Kefelo\\a.789"));

    // A leftover probe is removed first.
    fs.addFile("C:\\Kefelo\\a.789", "old");
    EXPECT_TRUE(app::isProgramDirectoryWritable(fs, "C:\\Kefelo\\"));
    EXPECT_FALSE(fs.exists("C:\\Kefelo\\a.789"));
}

TEST(Writability, RefusedCreationOrLockedLeftoverFails) {
    FakeFileSystem fs;
    fs.addDirectory("C:\\Locked");
    fs.setWritable("C:\\Locked", false);
    EXPECT_FALSE(app::isProgramDirectoryWritable(fs, "C:\\Locked\\"));

    fs.addDirectory("C:\\Kefelo");
    fs.addFile("C:\\Kefelo\\a.789", "1\r\n");
    fs.setLocked("C:\\Kefelo\\a.789", true);
    EXPECT_FALSE(app::isProgramDirectoryWritable(fs, "C:\\Kefelo\\"));
    EXPECT_TRUE(fs.exists("C:\\Kefelo\\a.789"));
}

// A file system that records what the probe writes, to check the content.
class RecordingFileSystem : public FakeFileSystem {
public:
    bool writeFileAtomic(const std::string& path, const std::string& bytes) override {
        written = bytes;
        return FakeFileSystem::writeFileAtomic(path, bytes);
    }
    std::string written;
};

TEST(Writability, ProbeHoldsTheSingleLineOne) {
    RecordingFileSystem fs;
    fs.addDirectory("C:\\Kefelo");
    ASSERT_TRUE(app::isProgramDirectoryWritable(fs, "C:\\Kefelo\\"));
    EXPECT_EQ(fs.written, "1\r\n");
}
