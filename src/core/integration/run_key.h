#pragma once
// Start with Windows: one value in the current user's Run key, shared by the tray start
// and the automatic cleaning, so that either option keeps it while the other goes off.
#include <string>
#include <string_view>

#include "core/config/config_model.h"
#include "platform/registry.h"

namespace kefelo::integration {

inline constexpr std::string_view kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
// The application title names the value.
inline constexpr std::string_view kRunValueName = "Kefeló";

// What Windows runs: the executable with the switch of the start-up days rule. The path
// is quoted: unquoted, a blank in it would let Windows start "C:\Program.exe" instead.
std::string runValueData(const std::string& executablePath);

// `checked_startupwithwindowsClick`: the value is written while the tray start or the
// automatic cleaning is on and deleted when both are off. False when the registry
// refused the write; a delete of a value that is not there is no failure.
bool checked_startupwithwindowsClick(const config::ConfigModel& config, platform::Registry& registry,
                                     const std::string& executablePath);

// The value goes, whatever form of the command it holds (older copies wrote the path
// unquoted). True when it is not there afterwards.
bool removeStartWithWindows(platform::Registry& registry);
// The value goes only when it starts this executable: another copy's start stays. True
// when no value of this program is left.
bool removeOwnStartWithWindows(platform::Registry& registry, const std::string& executablePath);

}  // namespace kefelo::integration
