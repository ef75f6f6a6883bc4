// The generated update.bat run by the real command interpreter, started from another
// folder that holds files of the same names, with delayed expansion on (as a registry
// setting can make it for every cmd): it puts new.exe in place of exactly the program's
// executable and starts it, and when a step fails the old program stays and is started;
// the other folder is never touched, and the console gets its code page back.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "cmd_runner.h"
#include "core/maintenance/update_rules.h"

using namespace kefelo;
namespace fs = std::filesystem;

namespace {

// A copy of this test program started by the script stands in for the program: it notes
// its own size and arguments beside itself and ends at once.
constexpr const wchar_t* kStandInVariable = L"KEFELO_UPDATE_STAND_IN";
[[maybe_unused]] const bool standInStarted = [] {
    if (GetEnvironmentVariableW(kStandInVariable, nullptr, 0) == 0) return false;
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::error_code ec;
    const uintmax_t size = fs::file_size(self, ec);
    std::wstring arguments;
    int count = 0;
    if (wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 1; i < count; ++i) arguments += L" " + std::wstring(argv[i]);
        LocalFree(argv);
    }
    std::ofstream(fs::path(self).parent_path() / L"started.txt", std::ios::app)
        << size << platform::win32::narrow(arguments) << "\n";
    ExitProcess(0);
}();

class UpdateBatch : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        root_ = fs::path(temp) / (L"kefelo update " + std::to_wstring(GetCurrentProcessId()));
        dir_ = root_ / L"Kefel\u00f3 100% & co!";
        other_ = root_ / L"m\u00e1shol";
        std::error_code ec;
        fs::remove_all(root_, ec);
        fs::create_directories(dir_);
        fs::create_directories(other_);
        wchar_t self[MAX_PATH];
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        self_ = self;
        fs::copy_file(self_, dir_ / L"new.exe");
        std::ofstream(dir_ / L"new.exe", std::ios::binary | std::ios::app) << "NEW BUILD";
        newSize_ = fs::file_size(dir_ / L"new.exe");
        oldSize_ = fs::file_size(self_);
        SetEnvironmentVariableW(kStandInVariable, L"1");
    }
    void TearDown() override {
        SetEnvironmentVariableW(kStandInVariable, nullptr);
        std::error_code ec;
        fs::remove_all(root_, ec);
    }
    // The program under `name`, and files of the same names in the other folder.
    void install(const std::wstring& name) {
        fs::copy_file(self_, dir_ / name);
        for (const std::wstring& file : {name, std::wstring(L"new.exe"), std::wstring(L"update.old")}) {
            std::ofstream(other_ / file) << "old";
        }
    }
    bool write(const std::wstring& executable, const fs::path& where, int tries = maintenance::kBatchDeleteTries) {
        const auto program = cmdtest::batchProgramIn(dir_, executable);
        const auto lines = program ? maintenance::updateBatchLines(*program, tries) : std::nullopt;
        if (!lines) return false;
        cmdtest::writeBatch(where / L"update.bat", *lines);
        return true;
    }
    // The script in `where`, run as the shell runs it, from the other folder; what cmd printed.
    std::string run(const fs::path& where = {}) {
        const fs::path script = (where.empty() ? dir_ : where) / L"update.bat";
        return cmdtest::runCmd(other_, L"cmd.exe /v:on /c \"\"" + script.wstring() + L"\" & chcp\"");
    }
    uintmax_t size(const fs::path& file) {
        std::error_code ec;
        const uintmax_t bytes = fs::file_size(file, ec);
        return ec ? 0 : bytes;
    }
    // What the started copies noted, once one of them did (or after ten seconds).
    std::string started() {
        for (int i = 0; i < 100 && !fs::exists(dir_ / L"started.txt"); ++i) Sleep(100);
        Sleep(200);
        std::ifstream file(dir_ / L"started.txt");
        return std::string(std::istreambuf_iterator<char>(file), {});
    }
    std::string startedNew() { return std::to_string(newSize_) + " /update\n"; }
    std::string startedOld() { return std::to_string(oldSize_) + "\n"; }
    HANDLE hold(const fs::path& file) {
        return CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    }

    fs::path self_, root_, dir_, other_;
    uintmax_t newSize_ = 0, oldSize_ = 0;
};

