#include "core/app/directory_handover.h"

#include <gtest/gtest.h>

#include "core/app/program_texts.h"
#include "platform/fake/fake_file_system.h"

using namespace kefelo;
using app::CommandLine;
using platform::fake::FakeFileSystem;

class HandoverTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs.addDirectory("C:\\Kefelo\\Work Files");
        fs.setShortName("C:\\Kefelo\\Work Files", "WORKFI~1");
        fs.addDirectory("D:\\Long Folder Name\\Inner");
        fs.setShortName("D:\\Long Folder Name", "LONGFO~1");
        fs.addDirectory("C:\\Elsewhere");
        fs.setCurrentDirectory("C:\\Elsewhere");
    }
    FakeFileSystem fs;
    const std::string programDir = "C:\\Kefelo\\";
};

TEST_F(HandoverTest, PayloadIsSentOnlyForAnExistingDirectory) {
    EXPECT_EQ(app::buildHandoverPayload(fs, CommandLine({"D:\\LONGFO~1\\Inner", "x"})), "D:\\LONGFO~1\\Inner|");
    EXPECT_FALSE(app::buildHandoverPayload(fs, CommandLine({"D:\\Missing"})));
    EXPECT_FALSE(app::buildHandoverPayload(fs, CommandLine({"/a"})));
    EXPECT_FALSE(app::buildHandoverPayload(fs, CommandLine()));
}

TEST_F(HandoverTest, PathEndsAtTheFirstBarOrAtTheEndOfTheBytes) {
    EXPECT_EQ(app::handoverPathFromPayload("C:\\Temp|"), "C:\\Temp");
    EXPECT_EQ(app::handoverPathFromPayload("C:\\Temp|garbage|more"), "C:\\Temp");
    EXPECT_EQ(app::handoverPathFromPayload("C:\\Temp"), "C:\\Temp");
    EXPECT_EQ(app::handoverPathFromPayload(""), "");

    // The receiver is handed exactly cbData bytes: nothing beyond them is read.
    const char buffer[] = "C:\\Temp|";
    EXPECT_EQ(app::handoverPathFromPayload(std::string_view(buffer, 4)), "C:\\T");
}

TEST_F(HandoverTest, AbsolutePathIsExpandedAndTheCurrentDirectoryRestored) {
    auto path = app::receiveHandover(fs, programDir, "D:\\LONGFO~1\\Inner|", app::Activity::Idle);
    ASSERT_TRUE(path);
    EXPECT_EQ(*path, "D:\\Long Folder Name\\Inner");
    EXPECT_EQ(fs.currentDirectory(), "C:\\Elsewhere");
}

TEST_F(HandoverTest, RelativePathIsTakenFromTheProgramDirectory) {
    auto path = app::receiveHandover(fs, programDir, "WORKFI~1|", app::Activity::Idle);
    ASSERT_TRUE(path);
    EXPECT_EQ(*path, "C:\\Kefelo\\Work Files");
    EXPECT_EQ(fs.currentDirectory(), "C:\\Elsewhere");
}

TEST_F(HandoverTest, NetworkPathIsNotMadeRelative) {
    auto path = app::receiveHandover(fs, programDir, "\\\\server\\share\\dir|", app::Activity::Idle);
    ASSERT_TRUE(path);
    EXPECT_EQ(*path, "\\\\server\\share\\dir");
}

TEST_F(HandoverTest, UnknownPathIsPassedOnUnchanged) {
    auto path = app::receiveHandover(fs, programDir, "D:\\LONGFO~1\\Gone", app::Activity::Idle);
    ASSERT_TRUE(path);
    EXPECT_EQ(*path, "D:\\LONGFO~1\\Gone");
}

TEST_F(HandoverTest, BusyProgramDropsTheRequest) {
    for (app::Activity activity :
         {app::Activity::Cleaning, app::Activity::FileSearch, app::Activity::ContainerSearch}) {
        EXPECT_FALSE(app::receiveHandover(fs, programDir, "D:\\LONGFO~1\\Inner|", activity));
        EXPECT_EQ(fs.currentDirectory(), "C:\\Elsewhere");
    }
}

TEST(ProgramTexts, CaptionsCarryTheVersionAndWebAddress) {
    EXPECT_EQ(app::mainWindowCaption("3.2.1.0"),
              "Kefeló v3.2.1.0 - A merevlemezterület karbantartója  <http://kefelo.hu>");
    EXPECT_EQ(app::welcomeStatusText("1.0.0.0"),
              " Kefeló v1.0.0.0 - A merevlemezterület karbantartója  <http://kefelo.hu>");
    EXPECT_EQ(app::searchBalloonTitle("3.2.1.0"), "Kefeló(v3.2.1.0) program - Az állományok keresése folyamatban...");
    EXPECT_EQ(app::searchBalloonText("C:\\Temp"), "A keresés helye: C:\\Temp");
}

TEST(ProgramTexts, ProgramDirectoryHasOneTrailingBackslash) {
    EXPECT_EQ(app::programDirectoryOf("C:\\Program Files\\Kefelo\\kefelo.exe"), "C:\\Program Files\\Kefelo\\");
    EXPECT_EQ(app::programDirectoryOf("C:\\kefelo.exe"), "C:\\");
    EXPECT_EQ(app::programDirectoryOf("\\\\srv\\share\\kefelo.exe"), "\\\\srv\\share\\");
}
