#include "core/integration/run_key.h"

#include <optional>

#include "core/integration/program_command.h"

namespace kefelo::integration {

std::string runValueData(const std::string& executablePath) { return "\"" + executablePath + "\" /a"; }

bool checked_startupwithwindowsClick(const config::ConfigModel& config, platform::Registry& registry,
                                     const std::string& executablePath) {
    const std::string key(kRunKey), name(kRunValueName);
    if (config.checked_startupwithwindows || config.check_autorun) {
        return registry.writeString(platform::RegistryRoot::CurrentUser, key, name, runValueData(executablePath));
    }
    return removeStartWithWindows(registry);
}

bool removeStartWithWindows(platform::Registry& registry) {
    const std::string key(kRunKey), name(kRunValueName);
    if (!registry.readString(platform::RegistryRoot::CurrentUser, key, name)) return true;
    return registry.deleteValue(platform::RegistryRoot::CurrentUser, key, name) ||
           !registry.readString(platform::RegistryRoot::CurrentUser, key, name);
}

bool removeOwnStartWithWindows(platform::Registry& registry, const std::string& executablePath) {
    const std::optional<std::string> command =
        registry.readString(platform::RegistryRoot::CurrentUser, std::string(kRunKey), std::string(kRunValueName));
    if (!command || !commandStartsProgram(*command, executablePath)) return true;
    return removeStartWithWindows(registry);
}

}  // namespace kefelo::integration
