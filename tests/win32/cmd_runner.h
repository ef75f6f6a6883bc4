#pragma once
// The real command interpreter running the batches the program writes: with a console of
// its own and no window, as the program's hidden starts give it.
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/text/batch_code_page.h"
#include "base/text/codec.h"
#include "core/cleaning/batch_text.h"
#include "core/maintenance/update_rules.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"

namespace kefelo::cmdtest {

// Runs a cmd.exe command line in `folder`, input from NUL (PAUSE goes on at once); what it
// printed on both streams, or a note when it did not start or end within a minute.
inline std::string runCmd(const std::filesystem::path& folder, std::wstring command) {
    wchar_t temp[MAX_PATH];
    wchar_t output[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    if (!GetTempFileNameW(temp, L"cmd", 0, output)) return "no file for the output";
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE in =
        CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
    HANDLE out = CreateFileW(output, GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = in;
    si.hStdOutput = out;
    si.hStdError = out;
    PROCESS_INFORMATION pi{};
    const BOOL started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                                        folder.c_str(), &si, &pi);
    CloseHandle(in);
    CloseHandle(out);
    std::string printed = "cmd did not start";
    if (started) {
        const DWORD waited = WaitForSingleObject(pi.hProcess, 60000);
        if (waited != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        std::ifstream file(output, std::ios::binary);
        printed = std::string(std::istreambuf_iterator<char>(file), {});
        if (waited != WAIT_OBJECT_0) printed += "\n(cmd did not end)";
    }
    DeleteFileW(output);
    return printed;
}

// The code page the last "chcp" in a cmd's output named; 0 when there is none.
inline unsigned lastCodePage(const std::string& printed) {
    const size_t at = printed.rfind("page: ");
    if (at == std::string::npos) return 0;
    return static_cast<unsigned>(std::strtoul(printed.c_str() + at + 6, nullptr, 10));
}

// The code page a new console starts with: the OEM one of the locale. Asked again when a
// cmd started on a busy machine printed nothing at all, which happens now and then.
inline unsigned foundCodePage(const std::filesystem::path& folder) {
    unsigned found = 0;
    for (int attempt = 0; attempt < 3 && found == 0; ++attempt) {
        found = lastCodePage(runCmd(folder, L"cmd.exe /c chcp"));
    }
    return found;
}

inline void writeBatch(const std::filesystem::path& file, const std::vector<std::string>& lines) {
    std::ofstream(file, std::ios::binary) << text::encodeLines(lines);
}

// Whether this cmd reads the lines after the code-page switch in the code page it switched
// to. Windows' cmd decodes each line in the console's code page as it reaches it; Wine 8's
// decodes every line in the OEM code page, whatever chcp set.
inline bool readsLinesAfterTheSwitchAsWritten(const std::filesystem::path& folder) {
    std::vector<std::string> lines = {"@ECHO OFF"};
    const std::vector<std::string>& codePageSwitch = text::batchCodePageSwitch();
    lines.insert(lines.end(), codePageSwitch.begin(), codePageSwitch.end());
    lines.push_back("echo x> \"switch probe ő.tmp\"");
    lines.push_back(text::batchCodePageRestore());
    writeBatch(folder / L"switch probe.bat", lines);
    runCmd(folder, L"cmd.exe /c \"switch probe.bat\"");
    std::error_code ec;
    const bool asWritten = std::filesystem::exists(folder / L"switch probe \u0151.tmp");
    std::vector<std::filesystem::path> made;
    for (const std::filesystem::directory_entry& entry : std::filesystem::directory_iterator(folder, ec)) {
        if (entry.path().filename().wstring().starts_with(L"switch probe")) made.push_back(entry.path());
    }
    for (const std::filesystem::path& file : made) std::filesystem::remove(file, ec);
    return asWritten;
}

// The program in `folder` as the program itself would name it in a batch: 8.3 forms
// where the volume has them.
inline std::optional<maintenance::BatchProgram> batchProgramIn(const std::filesystem::path& folder,
                                                               const std::wstring& executable) {
    platform::win32::Win32FileSystem fs;
    const std::string dir = platform::win32::narrow(folder.wstring()) + "\\";
    return maintenance::batchProgram(fs, dir, dir + platform::win32::narrow(executable),
                                     text::BatchCharset::Windows1250);
}

// Every file of a folder with its size, to see that a script left it alone.
inline std::vector<std::pair<std::wstring, uintmax_t>> contentsOf(const std::filesystem::path& folder) {
    std::vector<std::pair<std::wstring, uintmax_t>> files;
    std::error_code ec;
    for (const std::filesystem::directory_entry& entry : std::filesystem::directory_iterator(folder, ec)) {
        files.emplace_back(entry.path().filename().wstring(), entry.is_regular_file() ? entry.file_size() : 0);
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace kefelo::cmdtest
