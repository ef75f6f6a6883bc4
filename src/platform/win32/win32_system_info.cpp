#include <windows.h>
// shlobj.h needs windows.h first.
#include <shlobj.h>
#include <userenv.h>

#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"

namespace kefelo::platform::win32 {
namespace {

std::string localeText(LCTYPE what) {
    wchar_t buffer[128] = {};
    int got = GetLocaleInfoW(LOCALE_USER_DEFAULT, what, buffer, 128);
    return got > 0 ? narrow(buffer) : std::string();
}

}  // namespace

std::string Win32SystemInfo::windowsDirectory() {
    wchar_t buffer[MAX_PATH + 1] = {};
    UINT got = GetWindowsDirectoryW(buffer, MAX_PATH + 1);
    std::wstring dir(buffer, got <= MAX_PATH ? got : 0);
    // "C:\" keeps its backslash; any other folder loses it.
    if (dir.size() > 3 && dir.back() == L'\\') dir.pop_back();
    return narrow(dir);
}

std::string Win32SystemInfo::tempPath() {
    wchar_t buffer[MAX_PATH + 2] = {};
    DWORD got = GetTempPathW(MAX_PATH + 2, buffer);
    std::wstring dir(buffer, got <= MAX_PATH + 1 ? got : 0);
    if (!dir.empty() && dir.back() != L'\\') dir += L'\\';
    return narrow(dir);
}

int Win32SystemInfo::platformId() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (!GetVersionExW(&info)) return VER_PLATFORM_WIN32_NT;
    return static_cast<int>(info.dwPlatformId);
}

std::string Win32SystemInfo::languageAbbreviation() { return localeText(LOCALE_SABBREVLANGNAME); }
std::string Win32SystemInfo::localeInfo(unsigned kind) {
    // The first call tells the size the text needs.
    const int size = GetLocaleInfoW(LOCALE_USER_DEFAULT, kind, nullptr, 0);
    if (size <= 0) return {};
    std::wstring buffer(static_cast<size_t>(size), L'\0');
    const int got = GetLocaleInfoW(LOCALE_USER_DEFAULT, kind, buffer.data(), size);
    if (got <= 0) return {};
    buffer.resize(static_cast<size_t>(got) - 1);
    return narrow(buffer);
}
std::string Win32SystemInfo::shortDateFormat() { return localeText(LOCALE_SSHORTDATE); }
std::string Win32SystemInfo::longTimeFormat() { return localeText(LOCALE_STIMEFORMAT); }
std::string Win32SystemInfo::decimalSeparator() { return localeText(LOCALE_SDECIMAL); }

std::optional<std::string> Win32SystemInfo::specialFolder(SpecialFolder folder) {
    LPITEMIDLIST pidl = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, static_cast<int>(folder), &pidl)) || !pidl) return std::nullopt;
    wchar_t path[MAX_PATH + 1] = {};
    BOOL ok = SHGetPathFromIDListW(pidl, path);
    CoTaskMemFree(pidl);
    // Virtual folders such as the Recycle Bin have an item list but no path.
    if (!ok || !path[0]) return std::nullopt;
    return narrow(path);
}

std::string Win32SystemInfo::executablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD got = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (got == 0) return std::string();
        if (got < path.size()) {
            path.resize(got);
            return narrow(path);
        }
        path.resize(path.size() * 2);  // truncated: the path is longer than the buffer
    }
}

std::optional<std::string> Win32SystemInfo::profilesDirectory() {
    DWORD size = 0;
    GetProfilesDirectoryW(nullptr, &size);
    if (size == 0) return std::nullopt;
    std::wstring dir(size, L'\0');
    if (!GetProfilesDirectoryW(dir.data(), &size)) return std::nullopt;
    dir.resize(wcsnlen(dir.c_str(), dir.size()));
    if (dir.empty()) return std::nullopt;
    return narrow(dir);
}

}  // namespace kefelo::platform::win32
