// The generated update.bat run by the real command interpreter with delayed expansion on
// (as a registry setting can make it for every cmd), started from another folder as the
// shell starts it: it puts new.exe in place of exactly the program's executable, whatever
// the name holds, leaves everything else alone and gives the console its code page back.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cmd_runner.h"
#include "core/maintenance/update_rules.h"

using namespace kefelo;
namespace fs = std::filesystem;

namespace {

class UpdateBatch : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        root_ = fs::path(temp) / (L"kefelo update " + std::to_wstring(GetCurrentProcessId()));
        dir_ = root_ / L"program & co!";
        std::error_code ec;
        fs::remove_all(root_, ec);
        fs::create_directories(dir_);
        // A small program that ends at once, whatever its arguments, as the new version.
        wchar_t system[MAX_PATH];
        GetSystemDirectoryW(system, MAX_PATH);
        fs::copy_file(fs::path(system) / L"hostname.exe", dir_ / L"new.exe");
        newSize_ = fs::file_size(dir_ / L"new.exe");
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(root_, ec);
    }
    void put(const std::wstring& name) { std::ofstream(dir_ / name) << "old"; }
    // The script for this executable, run as the shell runs it; what cmd printed.
    std::string update(const std::string& executable) {
        const auto lines = maintenance::updateBatchLines(executable);
        if (!lines) return "no script";
        cmdtest::writeBatch(dir_ / L"update.bat", *lines);
        return cmdtest::runCmd(root_, L"cmd.exe /v:on /c \"\"" + (dir_ / L"update.bat").wstring() + L"\" & chcp\"");
    }
    // The file's size; none when it is missing.
    uintmax_t size(const std::wstring& name) {
        std::error_code ec;
        const uintmax_t bytes = fs::file_size(dir_ / name, ec);
        return ec ? 0 : bytes;
    }
    bool replaced(const std::wstring& name) { return size(name) == newSize_ && !fs::exists(dir_ / L"new.exe"); }

    fs::path root_, dir_;
    uintmax_t newSize_ = 0;
};

TEST_F(UpdateBatch, ReplacesExactlyTheProgramWhateverItsNameHolds) {
    const std::wstring program = L"kefelo 100% & co!x!.exe";
    // What the name would become with delayed expansion, or with "%" or "&" as syntax.
    const std::vector<std::wstring> bystanders = {L"kefelo 100% & co.exe", L"kefelo 100", L"co!x!.exe"};
    put(program);
    for (const std::wstring& name : bystanders) put(name);
    const unsigned found = cmdtest::foundCodePage(root_);

    const std::string printed = update("kefelo 100% & co!x!.exe");

    EXPECT_TRUE(replaced(program)) << printed;
    for (const std::wstring& name : bystanders) {
        EXPECT_EQ(size(name), 3u) << fs::path(name).string() << "\n" << printed;
    }
    EXPECT_EQ(cmdtest::lastCodePage(printed), found) << printed;
}

TEST_F(UpdateBatch, AnAccentedNameIsReadAsWritten) {
    if (!cmdtest::readsLinesAfterTheSwitchAsWritten(root_)) {
        GTEST_SKIP() << "this cmd reads every batch line in the OEM code page, whatever chcp set";
    }
    const std::wstring program = L"Kefel\u00f3 \u00e1r.exe";
    put(program);
    put(L"Kefelo ar.exe");

    const std::string printed = update("Kefeló ár.exe");

    EXPECT_TRUE(replaced(program)) << printed;
    EXPECT_EQ(size(L"Kefelo ar.exe"), 3u);
    // Nothing under a misread name.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 3);
}

}  // namespace
