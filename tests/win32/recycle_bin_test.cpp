// Sending files to the Recycle Bin through the real shell. Under Wine the bin is the
// Linux trash of XDG_DATA_HOME, which the test's environment points into the build
// folder; each file must arrive there with its original path and leave nothing behind.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/win32/wide.h"
#include "platform/win32/win32_shell.h"

using namespace kefelo;
namespace fsys = std::filesystem;

namespace {

std::string environment(const wchar_t* name) {
    wchar_t value[4096];
    const DWORD length = GetEnvironmentVariableW(name, value, 4096);
    return length > 0 && length < 4096 ? platform::win32::narrow(value) : std::string();
}

// The Unix path Wine gives a Windows path, as the trash records it.
std::string unixPath(const std::wstring& path) {
    using ToUnix = char*(CDECL*)(LPCWSTR);
    const auto toUnix = reinterpret_cast<ToUnix>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!toUnix) return {};
    char* unix = toUnix(path.c_str());
    if (!unix) return {};
    std::string out = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return out;
}

// "%20" and the like back to bytes.
std::string percentDecoded(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

// The original paths the trash's info files name.
std::vector<std::string> trashedPaths(const fsys::path& info) {
    std::vector<std::string> out;
    std::error_code ec;
    for (const auto& entry : fsys::directory_iterator(info, ec)) {
        std::ifstream in(entry.path());
        std::string line;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.rfind("Path=", 0) == 0) out.push_back(percentDecoded(line.substr(5)));
        }
    }
    return out;
}

TEST(Win32Shell, RecycledFilesArriveInTheBinWithTheirPaths) {
    const std::string data = environment(L"XDG_DATA_HOME");
    // Never the real user's trash: only a sandbox the test run has set up.
    if (data.find("recycle-sandbox") == std::string::npos) GTEST_SKIP() << "XDG_DATA_HOME is not the test's sandbox";
    if (unixPath(L"C:\\").empty()) GTEST_SKIP() << "not under Wine: no Linux trash to look into";
    const fsys::path trash = fsys::path(L"Z:" + platform::win32::widen(data)) / L"Trash";
    std::error_code ec;
    // What an earlier run left there (read-only files the test cannot clear) is counted.
    const auto filesInBin = [&] {
        size_t count = 0;
        for ([[maybe_unused]] const auto& entry : fsys::directory_iterator(trash / L"files", ec)) ++count;
        return count;
    };
    const size_t before = filesInBin();

    const fsys::path dir = L"C:\\kefelo recycle test";
    fsys::remove_all(dir, ec);
    fsys::create_directories(dir / L"al mappa");
    const std::vector<std::wstring> names = {L"egy.tmp", L"két & 100%.tmp", L"al mappa\\három.log"};
    std::vector<std::string> paths;
    for (const std::wstring& name : names) {
        std::ofstream(dir / name) << "x";
        paths.push_back(platform::win32::narrow((dir / name).wstring()));
    }
    // A read-only file goes as well; a name over MAX_PATH is refused and stays.
    SetFileAttributesW((dir / names[0]).c_str(), FILE_ATTRIBUTE_READONLY);
    const std::wstring longName = L"\\\\?\\" + (dir / std::wstring(250, L'h')).wstring() + L".tmp";
    HANDLE h = CreateFileW(longName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    CloseHandle(h);
    paths.push_back(platform::win32::narrow(longName));

    platform::win32::Win32Shell shell;
    const std::vector<platform::Recycling> outcomes = shell.recycleFiles(paths);
    ASSERT_EQ(outcomes.size(), 4u);
    for (size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(outcomes[i], platform::Recycling::Recycled) << paths[i];
        EXPECT_FALSE(fsys::exists(dir / names[i])) << paths[i];
    }
    EXPECT_EQ(outcomes[3], platform::Recycling::NameRefused);
    EXPECT_NE(GetFileAttributesW(longName.c_str()), INVALID_FILE_ATTRIBUTES);

    const std::vector<std::string> trashed = trashedPaths(trash / L"info");
    for (const std::wstring& name : names) {
        const std::string original = unixPath((dir / name).wstring());
        EXPECT_NE(std::find(trashed.begin(), trashed.end(), original), trashed.end()) << original;
    }
    EXPECT_EQ(filesInBin(), before + names.size());

    DeleteFileW(longName.c_str());
    fsys::remove_all(dir, ec);
}

}  // namespace
