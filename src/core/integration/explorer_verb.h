#pragma once
// The item on the context menu of folders in Explorer that starts a search of the folder.
// It is written for the current user, where no administrator rights are needed; earlier
// copies may have left it machine-wide, so finding and removing it look in both places.
#include <string>
#include <string_view>

#include "platform/registry.h"

namespace kefelo::integration {

// Under HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE; Windows shows both merged under
// HKEY_CLASSES_ROOT as "Directory\shell\Kefelo".
inline constexpr std::string_view kVerbKey = "Software\\Classes\\Directory\\shell\\Kefelo";
inline constexpr std::string_view kVerbClassesKey = "Directory\\shell\\Kefelo";

inline constexpr std::string_view kVerbCaptionHungarian = "Ellenőrzés a Kefeló-val";
inline constexpr std::string_view kVerbCaptionOther = "Scan with Kefelo";

// The caption by `GetWindowsLanguage`(3): Hungarian only on a Hungarian Windows.
std::string_view verbCaption(std::string_view windowsLanguage);
// The command: the quoted executable and the quoted folder.
std::string verbCommand(const std::string& executablePath);

// Whether the verb is there, per user, machine-wide or in the merged view. Only reads.
bool verbRegistered(platform::Registry& registry);
// Writes the verb for the current user with its caption and command. False when the
// registry refused; then no half-written verb is left.
bool registerVerb(platform::Registry& registry, const std::string& executablePath, std::string_view windowsLanguage);
// Removes the verb from every place it may have been written. True when none is left.
bool unregisterVerb(platform::Registry& registry);
// Removes the verb only where its command starts this executable; another copy's verb
// stays. True when no verb of this program is left.
bool unregisterOwnVerb(platform::Registry& registry, const std::string& executablePath);

}  // namespace kefelo::integration
