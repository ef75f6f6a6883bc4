#include <windows.h>

#include <vector>

#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"

namespace kefelo::platform::win32 {
namespace {

HKEY hiveOf(RegistryRoot root) {
    switch (root) {
        case RegistryRoot::ClassesRoot:
            return HKEY_CLASSES_ROOT;
        case RegistryRoot::LocalMachine:
            return HKEY_LOCAL_MACHINE;
        case RegistryRoot::CurrentUser:
            break;
    }
    return HKEY_CURRENT_USER;
}

class Key {
public:
    Key() = default;
    ~Key() {
        if (key_) RegCloseKey(key_);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    HKEY* out() { return &key_; }
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

}  // namespace

std::optional<std::string> Win32Registry::readString(RegistryRoot root, const std::string& key,
                                                     const std::string& name) {
    Key k;
    if (RegOpenKeyExW(hiveOf(root), widen(key).c_str(), 0, KEY_QUERY_VALUE, k.out()) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::wstring valueName = widen(name);
    std::vector<wchar_t> buffer(256);
    for (;;) {
        DWORD type = 0;
        DWORD bytes = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
        LSTATUS rc = RegQueryValueExW(k.get(), valueName.c_str(), nullptr, &type,
                                      reinterpret_cast<BYTE*>(buffer.data()), &bytes);
        if (rc == ERROR_MORE_DATA) {
            buffer.resize(bytes / sizeof(wchar_t) + 1);
            continue;
        }
        if (rc != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
        // The stored terminator is optional; take the text up to the first zero.
        size_t chars = bytes / sizeof(wchar_t);
        std::wstring_view text(buffer.data(), chars);
        size_t zero = text.find(L'\0');
        if (zero != std::wstring_view::npos) text = text.substr(0, zero);
        return narrow(text);
    }
}

bool Win32Registry::writeString(RegistryRoot root, const std::string& key, const std::string& name,
                                const std::string& value) {
    Key k;
    if (RegCreateKeyExW(hiveOf(root), widen(key).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr,
                        k.out(), nullptr) != ERROR_SUCCESS) {
        return false;
    }
    std::wstring data = widen(value);
    DWORD bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(k.get(), widen(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                          bytes) == ERROR_SUCCESS;
}

bool Win32Registry::deleteValue(RegistryRoot root, const std::string& key, const std::string& name) {
    Key k;
    if (RegOpenKeyExW(hiveOf(root), widen(key).c_str(), 0, KEY_SET_VALUE, k.out()) != ERROR_SUCCESS) return false;
    return RegDeleteValueW(k.get(), widen(name).c_str()) == ERROR_SUCCESS;
}

bool Win32Registry::deleteKey(RegistryRoot root, const std::string& key) {
    if (key.empty()) return false;  // never the whole hive
    return RegDeleteTreeW(hiveOf(root), widen(key).c_str()) == ERROR_SUCCESS;
}

bool Win32Registry::keyExists(RegistryRoot root, const std::string& key) {
    Key k;
    return RegOpenKeyExW(hiveOf(root), widen(key).c_str(), 0, KEY_READ, k.out()) == ERROR_SUCCESS;
}

}  // namespace kefelo::platform::win32
