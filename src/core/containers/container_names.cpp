#include "core/containers/container_names.h"

#include <array>

#include "base/text/codec.h"

namespace kefelo::containers {

std::string_view lastPathComponent(std::string_view path) {
    const size_t slash = path.find_last_of('\\');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

bool isStandardContainerName(std::string_view path) {
    static constexpr std::array<std::string_view, 4> kNames = {"temp", "templates", "temporary internet files",
                                                               "cookies"};
    const std::string name = text::lower(lastPathComponent(path));
    for (std::string_view standard : kNames) {
        if (name == standard) return true;
    }
    return false;
}

bool folderExists(platform::FileSystem& fs, std::string_view path) {
    if (path.empty()) return false;
    std::string folder(path);
    if (folder.size() == 2 && folder[1] == ':') folder += '\\';
    return fs.directoryExists(folder);
}

}  // namespace kefelo::containers