TEST_F(UpdateBatch, ReplacesExactlyTheProgramFromAnyFolderAndStartsIt) {
    const std::wstring program = L"kefelo 100% & co!x!.exe";
    // What the name would become with delayed expansion, or with "%" or "&" as syntax.
    const std::vector<std::wstring> bystanders = {L"kefelo 100% & co.exe", L"kefelo 100", L"co!x!.exe"};
    install(program);
    for (const std::wstring& name : bystanders) std::ofstream(dir_ / name) << "old";
    const auto untouched = cmdtest::contentsOf(other_);
    const unsigned found = cmdtest::foundCodePage(root_);
    ASSERT_TRUE(write(program, dir_));

    const std::string printed = run();

    EXPECT_EQ(started(), startedNew()) << printed;
    EXPECT_EQ(size(dir_ / program), newSize_) << printed;
    EXPECT_FALSE(fs::exists(dir_ / L"new.exe"));
    EXPECT_FALSE(fs::exists(dir_ / L"update.old"));
    for (const std::wstring& name : bystanders) EXPECT_EQ(size(dir_ / name), 3u) << fs::path(name).string();
    EXPECT_EQ(cmdtest::contentsOf(other_), untouched) << printed;
    EXPECT_EQ(cmdtest::lastCodePage(printed), found) << printed;
}

TEST_F(UpdateBatch, AHeldNewExecutablePutsTheOldProgramBackAndStartsIt) {
    install(L"kefelo.exe");
    ASSERT_TRUE(write(L"kefelo.exe", dir_));
    HANDLE held = hold(dir_ / L"new.exe");
    ASSERT_NE(held, INVALID_HANDLE_VALUE);

    const std::string printed = run();
    CloseHandle(held);

    EXPECT_EQ(started(), startedOld()) << printed;
    EXPECT_EQ(size(dir_ / L"kefelo.exe"), oldSize_) << printed;
    EXPECT_EQ(size(dir_ / L"new.exe"), newSize_);
    EXPECT_FALSE(fs::exists(dir_ / L"update.old"));
}

TEST_F(UpdateBatch, WaitsWhileTheOldProgramIsHeldAndKeepsItWhenItStaysHeld) {
    install(L"kefelo.exe");
    ASSERT_TRUE(write(L"kefelo.exe", dir_, 2));
    HANDLE held = hold(dir_ / L"kefelo.exe");
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::string printed = run();
    CloseHandle(held);
    EXPECT_EQ(size(dir_ / L"kefelo.exe"), oldSize_) << printed;
    EXPECT_EQ(size(dir_ / L"new.exe"), newSize_);
    EXPECT_FALSE(fs::exists(dir_ / L"update.old"));

    // Released while the script waits, as the ending program releases it.
    ASSERT_TRUE(write(L"kefelo.exe", dir_));
    held = hold(dir_ / L"kefelo.exe");
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::thread release([held] {
        Sleep(2500);
        CloseHandle(held);
    });
    printed = run();
    release.join();
    EXPECT_EQ(size(dir_ / L"kefelo.exe"), newSize_) << printed;
    EXPECT_EQ(started(), startedNew()) << printed;
}

TEST_F(UpdateBatch, DoesNothingWhereTheProgramFolderIsGoneOrAnother) {
    install(L"kefelo.exe");
    // A folder of that name without the script is another folder.
    ASSERT_TRUE(write(L"kefelo.exe", other_));
    const auto program = cmdtest::contentsOf(dir_);
    const auto untouched = cmdtest::contentsOf(other_);
    std::string printed = run(other_);
    EXPECT_EQ(cmdtest::contentsOf(dir_), program) << printed;
    EXPECT_EQ(cmdtest::contentsOf(other_), untouched) << printed;

    ASSERT_TRUE(write(L"kefelo.exe", dir_));
    fs::rename(dir_, root_ / L"moved");
    const auto moved = cmdtest::contentsOf(root_ / L"moved");
    printed = run(root_ / L"moved");
    EXPECT_EQ(cmdtest::contentsOf(root_ / L"moved"), moved) << printed;
    EXPECT_EQ(cmdtest::contentsOf(other_), untouched) << printed;
}

TEST_F(UpdateBatch, AnAccentedExecutableIsReplacedUnderItsName) {
    if (!cmdtest::readsLinesAfterTheSwitchAsWritten(root_)) {
        GTEST_SKIP() << "this cmd reads every batch line in the OEM code page, whatever chcp set";
    }
    const std::wstring program = L"kefel\u0151.exe";
    install(program);
    std::ofstream(dir_ / L"kefelo.exe") << "old";
    ASSERT_TRUE(write(program, dir_));

    const std::string printed = run();

    EXPECT_EQ(started(), startedNew()) << printed;
    EXPECT_EQ(size(dir_ / program), newSize_) << printed;
    EXPECT_EQ(size(dir_ / L"kefelo.exe"), 3u);
    // Nothing under a misread name: the program, the bystander, the script and the note.
    EXPECT_EQ(cmdtest::contentsOf(dir_).size(), 4u);
}

}  // namespace
