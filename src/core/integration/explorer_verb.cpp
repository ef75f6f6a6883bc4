#include "core/integration/explorer_verb.h"

#include <optional>

#include "core/integration/program_command.h"

namespace kefelo::integration {
namespace {
using platform::RegistryRoot;

const std::string kUserKey(kVerbKey);
const std::string kCommandKey = kUserKey + "\\command";
}  // namespace

std::string_view verbCaption(std::string_view windowsLanguage) {
    return windowsLanguage == "hun" ? kVerbCaptionHungarian : kVerbCaptionOther;
}

std::string verbCommand(const std::string& executablePath) { return "\"" + executablePath + "\" \"%1\""; }

bool verbRegistered(platform::Registry& registry) {
    return registry.keyExists(RegistryRoot::CurrentUser, kUserKey) ||
           registry.keyExists(RegistryRoot::LocalMachine, kUserKey) ||
           registry.keyExists(RegistryRoot::ClassesRoot, std::string(kVerbClassesKey));
}

bool registerVerb(platform::Registry& registry, const std::string& executablePath, std::string_view windowsLanguage) {
    // Key names ignore letter case, so a "Command" left by an older copy is the same key.
    if (registry.writeString(RegistryRoot::CurrentUser, kUserKey, "", std::string(verbCaption(windowsLanguage))) &&
        registry.writeString(RegistryRoot::CurrentUser, kCommandKey, "", verbCommand(executablePath))) {
        return true;
    }
    // A caption without its command would be a menu item that does nothing.
    registry.deleteKey(RegistryRoot::CurrentUser, kUserKey);
    return false;
}

bool unregisterVerb(platform::Registry& registry) {
    // Each place on its own: a refused machine-wide delete must not keep the user's.
    for (RegistryRoot root : {RegistryRoot::CurrentUser, RegistryRoot::LocalMachine}) {
        if (registry.keyExists(root, kUserKey)) registry.deleteKey(root, kUserKey);
    }
    if (registry.keyExists(RegistryRoot::ClassesRoot, std::string(kVerbClassesKey))) {
        registry.deleteKey(RegistryRoot::ClassesRoot, std::string(kVerbClassesKey));
    }
    return !verbRegistered(registry);
}

bool unregisterOwnVerb(platform::Registry& registry, const std::string& executablePath) {
    bool left = false;
    const auto removeWhereOwn = [&](RegistryRoot root, const std::string& key) {
        if (!registry.keyExists(root, key)) return;
        const std::optional<std::string> command = registry.readString(root, key + "\\command", "");
        // A verb without a command starts nothing: it is no other copy's either.
        if (command && !commandStartsProgram(*command, executablePath)) return;
        registry.deleteKey(root, key);
        left = left || registry.keyExists(root, key);
    };
    removeWhereOwn(RegistryRoot::CurrentUser, kUserKey);
    removeWhereOwn(RegistryRoot::LocalMachine, kUserKey);
    removeWhereOwn(RegistryRoot::ClassesRoot, std::string(kVerbClassesKey));
    return !left;
}

}  // namespace kefelo::integration
