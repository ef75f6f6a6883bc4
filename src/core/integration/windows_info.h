#pragma once
// Two small questions about the running Windows, asked by the start-up, the ZIP window,
// the Explorer verb and the uninstaller.
#include <functional>
#include <string>

#include "platform/registry.h"
#include "platform/system_info.h"

namespace kefelo::integration {

// Locale kinds `GetWindowsLanguage` is asked for.
inline constexpr unsigned kLanguageName = 2;
inline constexpr unsigned kLanguageAbbreviation = 3;

// The user's locale text of the kind, lower-cased: "hun" for kind 3 on a Hungarian Windows.
std::string GetWindowsLanguage(platform::SystemInfo& sys, unsigned kind);

// "Windows 3.1", "9x", the product name of an NT-family Windows, or "nt" when it has none.
// The line "Windows verzio: " + the result goes to the diagnostic console.
std::string GetWindowsVersion(platform::SystemInfo& sys, platform::Registry& registry,
                              const std::function<void(const std::string&)>& console);

}  // namespace kefelo::integration
