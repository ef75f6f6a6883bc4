#pragma once
// The ZIP reader over libzip.
#include "platform/zip_reader.h"

namespace kefelo::platform::win32 {

class Win32ZipReader : public ZipReader {
public:
    std::unique_ptr<ZipArchive> open(const std::string& path) override;
};

}  // namespace kefelo::platform::win32
