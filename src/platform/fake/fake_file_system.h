#pragma once
// An in-memory file tree for tests: attributes, sizes, times, listing order (the order in
// which entries were added), locked files, short names, unlistable folders and refused
// writes. Paths compare without regard to letter case, as on Windows. Network shares
// ("\\server\share\...") come into being when something is added under them; the "\\?\"
// and "\\?\UNC\" prefixes reach the same folders as the plain forms.
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace kefelo::platform::fake {

class FakeFileSystem : public FileSystem {
public:
    FakeFileSystem();
    ~FakeFileSystem() override;

    // --- building the tree (parents are created as needed) ---
    void addDirectory(const std::string& path, uint32_t attributes = attr::kDirectory, int64_t lastWriteUtc = 0);
    void addFile(const std::string& path, const std::string& content = "", uint32_t attributes = attr::kArchive,
                 int64_t lastWriteUtc = 0);
    // A file whose reported size is given without holding that many bytes.
    void addFileOfSize(const std::string& path, uint64_t size, uint32_t attributes = attr::kArchive,
                       int64_t lastWriteUtc = 0);
    // Another program holds the file open without sharing: delete, move, read and copy fail
    // with error 32 (sharing violation); writeFileAtomic, a rename over it, fails with 5.
    void setLocked(const std::string& path, bool locked);
    void setShortName(const std::string& path, const std::string& shortName);
    // A folder that cannot be listed (access denied); find() on it still works.
    void setListable(const std::string& path, bool listable);
    // Creating, writing or deleting anything directly inside this folder fails with error 5.
    void setWritable(const std::string& folder, bool writable);
    // Every drive is full: writing any bytes fails with error 112 and leaves the old file
    // as it was. Deleting, and writing an empty file, still work.
    void setDiskFull(bool full);
    void addDrive(char letter, DriveType type, DiskSpace space, const std::string& label);
    // A junction at `path` (a folder entry with the reparse-point attribute) that leads to
    // `target`; the target need not exist.
    void addLink(const std::string& path, const std::string& target);
    // A second drive letter for an existing folder, as `subst` or a second Wine drive makes.
    void addDriveAlias(char letter, const std::string& target);
    // A share ("server\share") that leads to an existing folder, as an administrative share
    // does; identify() reports the share's spelling with the folder's own ids, as Windows
    // reports a folder opened over the network.
    void addShareAlias(const std::string& serverShare, const std::string& target);
    // identify() fails on this entry (access denied), as on a folder that cannot be opened.
    void setIdentifiable(const std::string& path, bool identifiable);
    // Whether deleteAtRestart is granted, as it is to an administrator's process only.
    bool restartDeletesAllowed = true;
    // What deleteAtRestart registered, in order.
    std::vector<std::string> pendingRestartDeletes;
    // The next start of the system: the registered files go, as far as they still exist.
    void restartSystem();

    // --- inspecting ---
    bool exists(const std::string& path) const;
    std::optional<std::string> content(const std::string& path) const;
    // Names directly inside a folder, in listing order.
    std::vector<std::string> namesIn(const std::string& folder) const;
    // Counts of calls, for tests that check a walk does not touch the disk twice.
    int listCalls() const;

    // --- FileSystem ---
    // Listings carry no short names, as a basic-information listing on Windows; find()
    // does. Paths may use a short name that was set.
    std::unique_ptr<Listing> list(const std::string& pattern) override;
    std::optional<DirEntry> find(const std::string& path) override;
    std::optional<uint32_t> getAttributes(const std::string& path) override;
    bool setAttributes(const std::string& path, uint32_t attributes) override;
    bool fileExists(const std::string& path) override;
    bool directoryExists(const std::string& path) override;
    bool deleteFile(const std::string& path) override;
    bool removeDirectory(const std::string& path) override;
    bool createDirectory(const std::string& path) override;
    bool moveFile(const std::string& from, const std::string& to) override;
    bool copyFile(const std::string& from, const std::string& to, bool failIfExists) override;
    bool deleteAtRestart(const std::string& path) override;
    std::optional<FolderIdentity> identify(const std::string& path) override;
    std::string shortPath(const std::string& path) override;
    std::optional<std::string> readFile(const std::string& path) override;
    bool writeFileAtomic(const std::string& path, const std::string& bytes) override;
    // The file beside is a visible entry named "<target>.<n>.tmp" until it is renamed or
    // dropped.
    std::unique_ptr<AtomicWriter> beginAtomicWrite(const std::string& path) override;
    std::string currentDirectory() override;
    bool setCurrentDirectory(const std::string& path) override;
    uint32_t logicalDrives() override;
    DriveType driveType(const std::string& root) override;
    std::optional<DiskSpace> diskSpace(const std::string& root) override;
    std::optional<std::string> volumeLabel(const std::string& root) override;
    uint32_t lastError() override;

private:
    struct Impl;
    class Writer;
    std::unique_ptr<Impl> impl_;
};

}  // namespace kefelo::platform::fake
