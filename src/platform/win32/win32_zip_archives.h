#pragma once
// ZIP archives through libzip, with Windows paths in UTF-16 at every call.
#include "platform/zip_archive.h"

namespace kefelo::platform::win32 {

class Win32ZipArchives : public ZipArchives {
public:
    std::unique_ptr<ZipWriter> create(const std::string& path) override;
    std::optional<std::vector<ZipEntryCheck>> readBack(const std::string& path,
                                                       const std::function<bool()>& keepGoing) override;
    std::optional<FileDigest> digest(const std::string& path) override;
};

}  // namespace kefelo::platform::win32
