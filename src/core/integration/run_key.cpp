#include "core/integration/run_key.h"

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

}  // namespace kefelo::integration
