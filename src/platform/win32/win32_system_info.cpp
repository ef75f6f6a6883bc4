#include <windows.h>
// shlobj.h needs windows.h first.
#include <shlobj.h>
#include <userenv.h>

#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"

namespace kefelo::platform::win32 {
namespace {

// The shell's identifiers, spelled out so that no import library of GUIDs is needed.
constexpr KNOWNFOLDERID kUserProgramFiles = {
    0x5CD7AEE2, 0x2219, 0x4A67, {0xB8, 0x5D, 0x6C, 0x9C, 0xE1, 0x56, 0x60, 0xCB}};
constexpr KNOWNFOLDERID kLocalAppData = {0xF1B32785, 0x6FBA, 0x4FCF, {0x9D, 0x55, 0x7B, 0x8E, 0x7F, 0x15, 0x70, 0x91}};

// Asked without checking that the folder exists: a user's programs folder is made only
// when something first goes there.
std::optional<std::wstring> knownFolderPath(const KNOWNFOLDERID& id) {
    PWSTR path = nullptr;
    const HRESULT hr = SHGetKnownFolderPath(id, KF_FLAG_DONT_VERIFY, nullptr, &path);
    std::optional<std::wstring> result;
    if (SUCCEEDED(hr) && path && *path) {
        std::wstring text = path;
        while (text.size() > 3 && text.back() == L'\\') text.pop_back();
        result = std::move(text);
    }
    CoTaskMemFree(path);
    return result;
}

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

WindowsVersion Win32SystemInfo::windowsVersion() {
    // GetVersionEx answers what the manifest allows; the kernel's own call tells the truth.
    using RtlGetVersion = LONG(WINAPI*)(OSVERSIONINFOW*);
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    const auto get = ntdll ? reinterpret_cast<RtlGetVersion>(
                                 reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")))
                           : nullptr;
    if (!(get && get(&info) == 0) && !GetVersionExW(&info)) return {};
    return {info.dwMajorVersion, info.dwMinorVersion};
}

bool Win32SystemInfo::isAdministrator() {
    // The token's own groups: with the administrators' group present but for deny only
    // (a split token before elevation) the answer is no.
    SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
    PSID administrators = nullptr;
    if (!AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0,
                                  &administrators))
        return false;
    BOOL member = FALSE;
    if (!CheckTokenMembership(nullptr, administrators, &member)) member = FALSE;
    FreeSid(administrators);
    return member != FALSE;
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

std::optional<std::string> Win32SystemInfo::userProgramsDirectory() {
    if (auto own = knownFolderPath(kUserProgramFiles)) return narrow(*own);
    // Systems that do not name the folder (Wine among them) still have its usual place.
    if (auto local = knownFolderPath(kLocalAppData)) return narrow(*local + L"\\Programs");
    return std::nullopt;
}

}  // namespace kefelo::platform::win32
