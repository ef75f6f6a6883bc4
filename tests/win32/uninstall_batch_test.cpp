// The generated uninstall.bat run by the real command interpreter from another folder that
// holds files of the same names, in a program folder whose name holds a blank, "&", "%"
// and an accent, while the executable is held open: it waits for the executable, deletes
// exactly the program's own files, keeps everything else (the other folder's files
// above all), removes itself, and gives up by itself when the executable stays held; it
// does nothing when the program folder is gone or another. With delayed expansion on, a
// "!" in the executable's name is still plain text, and the console gets its code page back.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <thread>

#include "base/text/codec.h"
#include "cmd_runner.h"
#include "core/maintenance/uninstall_procedure.h"

using namespace kefelo;
namespace fs = std::filesystem;

namespace {

class UninstallBatch : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        root_ = fs::path(temp) / (L"kefelo uninstall " + std::to_wstring(GetCurrentProcessId()));
        dir_ = root_ / L"Kefel\u00f3 100% & program";
        other_ = root_ / L"m\u00e1shol";
        std::error_code ignored;
        fs::remove_all(root_, ignored);
        fs::create_directories(dir_ / L"Zipped");
        fs::create_directories(other_);
        for (const std::string& name : maintenance::uninstalledFileNames()) std::ofstream(other_ / name) << "x";
        for (const wchar_t* name : {L"kefelo.exe", L"kefelo!x!.exe", L"uninstall.bat"})
            std::ofstream(other_ / name) << "x";
        untouched_ = cmdtest::contentsOf(other_);
        put(L"kefelo.exe");
        for (const std::string& name : maintenance::uninstalledFileNames()) put(fs::path(name));
        SetFileAttributesW((dir_ / L"autodel.bat").c_str(), FILE_ATTRIBUTE_READONLY);
        for (const wchar_t* name : {L"idea.txt", L"sajat jegyzet.txt", L"Zipped\\mentes.zip"}) put(name);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    void put(const fs::path& name) { std::ofstream(dir_ / name) << "x"; }
    void writeBatch(int retries, const std::wstring& executable = L"kefelo.exe", const fs::path& where = {},
                    const fs::path& programFolder = {}) {
        const auto program = cmdtest::batchProgramIn(programFolder.empty() ? dir_ : programFolder, executable);
        ASSERT_TRUE(program);
        const auto lines = maintenance::uninstallBatchLines(*program, true, retries);
        ASSERT_TRUE(lines);
        std::ofstream((where.empty() ? dir_ : where) / L"uninstall.bat", std::ios::binary) << text::encodeLines(*lines);
    }
    // Runs the script with the interpreter started in another folder; the seconds it took,
    // or -1 when it did not end within the limit.
    double runScript(DWORD limitMs, const fs::path& where = {}) {
        std::wstring command =
            L"cmd.exe /c \"\"" + ((where.empty() ? dir_ : where) / L"uninstall.bat").wstring() + L"\"\"";
        STARTUPINFOW si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        const DWORD start = GetTickCount();
        if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, other_.c_str(),
                            &si, &pi))
            return -1;
        const DWORD waited = WaitForSingleObject(pi.hProcess, limitMs);
        if (waited != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        return waited == WAIT_OBJECT_0 ? (GetTickCount() - start) / 1000.0 : -1;
    }
    HANDLE holdExecutable() {
        return CreateFileW((dir_ / L"kefelo.exe").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    }
    void expectOnlyOthersLeft(bool executableLeft) {
        for (const std::string& name : maintenance::uninstalledFileNames()) {
            EXPECT_FALSE(fs::exists(dir_ / fs::path(name))) << name;
        }
        EXPECT_FALSE(fs::exists(dir_ / L"uninstall.bat"));
        EXPECT_EQ(fs::exists(dir_ / L"kefelo.exe"), executableLeft);
        EXPECT_TRUE(fs::exists(dir_ / L"idea.txt"));
        EXPECT_TRUE(fs::exists(dir_ / L"sajat jegyzet.txt"));
        EXPECT_TRUE(fs::exists(dir_ / L"Zipped" / L"mentes.zip"));
        EXPECT_EQ(cmdtest::contentsOf(other_), untouched_);
    }

    fs::path root_, dir_, other_;
    std::vector<std::pair<std::wstring, uintmax_t>> untouched_;
};

TEST_F(UninstallBatch, WaitsForTheHeldExecutableThenRemovesExactlyTheProgramsFiles) {
    writeBatch(maintenance::kUninstallRetries);
    HANDLE held = holdExecutable();
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::thread release([held] {
        Sleep(2500);
        CloseHandle(held);
    });
    const double took = runScript(60000);
    release.join();
    EXPECT_GE(took, 2.0);
    expectOnlyOthersLeft(false);
}

TEST_F(UninstallBatch, GivesUpByItselfWhenTheExecutableStaysHeld) {
    writeBatch(2);
    HANDLE held = holdExecutable();
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const double took = runScript(30000);
    CloseHandle(held);
    EXPECT_GE(took, 0.0) << "the script did not end";
    expectOnlyOthersLeft(true);
}

TEST_F(UninstallBatch, AnExclamationMarkInTheNameIsPlainTextAndTheCodePageComesBack) {
    // With delayed expansion the line would name "kefelo.exe", which must stay.
    put(L"kefelo!x!.exe");
    writeBatch(2, L"kefelo!x!.exe");
    const unsigned found = cmdtest::foundCodePage(root_);

    const std::string printed =
        cmdtest::runCmd(other_, L"cmd.exe /v:on /c \"\"" + (dir_ / L"uninstall.bat").wstring() + L"\" & chcp\"");

    EXPECT_FALSE(fs::exists(dir_ / L"kefelo!x!.exe")) << printed;
    expectOnlyOthersLeft(true);
    EXPECT_EQ(cmdtest::lastCodePage(printed), found) << printed;
}

TEST_F(UninstallBatch, DoesNothingWhereTheProgramFolderIsGoneOrAnother) {
    // A folder of that name without the script is another folder.
    writeBatch(2, L"kefelo.exe", other_);
    untouched_ = cmdtest::contentsOf(other_);
    const auto program = cmdtest::contentsOf(dir_);
    EXPECT_GE(runScript(30000, other_), 0.0);
    EXPECT_EQ(cmdtest::contentsOf(dir_), program);
    EXPECT_EQ(cmdtest::contentsOf(other_), untouched_);

    // A program folder that is gone by the time the script runs.
    const fs::path gone = root_ / L"gone";
    fs::create_directories(gone);
    std::ofstream(gone / L"kefelo.exe") << "x";
    writeBatch(2, L"kefelo.exe", other_, gone);
    fs::remove_all(gone);
    untouched_ = cmdtest::contentsOf(other_);
    EXPECT_GE(runScript(30000, other_), 0.0);
    EXPECT_EQ(cmdtest::contentsOf(other_), untouched_);
    EXPECT_EQ(cmdtest::contentsOf(dir_), program);
}

}  // namespace
