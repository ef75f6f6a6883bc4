// The files of autodel.bat at the next start of the computer, through the real system:
// an administrator's registration is carried out by Wine's restart (wineboot -r), which
// deletes those files and nothing else; without those rights the per-user RunOnce value
// is read back and its command line run as the logon runs it.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cmd_runner.h"
#include "core/cleaning/autodel_operations.h"
#include "core/cleaning/cleaning_log.h"
#include "core/cleaning/undeletable_batch.h"
#include "platform/shell.h"
#include "platform/ui_services.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"

using namespace kefelo;
namespace fs = std::filesystem;
using platform::win32::widen;

namespace {

// Answers every question with Yes and keeps the texts.
class YesUi : public platform::UiServices {
public:
    std::vector<std::string> texts;
    platform::Answer message(platform::MessageKind, platform::Buttons, const std::string& text) override {
        texts.push_back(text);
        return platform::Answer::Yes;
    }
    std::optional<std::string> inputBox(const platform::InputBoxRequest&) override { return std::nullopt; }
    void pumpMessages() override {}
    bool inputPending() override { return false; }
    std::optional<std::string> chooseFolder(const std::string&, const std::string&) override { return std::nullopt; }
    std::optional<platform::SaveFileChoice> saveFileDialog(const std::string&, const std::vector<platform::FileFilter>&,
                                                           const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> openFileDialog(const std::string&, const std::string&) override { return std::nullopt; }
};

// Records the restart instead of doing it.
class NoRestartShell : public platform::Shell {
public:
    int restarts = 0;
    bool executeFile(const std::string&, const std::string&, const std::string&, bool) override { return true; }
    bool propertiesDialog(const std::string&) override { return true; }
    bool restartWindows(bool) override {
        ++restarts;
        return true;
    }
    platform::RecycleBinEmptying emptyRecycleBin() override { return platform::RecycleBinEmptying::Emptied; }
    std::vector<platform::Recycling> recycleFiles(const std::vector<std::string>& paths) override {
        return std::vector<platform::Recycling>(paths.size(), platform::Recycling::Refused);
    }
    bool openRecycleBin(bool) override { return true; }
    void formatFloppy() override {}
};

// The real system, but with the rights the test chooses.
class SystemWithRights : public platform::win32::Win32SystemInfo {
public:
    bool administrator = true;
    bool isAdministrator() override { return administrator; }
};

class AutodelNextStart : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        root_ = fs::path(temp) / (L"kefelo next start " + std::to_wstring(GetCurrentProcessId()));
        std::error_code ec;
        fs::remove_all(root_, ec);
        fs::create_directories(root_ / L"program & co");
        fs::create_directories(root_ / L"temp");
        dir_ = platform::win32::narrow((root_ / L"program & co").wstring()) + "\\";
        for (const wchar_t* name : {L"a 100%.tmp", L"árvíztűrő.tmp", L"keep.tmp", L"a"})
            std::ofstream(root_ / L"temp" / name) << "x";
    }
    void TearDown() override {
        registry_.deleteValue(platform::RegistryRoot::CurrentUser, std::string(cleaning::kRunOnceKey),
                              std::string(cleaning::kRunOnceValue));
        std::error_code ec;
        fs::remove_all(root_, ec);
    }
    std::string temp(const std::wstring& name) const {
        return platform::win32::narrow((root_ / L"temp" / name).wstring());
    }
    bool exists(const std::wstring& name) const { return fs::exists(root_ / L"temp" / name); }

    // A run that could not delete the two files has written autodel.bat; then the button.
    void registerTheTwoFiles() {
        cleaning::BatchText batch;
        cleaning::CleaningLog log;
        cleaning::AutodelOperations ops(
            cleaning::AutodelEnv{files_, system_, ui_, shell_, registry_, batch, log, dir_, [] { return false; }});
        ops.mBatKezd(1);
        // In the form a run writes them (the short one, where the volume has it).
        for (const wchar_t* name : {L"a 100%.tmp", L"árvíztűrő.tmp"}) {
            const std::optional<std::string> path = cleaning::batchPathOf(files_, temp(name), batch.charset());
            ASSERT_TRUE(path && batch.addDelete(*path));
        }
        ASSERT_TRUE(ops.mBatKezd(0));
        ops.setRunEnded();
        ops.registerForNextStart([] {}, false);
    }

    fs::path root_;
    std::string dir_;
    platform::win32::Win32FileSystem files_;
    platform::win32::Win32Registry registry_;
    SystemWithRights system_;
    YesUi ui_;
    NoRestartShell shell_;
};

TEST_F(AutodelNextStart, TheSystemsRestartDeletesTheRegisteredFilesAndNothingElse) {
    registerTheTwoFiles();
    ASSERT_EQ(ui_.texts.size(), 1u);
    EXPECT_NE(ui_.texts[0].find("(2 db)"), std::string::npos) << ui_.texts[0];
    EXPECT_EQ(shell_.restarts, 1);
    EXPECT_TRUE(exists(L"a 100%.tmp"));

    const std::string printed = cmdtest::runCmd(root_, L"wineboot.exe -r");
    EXPECT_FALSE(exists(L"a 100%.tmp")) << printed;
    EXPECT_FALSE(exists(L"árvíztűrő.tmp")) << printed;
    EXPECT_TRUE(exists(L"keep.tmp"));
    EXPECT_TRUE(exists(L"a"));
    EXPECT_TRUE(fs::exists(widen(dir_ + "autodel.bat")));
}

TEST_F(AutodelNextStart, WithoutRightsTheLogonRunsTheBatch) {
    system_.administrator = false;
    registerTheTwoFiles();
    ASSERT_EQ(ui_.texts.size(), 1u);
    const std::optional<std::string> command = registry_.readString(
        platform::RegistryRoot::CurrentUser, std::string(cleaning::kRunOnceKey), std::string(cleaning::kRunOnceValue));
    ASSERT_TRUE(command);
    EXPECT_EQ(*command, "\"" + dir_ + "autodel.bat\"");
    EXPECT_TRUE(exists(L"a 100%.tmp"));

    // As the logon starts it: the command line as written, from no particular folder.
    const std::string printed = cmdtest::runCmd(root_, widen(*command));
    EXPECT_FALSE(exists(L"a 100%.tmp")) << printed;
    EXPECT_FALSE(exists(L"árvíztűrő.tmp")) << printed;
    EXPECT_TRUE(exists(L"keep.tmp"));
    EXPECT_TRUE(exists(L"a"));
}

}  // namespace
