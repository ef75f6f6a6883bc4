#pragma once
// File system as the program needs it. Paths are UTF-8 with Windows separators.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace kefelo::platform {

namespace attr {
constexpr uint32_t kReadOnly = 0x01;
constexpr uint32_t kHidden = 0x02;
constexpr uint32_t kSystem = 0x04;
constexpr uint32_t kVolume = 0x08;
constexpr uint32_t kDirectory = 0x10;
constexpr uint32_t kArchive = 0x20;
constexpr uint32_t kNormal = 0x80;
constexpr uint32_t kReparsePoint = 0x400;
}  // namespace attr

// One directory entry as the listing reports it.
struct DirEntry {
    std::string name;         // long name
    std::string shortName;    // 8.3 alias, empty when the volume gives none
    uint32_t attributes = 0;
    uint64_t size = 0;        // full 64-bit size
    int64_t lastWriteUtc = 0; // FILETIME ticks, UTC
};

// A listing in progress; entries come in the file system's own order.
class Listing {
public:
    virtual ~Listing() = default;
    virtual bool next(DirEntry& entry) = 0;
};

enum class DriveType { Unknown = 0, NoRootDir = 1, Removable = 2, Fixed = 3, Remote = 4, CdRom = 5, RamDisk = 6 };

// What a folder is, whatever name reached it: a second drive letter, a share or a link
// above it all lead to the same identity.
struct FolderIdentity {
    // The path the system resolves the open folder to, without the "\\?\" prefix
    // ("C:\Windows", "\\server\share\x").
    std::string finalPath;
    uint32_t volumeSerial = 0;
    uint64_t fileId = 0;
};

struct DiskSpace {
    uint64_t freeToCaller = 0;
    uint64_t total = 0;
    uint64_t totalFree = 0;
};

// A file written in pieces into a new file beside its target; it takes the target's name
// only at commit(), so nobody ever sees it half written. Dropped without a commit, it leaves
// nothing behind. It must not outlive the file system that made it.
class AtomicWriter {
public:
    virtual ~AtomicWriter() = default;
    // Appends the bytes; false when they could not all be written (commit() then fails).
    virtual bool write(std::string_view bytes) = 0;
    // Puts the bytes on the disk and renames the file over the target, which it refuses
    // for a read-only target, as writeFileAtomic does. Only the first call can succeed.
    virtual bool commit() = 0;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Lists a pattern such as "C:\Temp\*.*". nullptr when the folder cannot be listed.
    virtual std::unique_ptr<Listing> list(const std::string& pattern) = 0;
    // Looks up one path (FindFirstFile on the path itself).
    virtual std::optional<DirEntry> find(const std::string& path) = 0;

    // nullopt when the path does not exist or cannot be read.
    virtual std::optional<uint32_t> getAttributes(const std::string& path) = 0;
    virtual bool setAttributes(const std::string& path, uint32_t attributes) = 0;
    virtual bool fileExists(const std::string& path) = 0;
    virtual bool directoryExists(const std::string& path) = 0;

    virtual bool deleteFile(const std::string& path) = 0;
    virtual bool removeDirectory(const std::string& path) = 0;
    virtual bool createDirectory(const std::string& path) = 0;
    virtual bool moveFile(const std::string& from, const std::string& to) = 0;
    virtual bool copyFile(const std::string& from, const std::string& to, bool failIfExists) = 0;
    // Has the system delete the file at its next start, before any program can hold it
    // (the NT family; needs an administrator's process). False when it was refused.
    virtual bool deleteAtRestart(const std::string& path) = 0;
    // Opens the file or folder (following links) and asks the system what it is; nullopt
    // when it cannot be opened.
    virtual std::optional<FolderIdentity> identify(const std::string& path) = 0;
    // The 8.3 form; the input unchanged when it cannot be had.
    virtual std::string shortPath(const std::string& path) = 0;

    // Whole-file read of raw bytes; nullopt on any failure. Files over 256 MiB are refused
    // (error 8): this is for the program's own small files.
    virtual std::optional<std::string> readFile(const std::string& path) = 0;
    // Replaces the file atomically (written beside, then renamed over the old one).
    virtual bool writeFileAtomic(const std::string& path, const std::string& bytes) = 0;
    // The same in pieces, for a file too big to hold in memory; nullptr when the file
    // beside the target cannot be created or the target is read-only.
    virtual std::unique_ptr<AtomicWriter> beginAtomicWrite(const std::string& path) = 0;

    virtual std::string currentDirectory() = 0;
    virtual bool setCurrentDirectory(const std::string& path) = 0;

    virtual uint32_t logicalDrives() = 0;  // bit 0 = A:
    virtual DriveType driveType(const std::string& root) = 0;
    virtual std::optional<DiskSpace> diskSpace(const std::string& root) = 0;
    virtual std::optional<std::string> volumeLabel(const std::string& root) = 0;

    // Error code of the last failed call (Windows error numbers: 2, 3, 5, 32, ...).
    virtual uint32_t lastError() = 0;
};

}  // namespace kefelo::platform
