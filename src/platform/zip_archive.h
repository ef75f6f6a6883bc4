#pragma once
// Writing a ZIP archive of files on disk and reading one back to check it. The archive is
// written to a temporary file beside it and takes the place of an older file of the same
// name only when it is complete, so a failed or abandoned archive never costs the old one.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kefelo::platform {

enum class ZipAddResult {
    Stored,   // it will be written when the archive closes
    Skipped,  // cannot be opened for reading: left out, the archive goes on without it
    Failed,   // the library refused it: the archive counts as failed
};

struct ZipCloseResult {
    bool ok = false;
    // The writing was cancelled: the archive was finished with the first `kept` entries.
    bool cancelled = false;
    size_t kept = 0;
};

class ZipWriter {
public:
    virtual ~ZipWriter() = default;
    // Entry names are relative and use "/"; names with other than ASCII characters are
    // marked as UTF-8. Stored with deflate at the normal level, or as they are when that
    // is smaller.
    virtual ZipAddResult addFile(const std::string& sourcePath, const std::string& entryName) = 0;
    // Writes the archive with the comment (ASCII) made for the number of entries it holds.
    // `progress` is called with the share done (0..1) and returns false to cancel; after a
    // cancel the entries written so far are kept and the archive is finished with them.
    virtual ZipCloseResult close(const std::function<bool(double)>& progress,
                                 const std::function<std::string(size_t entries)>& comment) = 0;
};

// One entry as read back from a written archive.
struct ZipEntryCheck {
    std::string name;
    uint64_t size = 0;
    uint32_t crc = 0;
    // Its data could be read to the end and matched its stored CRC and size.
    bool intact = false;
};

struct FileDigest {
    uint64_t size = 0;
    uint32_t crc = 0;
};

class ZipArchives {
public:
    virtual ~ZipArchives() = default;
    // nullptr when the archive cannot be started at that path.
    virtual std::unique_ptr<ZipWriter> create(const std::string& path) = 0;
    // Every entry, its data read through; nullopt when the file is no readable archive.
    // `keepGoing`, when given, is called after each entry; false stops the reading, and
    // the result is nullopt then too.
    virtual std::optional<std::vector<ZipEntryCheck>> readBack(const std::string& path,
                                                               const std::function<bool()>& keepGoing) = 0;
    // Size and CRC-32 of a file on disk; nullopt when it cannot be read.
    virtual std::optional<FileDigest> digest(const std::string& path) = 0;
};

}  // namespace kefelo::platform
