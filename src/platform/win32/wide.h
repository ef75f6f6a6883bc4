#pragma once
// UTF-8 <-> UTF-16 at the Windows boundary, WTF-8 style: lone surrogates survive the
// round trip so every name on an NTFS volume can be listed and deleted.
#include <string>
#include <string_view>

namespace kefelo::platform::win32 {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

}  // namespace kefelo::platform::win32
