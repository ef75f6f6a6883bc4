#include "platform/win32/wide.h"

#include "base/text/codec.h"

namespace kefelo::platform::win32 {

std::wstring widen(std::string_view s) {
    std::wstring out;
    out.reserve(s.size());
    size_t i = 0;
    while (i < s.size()) {
        char32_t cp = text::nextCodePoint(s, i);
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<wchar_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<wchar_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<wchar_t>(cp));
        }
    }
    return out;
}

std::string narrow(std::wstring_view w) {
    std::string out;
    out.reserve(w.size());
    for (size_t i = 0; i < w.size(); ++i) {
        char32_t cp = static_cast<char16_t>(w[i]);
        if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < w.size()) {
            char32_t low = static_cast<char16_t>(w[i + 1]);
            if (low >= 0xDC00 && low < 0xE000) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        // A surrogate without its partner is written in the three-byte form like any
        // other code unit, so widen() gives it back unchanged.
        text::appendUtf8(out, cp);
    }
    return out;
}

}  // namespace kefelo::platform::win32
