#include "core/app/writability.h"

namespace kefelo::app {

bool isProgramDirectoryWritable(platform::FileSystem& fs, const std::string& directory) {
    std::string dir = directory;
    if (dir.empty() || (dir.back() != '\\' && dir.back() != '/')) dir += '\\';
    const std::string probe = dir + kWriteProbeFileName;
    if (fs.fileExists(probe) && !fs.deleteFile(probe)) return false;
    if (!fs.writeFileAtomic(probe, "1\r\n")) return false;
    return fs.deleteFile(probe);
}

}  // namespace kefelo::app
