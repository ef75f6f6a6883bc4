#include "platform/win32/win32_shell_links.h"

#include <windows.h>
// The shell headers need the definitions above.
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "platform/win32/wide.h"

namespace kefelo::platform::win32 {
namespace {

// The shell's own identifiers, spelled out so that no import library of GUIDs is needed.
constexpr CLSID kShellLink = {0x00021401, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kShellLinkW = {0x000214F9, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kPersistFile = {0x0000010B, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr KNOWNFOLDERID kDesktop = {0xB4BFCC3A, 0xDB2C, 0x424C, {0xB0, 0x29, 0x7F, 0xE9, 0x9A, 0x87, 0xC6, 0x41}};
constexpr KNOWNFOLDERID kStartMenu = {0x625B53C3, 0xAB48, 0x4EC1, {0xBA, 0x1F, 0xA1, 0xEF, 0x41, 0x46, 0xFC, 0x19}};
constexpr KNOWNFOLDERID kPrograms = {0xA77F5D77, 0x2E2B, 0x44C3, {0xA6, 0xA2, 0xAB, 0xA6, 0x01, 0x05, 0x4A, 0x51}};
constexpr KNOWNFOLDERID kStartup = {0xB97D20BB, 0xF46A, 0x4C97, {0xBA, 0x10, 0x5E, 0x36, 0x08, 0x43, 0x08, 0x54}};

// COM for the length of one call; a thread that already has it keeps its own.
class ComScope {
public:
    ComScope() : hr_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope() {
        if (SUCCEEDED(hr_)) CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    HRESULT hr_;
};

template <class T>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() {
        if (p_) p_->Release();
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    T* operator->() const { return p_; }
    T* get() const { return p_; }
    void** out() { return reinterpret_cast<void**>(&p_); }

private:
    T* p_ = nullptr;
};

// The link object with its file interface, or empty pointers when the shell has none.
struct LinkObject {
    ComPtr<IShellLinkW> link;
    ComPtr<IPersistFile> file;
    bool make() {
        if (FAILED(CoCreateInstance(kShellLink, nullptr, CLSCTX_INPROC_SERVER, kShellLinkW, link.out()))) return false;
        return SUCCEEDED(link->QueryInterface(kPersistFile, file.out()));
    }
};

}  // namespace

std::optional<std::string> Win32ShellLinks::knownFolder(KnownFolder folder) {
    const KNOWNFOLDERID* id = &kDesktop;
    switch (folder) {
        case KnownFolder::Desktop:
            break;
        case KnownFolder::StartMenu:
            id = &kStartMenu;
            break;
        case KnownFolder::Programs:
            id = &kPrograms;
            break;
        case KnownFolder::Startup:
            id = &kStartup;
            break;
    }
    PWSTR path = nullptr;
    const HRESULT hr = SHGetKnownFolderPath(*id, KF_FLAG_CREATE, nullptr, &path);
    std::optional<std::string> result;
    if (SUCCEEDED(hr) && path && *path) {
        std::wstring text = path;
        while (text.size() > 3 && text.back() == L'\\') text.pop_back();
        result = narrow(text);
    }
    CoTaskMemFree(path);
    return result;
}

bool Win32ShellLinks::create(const std::string& linkPath, const ShellLink& link) {
    const ComScope com;
    LinkObject object;
    if (!object.make()) return false;
    if (FAILED(object.link->SetPath(widen(link.target).c_str())) ||
        FAILED(object.link->SetArguments(widen(link.arguments).c_str())) ||
        FAILED(object.link->SetDescription(widen(link.description).c_str())) ||
        FAILED(object.link->SetWorkingDirectory(widen(link.workingDirectory).c_str()))) {
        return false;
    }
    // Saved as a copy: the object does not take the file as its own.
    return SUCCEEDED(object.file->Save(widen(linkPath).c_str(), FALSE));
}

std::optional<ShellLink> Win32ShellLinks::read(const std::string& linkPath) {
    const ComScope com;
    LinkObject object;
    if (!object.make() || FAILED(object.file->Load(widen(linkPath).c_str(), STGM_READ))) return std::nullopt;
    ShellLink result;
    // Descriptions and arguments may be longer than a path; INFOTIPSIZE bounds them all.
    wchar_t buffer[INFOTIPSIZE + 1];
    const auto take = [&](HRESULT hr, std::string& into) {
        buffer[INFOTIPSIZE] = L'\0';
        if (hr == S_OK) into = narrow(buffer);
    };
    buffer[0] = L'\0';
    take(object.link->GetPath(buffer, INFOTIPSIZE, nullptr, SLGP_RAWPATH), result.target);
    buffer[0] = L'\0';
    take(object.link->GetArguments(buffer, INFOTIPSIZE), result.arguments);
    buffer[0] = L'\0';
    take(object.link->GetWorkingDirectory(buffer, INFOTIPSIZE), result.workingDirectory);
    buffer[0] = L'\0';
    take(object.link->GetDescription(buffer, INFOTIPSIZE), result.description);
    return result;
}

bool Win32ShellLinks::remove(const std::string& linkPath) {
    const std::wstring path = widen(linkPath);
    if (DeleteFileW(path.c_str())) return true;
    if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) return false;
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

}  // namespace kefelo::platform::win32
