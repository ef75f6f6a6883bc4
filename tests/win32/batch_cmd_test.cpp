// A generated autodel.bat run by the real command interpreter, in a folder whose name
// holds a blank, "&" and "%": every line deletes its own file and nothing next to it.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/cleaning/run_record.h"
#include "core/cleaning/undeletable_batch.h"
#include "base/text/codec.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"

using namespace kefelo;
namespace fs = std::filesystem;

namespace {

// A drive letter nothing is mapped to: the restore line's copy must land nowhere.
char unusedDrive() {
    const DWORD drives = GetLogicalDrives();
    for (char letter = 'Q'; letter <= 'Y'; ++letter) {
        if (!(drives & (1u << (letter - 'A')))) return letter;
    }
    return 0;
}

// Runs the batch in its folder with cmd, input from NUL (PAUSE goes on at once); returns
// what it printed.
std::string runWithCmd(const fs::path& folder, const fs::path& output) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE in =
        CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
    HANDLE out = CreateFileW(output.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = in;
    si.hStdOutput = out;
    si.hStdError = out;
    PROCESS_INFORMATION pi{};
    std::wstring command = L"cmd.exe /c autodel.bat";
    const BOOL started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                                        folder.c_str(), &si, &pi);
    CloseHandle(in);
    CloseHandle(out);
    if (!started) return "cmd did not start";
    const DWORD waited = WaitForSingleObject(pi.hProcess, 60000);
    if (waited != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    std::ifstream printed(output, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(printed), {});
}

TEST(BatchUnderCmd, EveryLineDeletesItsOwnFileAndNothingNextToIt) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const fs::path root = fs::path(temp) / L"kefelo batch test";
    const fs::path folder = root / L"kefelo 50% & co";
    std::error_code ec;
    fs::remove_all(root, ec);
    fs::create_directories(folder);
    const std::string dir = platform::win32::narrow(folder.wstring()) + "\\";

    // Through the form the run picks (the short one where the volume has it).
    const std::vector<std::string> viaRun = {"a&b.tmp", "x%OS%y.tmp", "c^d!(1).tmp"};
    // Long forms, so that the folder's own blank, "&" and "%" are in the lines too.
    const std::vector<std::string> viaLongForm = {"e f&g.tmp", "i%OS%j.tmp"};
    // What a line that acted as batch syntax would take instead.
    const std::vector<std::string> bystanders = {"a",          "b.tmp",   "x%PATH%y.tmp", "xWindows_NTy.tmp",
                                                 "cd!(1).tmp", "e f",     "g.tmp",        "iWindows_NTj.tmp",
                                                 "z.tmp",      "autoexec"};
    // No short form under Wine: no line at all, where a "?" would take "z.tmp".
    const std::string foreign = "中.tmp";
    std::vector<std::string> all = viaRun;
    all.insert(all.end(), viaLongForm.begin(), viaLongForm.end());
    all.insert(all.end(), bystanders.begin(), bystanders.end());
    all.push_back(foreign);
    all.push_back("autoexec.bat");  // the saved copy the restore lines delete
    for (const std::string& name : all) std::ofstream(folder / platform::win32::widen(name)) << "x";

    platform::win32::Win32FileSystem files;
    cleaning::RunRecord record([] { return cleaning::NowTexts{}; });
    record.batch.start(true);
    for (const std::string& name : viaRun) cleaning::addUndeletableToBatch(files, record, dir + name);
    for (const std::string& name : viaLongForm) ASSERT_TRUE(record.batch.addDelete(dir + name)) << name;
    cleaning::addUndeletableToBatch(files, record, dir + foreign);
    const bool foreignHasALine = record.log.empty();
    const char drive = unusedDrive();
    ASSERT_NE(drive, 0);
    ASSERT_TRUE(record.batch.finish(dir, drive));
    ASSERT_TRUE(files.writeFileAtomic(dir + "autodel.bat", text::encodeLines(record.batch.lines())));

    const std::string printed = runWithCmd(folder, root / L"cmd.txt");

    std::string listing;
    for (const std::string& line : record.batch.lines()) listing += line + "\n";
    for (const std::string& name : viaRun) EXPECT_FALSE(fs::exists(folder / platform::win32::widen(name))) << name;
    for (const std::string& name : viaLongForm) {
        EXPECT_FALSE(fs::exists(folder / platform::win32::widen(name))) << name;
    }
    EXPECT_FALSE(fs::exists(folder / L"autoexec.bat"));
    for (const std::string& name : bystanders) {
        EXPECT_TRUE(fs::exists(folder / platform::win32::widen(name))) << name << "\n" << listing << printed;
    }
    EXPECT_EQ(fs::exists(folder / platform::win32::widen(foreign)), !foreignHasALine);
    if (!foreignHasALine) {
        EXPECT_NE(record.log.text().find("kézzel kell törölni"), std::string::npos);
    }
    fs::remove_all(root, ec);
}

}  // namespace
