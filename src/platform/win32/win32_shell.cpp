#include "platform/win32/win32_shell.h"

#include <shellapi.h>
#include <shlobj.h>

#include <map>

#include "platform/win32/handle.h"
#include "platform/win32/wide.h"

namespace kefelo::platform::win32 {
namespace {

// Null for an empty text, so the shell uses its own default (no parameters, the
// current directory).
const wchar_t* orNull(const std::wstring& s) { return s.empty() ? nullptr : s.c_str(); }

bool enableShutdownPrivilege() {
    HANDLE raw = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &raw)) return false;
    Handle token(raw);
    TOKEN_PRIVILEGES privileges{};
    if (!LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &privileges.Privileges[0].Luid)) return false;
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    // Succeeds without granting when the account lacks the privilege; that is reported as
    // ERROR_NOT_ALL_ASSIGNED.
    if (!AdjustTokenPrivileges(token.get(), FALSE, &privileges, 0, nullptr, nullptr)) return false;
    return GetLastError() == ERROR_SUCCESS;
}

// A library loaded for the length of one call.
struct Library {
    explicit Library(const wchar_t* name) : module(LoadLibraryW(name)) {}
    ~Library() {
        if (module) FreeLibrary(module);
    }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;
    HMODULE module;
};

}  // namespace

bool Win32Shell::executeFile(const std::string& file, const std::string& parameters, const std::string& directory,
                             bool showNormal) {
    std::wstring wfile = widen(file), wparams = widen(parameters), wdir = widen(directory);
    HINSTANCE result = ShellExecuteW(owner_, nullptr, wfile.c_str(), orNull(wparams), orNull(wdir),
                                     showNormal ? SW_SHOWNORMAL : SW_HIDE);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

bool Win32Shell::propertiesDialog(const std::string& path) {
    std::wstring wpath = widen(path);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_INVOKEIDLIST;
    info.hwnd = owner_;
    info.lpVerb = L"properties";
    info.lpFile = wpath.c_str();
    info.nShow = SW_SHOW;
    return ShellExecuteExW(&info) != FALSE;
}

bool Win32Shell::restartWindows(bool ntFamily) {
    // Without the privilege ExitWindowsEx refuses on its own; try anyway.
    if (ntFamily) enableShutdownPrivilege();
    return ExitWindowsEx(EWX_REBOOT | EWX_FORCE, SHTDN_REASON_MAJOR_APPLICATION | SHTDN_REASON_FLAG_PLANNED) != FALSE;
}

RecycleBinEmptying Win32Shell::emptyRecycleBin() {
    // Old shells lack the entry point, so it is looked up rather than linked.
    const Library shell(L"shell32.dll");
    using EmptyRecycleBin = HRESULT(WINAPI*)(HWND, LPCSTR, DWORD);
    const auto empty = shell.module ? reinterpret_cast<EmptyRecycleBin>(
                                          reinterpret_cast<void*>(GetProcAddress(shell.module, "SHEmptyRecycleBinA")))
                                    : nullptr;
    if (!empty) return RecycleBinEmptying::Unavailable;
    const Library again(L"shell32.dll");
    if (!again.module) return RecycleBinEmptying::LibraryNotLoaded;
    empty(owner_, nullptr, SHERB_NOCONFIRMATION | SHERB_NOPROGRESSUI | SHERB_NOSOUND);
    return RecycleBinEmptying::Emptied;
}

std::vector<Recycling> Win32Shell::recycleFiles(const std::vector<std::string>& paths) {
    std::vector<Recycling> out(paths.size(), Recycling::Refused);
    // One operation for the batch: the names one after the other, each ended by a zero, the
    // list by a second one.
    std::wstring from;
    std::vector<size_t> sent;
    std::map<std::wstring, bool> binOfRoot;  // asking sums up the bin: once per drive
    for (size_t i = 0; i < paths.size(); ++i) {
        const std::wstring wide = widen(paths[i]);
        // The operation takes plain names only: no "\\?\" form, nothing over MAX_PATH,
        // and a wildcard would widen the delete to other files.
        if (wide.empty() || wide.size() >= MAX_PATH || wide.find_first_of(L"*?") != std::wstring::npos ||
            wide.starts_with(L"\\\\?\\")) {
            out[i] = Recycling::NameRefused;
            continue;
        }
        // A drive whose bin cannot be asked about has none (a removable disk, a network
        // share): the shell would delete such a file for good without a word.
        wchar_t root[MAX_PATH];
        if (!GetVolumePathNameW(wide.c_str(), root, MAX_PATH)) root[0] = 0;
        auto known = binOfRoot.find(root);
        if (known == binOfRoot.end()) {
            SHQUERYRBINFO info{};
            info.cbSize = sizeof info;
            known = binOfRoot.emplace(root, root[0] != 0 && SUCCEEDED(SHQueryRecycleBinW(root, &info))).first;
        }
        if (!known->second) {
            out[i] = Recycling::NoBin;
            continue;
        }
        from += wide;
        from.push_back(L'\0');
        sent.push_back(i);
    }
    if (sent.empty()) return out;
    from.push_back(L'\0');
    SHFILEOPSTRUCTW op{};
    op.hwnd = owner_;
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    // Silent, except where the bin cannot take a file (too large for it, say): then the
    // shell asks before deleting it for good, and a "No" leaves it, counted as refused.
    op.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_WANTNUKEWARNING | FOF_SILENT | FOF_NOERRORUI |
                FOF_NOCONFIRMMKDIR;
    SHFileOperationW(&op);
    // The operation's result names only its first failure: each file is looked at again.
    for (size_t i : sent) {
        out[i] = GetFileAttributesW(widen(paths[i]).c_str()) == INVALID_FILE_ATTRIBUTES &&
                         GetLastError() != ERROR_ACCESS_DENIED
                     ? Recycling::Recycled
                     : Recycling::Refused;
    }
    return out;
}

bool Win32Shell::openRecycleBin(bool properties) {
    PIDLIST_ABSOLUTE list = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(owner_, CSIDL_BITBUCKET, &list)) || !list) return false;
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_INVOKEIDLIST;
    info.hwnd = owner_;
    info.lpVerb = properties ? L"properties" : nullptr;
    info.lpIDList = list;
    info.nShow = SW_SHOWNORMAL;
    const bool ok = ShellExecuteExW(&info) != FALSE;
    CoTaskMemFree(list);
    return ok;
}

void Win32Shell::formatFloppy() { SHFormatDrive(owner_, 0, SHFMT_ID_DEFAULT, 0); }

}  // namespace kefelo::platform::win32
