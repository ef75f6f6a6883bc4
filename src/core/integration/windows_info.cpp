#include "core/integration/windows_info.h"

#include "base/text/codec.h"

namespace kefelo::integration {

std::string GetWindowsLanguage(platform::SystemInfo& sys, unsigned kind) { return text::lower(sys.localeInfo(kind)); }

std::string GetWindowsVersion(platform::SystemInfo& sys, platform::Registry& registry,
                              const std::function<void(const std::string&)>& console) {
    std::string version;
    switch (sys.platformId()) {
        case 0:
            version = "Windows 3.1";
            break;
        case 1:
            version = registry
                          .readString(platform::RegistryRoot::LocalMachine,
                                      "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "ProductName")
                          .value_or("");
            break;
        case 2:
            version = registry
                          .readString(platform::RegistryRoot::LocalMachine,
                                      "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "ProductName")
                          .value_or("");
            break;
        default:
            break;
    }
    if (version.find("95") != std::string::npos || version.find("98") != std::string::npos) version = "9x";
    if (version.empty()) version = "nt";
    if (console) console("Windows verzio: " + version);
    return version;
}

}  // namespace kefelo::integration
