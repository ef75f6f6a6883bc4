#include <windows.h>

#include <cstring>

#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"

namespace kefelo::platform::win32 {
namespace {

// Another program may hold the clipboard open for a moment (a clipboard viewer reading
// what we just put there); a few short tries get past that.
bool openClipboard(HWND owner) {
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (OpenClipboard(owner)) return true;
        Sleep(10);
    }
    return false;
}

struct ClipboardCloser {
    ClipboardCloser() = default;
    ClipboardCloser(const ClipboardCloser&) = delete;
    ClipboardCloser& operator=(const ClipboardCloser&) = delete;
    ~ClipboardCloser() { CloseClipboard(); }
};

// Data can be set only while a window owns the clipboard; a message-only window stands in
// for the caller's windows, so no caller has to pass one.
class OwnerWindow {
public:
    OwnerWindow() : hwnd_(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr)) {}
    OwnerWindow(const OwnerWindow&) = delete;
    OwnerWindow& operator=(const OwnerWindow&) = delete;
    ~OwnerWindow() {
        if (hwnd_) DestroyWindow(hwnd_);
    }
    HWND get() const { return hwnd_; }

private:
    HWND hwnd_;
};

}  // namespace

std::optional<std::string> Win32Clipboard::text() {
    // Windows offers every text format as Unicode text as well.
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !openClipboard(nullptr)) return std::nullopt;
    ClipboardCloser closer;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (!data) return std::nullopt;
    const auto* chars = static_cast<const wchar_t*>(GlobalLock(data));
    if (!chars) return std::nullopt;
    // Never past the block, even when the text lacks its terminating zero.
    const size_t capacity = GlobalSize(data) / sizeof(wchar_t);
    const std::wstring_view text(chars, wcsnlen(chars, capacity));
    std::string result = narrow(text);
    GlobalUnlock(data);
    return result;
}

bool Win32Clipboard::setText(const std::string& text) {
    const std::wstring wide = widen(text);
    const size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    OwnerWindow owner;
    if (!owner.get() || !openClipboard(owner.get())) return false;
    ClipboardCloser closer;
    if (!EmptyClipboard()) return false;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!block) return false;
    if (void* target = GlobalLock(block)) {
        std::memcpy(target, wide.c_str(), bytes);
        GlobalUnlock(block);
        // The clipboard owns the block from here on.
        if (SetClipboardData(CF_UNICODETEXT, block)) return true;
    }
    GlobalFree(block);
    return false;
}

}  // namespace kefelo::platform::win32
