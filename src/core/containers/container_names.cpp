#include "core/containers/container_names.h"

#include "base/text/codec.h"
#include "core/cleaning/protected_locations.h"

namespace kefelo::containers {

std::string_view lastPathComponent(std::string_view path) {
    const size_t slash = path.find_last_of('\\');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

bool isStandardContainerName(std::string_view path) {
    return cleaning::isStandardContainerFolderName(lastPathComponent(path));
}

bool folderExists(platform::FileSystem& fs, std::string_view path) {
    if (path.empty()) return false;
    std::string folder(path);
    if (folder.size() == 2 && folder[1] == ':') folder += '\\';
    return fs.directoryExists(folder);
}

}  // namespace kefelo::containers
