// The contract environment over the real Windows calls (run under Wine on Linux).
#include <windows.h>
#include <winioctl.h>

#include <map>
#include <stdexcept>
#include <vector>

#include "platform/contract_env.h"
#include "platform/win32/handle.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_shell_links.h"

namespace kefelo::contract {
namespace {

using platform::win32::Handle;
using platform::win32::narrow;
using platform::win32::widen;

void check(bool ok, const std::string& what) {
    if (!ok) throw std::runtime_error(what + " failed, error " + std::to_string(GetLastError()));
}

// Removes a folder and everything in it, read-only entries included.
void removeTree(const std::wstring& dir) {
    WIN32_FIND_DATAW data;
    HANDLE h = FindFirstFileW((dir + L"\\*").c_str(), &data);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = data.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring path = dir + L"\\" + name;
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
                RemoveDirectoryW(path.c_str());  // a link: never what it leads to
            } else if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                removeTree(path);
            } else {
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(h, &data));
        FindClose(h);
    }
    SetFileAttributesW(dir.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryW(dir.c_str());
}

class Win32Env : public ContractEnv {
public:
    Win32Env() {
        static int serial = 0;
        std::string tag = std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial);
        // A fresh Wine prefix names a temp folder it has not created yet.
        CreateDirectoryW(widen(system_.tempPath()).c_str(), nullptr);
        root_ = system_.tempPath() + "Kefeló próba " + tag;
        check(CreateDirectoryW(widen(root_).c_str(), nullptr), "creating " + root_);
        key_ = "Software\\Kefelo contract " + tag;
    }
    ~Win32Env() override {
        locks_.clear();
        // Wine removes no Linux link to a folder that holds anything.
        for (const std::string& link : folderLinks_) {
            const std::string name = linuxName(link);
            if (name.empty()) {
                RemoveDirectoryW(widen(link).c_str());
            } else {
                runLinux(L"Z:\\bin\\rm -f \"" + widen(name) + L"\"");
                waitUntil(link, false);
            }
        }
        removeTree(widen(root_));
        RegDeleteTreeW(HKEY_CURRENT_USER, widen(key_).c_str());
    }

    platform::FileSystem& fs() override { return fs_; }
    platform::Registry& registry() override { return registry_; }
    platform::SystemInfo& system() override { return system_; }
    platform::Clock& clock() override { return clock_; }
    platform::Clipboard& clipboard() override { return clipboard_; }
    platform::ShellLinks& shellLinks() override { return links_; }
    std::string root() override { return root_; }
    std::string registryKey() override { return key_; }

    void makeFile(const std::string& path, const std::string& bytes) override {
        Handle file(create(path, GENERIC_WRITE));
        DWORD wrote = 0;
        check(WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &wrote, nullptr), "writing");
    }

    // Setting the end of an empty file is cheap: the volume allocates nothing for the gap.
    void makeBigFile(const std::string& path, uint64_t size) override {
        Handle file(create(path, GENERIC_WRITE));
        DWORD ignored = 0;
        DeviceIoControl(file.get(), FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &ignored, nullptr);
        LARGE_INTEGER end;
        end.QuadPart = static_cast<LONGLONG>(size);
        check(SetFilePointerEx(file.get(), end, nullptr, FILE_BEGIN) && SetEndOfFile(file.get()), "extending " + path);
    }

    void lock(const std::string& path) override {
        Handle h(CreateFileW(widen(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        check(static_cast<bool>(h), "locking " + path);
        locks_[path] = std::move(h);
    }
    void unlock(const std::string& path) override { locks_.erase(path); }
    void provideShortName(const std::string&) override {}
    // Wine 8 answers CreateSymbolicLinkW with success and makes nothing, but follows the
    // links of the Linux side: there the link is made by ln, which Wine starts like any
    // program.
    void makeFolderLink(const std::string& path, const std::string& target) override {
        const std::string from = linuxName(target);
        const std::string to = linuxName(path);
        if (from.empty() || to.empty()) {
            check(CreateSymbolicLinkW(widen(path).c_str(), widen(target).c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY),
                  "linking " + path);
        } else {
            runLinux(L"Z:\\bin\\ln -s \"" + widen(from) + L"\" \"" + widen(to) + L"\"");
            waitUntil(path, true);
        }
        folderLinks_.push_back(path);
        check(GetFileAttributesW(widen(path).c_str()) != INVALID_FILE_ATTRIBUTES, "linking " + path);
    }

private:
    // The Linux name of a path under Wine; empty on Windows.
    static std::string linuxName(const std::string& path) {
        using UnixName = char*(CDECL*)(LPCWSTR);
        const auto unixName = reinterpret_cast<UnixName>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
        if (!unixName) return {};
        char* name = unixName(widen(path).c_str());
        if (!name) return {};
        std::string out = name;
        HeapFree(GetProcessHeap(), 0, name);
        return out;
    }
    static void runLinux(std::wstring command) {
        STARTUPINFOW si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        check(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &si,
                             &pi),
              "starting a Linux command");
        WaitForSingleObject(pi.hProcess, 10000);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
    // The Linux process ends on its own schedule; the change is there when Wine sees it.
    static void waitUntil(const std::string& path, bool present) {
        for (int i = 0; i < 100; ++i) {
            if ((GetFileAttributesW(widen(path).c_str()) != INVALID_FILE_ATTRIBUTES) == present) return;
            Sleep(50);
        }
    }

    HANDLE create(const std::string& path, DWORD access) {
        HANDLE h = CreateFileW(widen(path).c_str(), access, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        check(h != INVALID_HANDLE_VALUE, "creating " + path);
        return h;
    }

    std::vector<std::string> folderLinks_;
    platform::win32::Win32FileSystem fs_;
    platform::win32::Win32Registry registry_;
    platform::win32::Win32SystemInfo system_;
    platform::win32::Win32Clock clock_;
    platform::win32::Win32Clipboard clipboard_;
    platform::win32::Win32ShellLinks links_;
    std::string root_;
    std::string key_;
    std::map<std::string, Handle> locks_;
};

}  // namespace

std::unique_ptr<ContractEnv> makeContractEnv() { return std::make_unique<Win32Env>(); }

}  // namespace kefelo::contract
