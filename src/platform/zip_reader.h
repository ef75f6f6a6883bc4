#pragma once
// Reading the entries of a ZIP archive (the update's archive).
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kefelo::platform {

struct ZipEntryInfo {
    std::string name;  // as stored, "/" between folders
    uint64_t size = 0;
    bool directory = false;
};

class ZipArchive {
public:
    virtual ~ZipArchive() = default;
    virtual const std::vector<ZipEntryInfo>& entries() const = 0;
    // The whole uncompressed entry, checked against its CRC; nullopt on any error.
    virtual std::optional<std::string> read(size_t index) = 0;
};

class ZipReader {
public:
    virtual ~ZipReader() = default;
    // nullptr when the file is missing or not a readable archive. The archive's file is
    // closed when the returned object goes.
    virtual std::unique_ptr<ZipArchive> open(const std::string& path) = 0;
};

}  // namespace kefelo::platform
