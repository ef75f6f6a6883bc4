// System facts and the clock. The Wine run uses a Hungarian locale; the fake defaults
// describe the same system.
#include <gtest/gtest.h>

#include "base/text/codec.h"
#include "platform/contract_env.h"

using namespace kefelo;

namespace {

class SystemContract : public ::testing::Test {
protected:
    std::unique_ptr<contract::ContractEnv> env = contract::makeContractEnv();
    platform::SystemInfo& sys = env->system();
    platform::FileSystem& fs = env->fs();
};

TEST_F(SystemContract, FoldersAreUsableAsTheProgramFormsPaths) {
    std::string windows = sys.windowsDirectory();
    ASSERT_GT(windows.size(), 2u);
    EXPECT_NE(windows.back(), '\\');
    EXPECT_TRUE(fs.directoryExists(windows));

    std::string temp = sys.tempPath();
    ASSERT_GT(temp.size(), 3u);
    EXPECT_EQ(temp[1], ':');
    EXPECT_EQ(temp.back(), '\\');

    std::string exe = sys.executablePath();
    EXPECT_TRUE(text::equalsNoCase(exe.substr(exe.size() - 4), ".exe")) << exe;
    EXPECT_TRUE(fs.fileExists(exe));
}

TEST_F(SystemContract, SpecialFoldersHaveFileSystemPathsExceptVirtualOnes) {
    auto recent = sys.specialFolder(platform::SpecialFolder::Recent);
    ASSERT_TRUE(recent);
    EXPECT_EQ((*recent)[1], ':');
    EXPECT_NE(recent->back(), '\\');
    // The Recycle Bin is a shell namespace folder with no path of its own.
    EXPECT_FALSE(sys.specialFolder(platform::SpecialFolder::BitBucket));
}

TEST_F(SystemContract, TheProfilesRootHoldsTheUsersFolders) {
    const std::optional<std::string> profiles = sys.profilesDirectory();
    ASSERT_TRUE(profiles);
    EXPECT_EQ((*profiles)[1], ':');
    EXPECT_NE(profiles->back(), '\\');
    EXPECT_TRUE(fs.directoryExists(*profiles));
    const std::optional<std::string> recent = sys.specialFolder(platform::SpecialFolder::Recent);
    ASSERT_TRUE(recent);
    EXPECT_EQ(text::lower(*recent).rfind(text::lower(*profiles) + "\\", 0), 0u) << *recent;
}

TEST_F(SystemContract, TheUsersOwnProgramsFolderLiesInTheUsersProfile) {
    const std::optional<std::string> own = sys.userProgramsDirectory();
    ASSERT_TRUE(own);
    EXPECT_EQ((*own)[1], ':');
    EXPECT_NE(own->back(), '\\');
    const std::optional<std::string> profiles = sys.profilesDirectory();
    ASSERT_TRUE(profiles);
    EXPECT_EQ(text::lower(*own).rfind(text::lower(*profiles) + "\\", 0), 0u) << *own;
    // The folder may not exist yet, but the one above it, the user's local data, does
    // wherever the system keeps one.
    if (const auto local = sys.specialFolder(platform::SpecialFolder::LocalAppData)) {
        EXPECT_EQ(text::lower(*own).rfind(text::lower(*local) + "\\", 0), 0u) << *own;
        EXPECT_TRUE(fs.directoryExists(*local));
    }
}

TEST_F(SystemContract, HungarianRegionalSettings) {
    EXPECT_EQ(sys.platformId(), 2);
    EXPECT_EQ(text::lower(sys.languageAbbreviation()), "hun");
    // Asked by kind, as the language questions do: 3 is the abbreviation.
    EXPECT_EQ(sys.localeInfo(3), sys.languageAbbreviation());
    EXPECT_EQ(sys.shortDateFormat(), "yyyy. MM. dd.");
    EXPECT_EQ(sys.decimalSeparator(), ",");
    std::string time = sys.longTimeFormat();
    EXPECT_NE(time.find("mm"), std::string::npos) << time;
    EXPECT_NE(time.find("ss"), std::string::npos) << time;
}

// The program runs from Windows 7 on; the delete at the next start is granted exactly to an
// administrator's process, and recording it leaves the file where it is until then.
TEST_F(SystemContract, TheVersionAndTheRightsTellWhatTheNextStartCanDo) {
    EXPECT_TRUE(sys.windowsVersion().atLeast(6, 1));
    const std::string file = env->root() + "\\next start.tmp";
    env->makeFile(file, "x");
    EXPECT_EQ(fs.deleteAtRestart(file), sys.isAdministrator());
    EXPECT_TRUE(fs.fileExists(file));
}

TEST_F(SystemContract, ClockGivesPlausibleLocalTime) {
    auto& clock = env->clock();
    double now = clock.now();
    EXPECT_GT(now, timeutil::toDateTime({2020, 1, 1}));
    EXPECT_LT(now, timeutil::toDateTime({2100, 1, 1}));
    uint64_t t1 = clock.tickMs();
    uint64_t t2 = clock.tickMs();
    EXPECT_LE(t1, t2);

    const int64_t utc = timeutil::toFileTime(timeutil::toDateTime({2026, 7, 1, 12}));
    int64_t offset = clock.utcToLocal(utc) - utc;
    const int64_t kMinute = 600'000'000;
    EXPECT_LE(std::abs(offset), 14 * 60 * kMinute);
    EXPECT_EQ(offset % (15 * kMinute), 0);
}

}  // namespace
