#include "core/cleaning/container_emptying.h"

#include <memory>
#include <vector>

#include "core/cleaning/undeletable_batch.h"
#include "base/text/codec.h"

namespace kefelo::cleaning {
namespace {

namespace attr = platform::attr;

bool isDotEntry(const std::string& name) { return name == "." || name == ".."; }
bool isFolder(const platform::DirEntry& entry) { return (entry.attributes & attr::kDirectory) != 0; }

}  // namespace

// One folder of sub-folder emptying whose entries are being gone through. The folders
// are kept on an explicit stack: a tree nested thousands of levels deep must not
// overflow the call stack.
struct ContainerEmptying::Frame {
    std::string path;  // without trailing backslash
    std::unique_ptr<platform::Listing> listing;
    // The sub-folder just emptied, to be removed when it is left empty.
    std::string child;
    bool returningFromChild = false;
};

ContainerEmptying::ContainerEmptying(const EmptyingEnvironment& env, RunRecord& record, EmptyingMode mode)
    : env_(env), record_(record), mode_(mode), ownRule_(env.config, 0, 0) {}

bool ContainerEmptying::active() const {
    switch (mode_) {
        case EmptyingMode::CleaningRun:
            return env_.Search.Tag == app::Activity::Cleaning;
        case EmptyingMode::SystemStores:
            return env_.Search.Tag == app::Activity::SystemStores;
        case EmptyingMode::Preview:
            return env_.Search.Tag == app::Activity::CleaningPreview;
    }
    return false;
}

bool ContainerEmptying::goes(const std::string& folder, const platform::DirEntry& entry) {
    const RunFileRule& rule = env_.rule ? *env_.rule : ownRule_;
    const RunFileVerdict verdict = rule.judge(entry.name, entry.attributes, entry.lastWriteUtc);
    if (verdict == RunFileVerdict::TooFresh && env_.keptFresh) {
        env_.keptFresh->insert(text::asciiUpper(folder.back() == '\\' ? folder + entry.name : folder + "\\" + entry.name));
    }
    return verdict == RunFileVerdict::Delete;
}

void ContainerEmptying::listForPreview(const std::string& folder, const platform::DirEntry& entry) {
    if (!env_.preview) return;
    search::TFilePack pack;
    pack.Name = entry.name;
    pack.Folder.reserve(folder.size() + 1);
    pack.Folder = folder;
    if (folder.back() != '\\') pack.Folder += '\\';
    pack.Size = static_cast<int64_t>(entry.size);
    pack.Attr = entry.attributes;
    pack.LastWriteUtc = entry.lastWriteUtc;
    env_.preview->push_back(std::move(pack));
}

void ContainerEmptying::recycleLater(const std::string& fullPath, const platform::DirEntry& entry) {
    env_.recycle->add({fullPath, static_cast<int64_t>(entry.size), entry.attributes});
}

void ContainerEmptying::showOnSplash(const std::string& path) {
    env_.frame.setSplashPath(env_.fs.shortPath(path), path);
}

void ContainerEmptying::recordUndeletable(const std::string& fullPath, int64_t size) {
    record_.writer.undeletableFile(fullPath, size);
    record_.addContainerUndeletable(containerUndeletableEntry(fullPath, size));
    addUndeletableToBatch(env_.fs, record_, fullPath);
}

void ContainerEmptying::recordDeleted(const std::string& fullPath, int64_t size) {
    record_.writer.deletedFile(fullPath, size);
}

// A folder whose removal fails keeps its attributes: it stays, so nothing about it may
// change.
void ContainerEmptying::removeIfEmpty(const std::string& path, uint32_t attributes, bool onlyNewLine) {
    env_.fs.setAttributes(path, 0);
    if (!env_.fs.removeDirectory(path)) {
        env_.fs.setAttributes(path, attributes);
        return;
    }
    // Like every other line, only in a cleaning run (not for the system stores).
    if (!env_.config.check_viewalerts || !logging()) return;
    if (onlyNewLine && record_.log.hasLine(record_.writer.folderRemovedText(path))) return;
    record_.writer.folderRemoved(path);
}

bool ContainerEmptying::clearBlockingAttributes(const std::string& path, uint32_t attributes) {
    constexpr uint32_t kBlocking = attr::kReadOnly | attr::kHidden | attr::kSystem;
    if ((attributes & kBlocking) == 0) return false;
    env_.fs.setAttributes(path, 0);
    return true;
}

void ContainerEmptying::emptyContainer(const std::string& folder, const std::string& mask, bool recurse) {
    const bool splashEveryEntry = env_.commandLine.isAutoRun();
    const bool splashFolders = env_.commandLine.isAutoStart();
    platform::DirEntry entry;
    if (std::unique_ptr<platform::Listing> listing = env_.fs.list(folder + mask)) {
        while (active() && listing->next(entry)) {
            // "." and ".." are the folder itself and its parent, which are not ours to touch.
            if (isDotEntry(entry.name)) continue;
            const std::string path = folder + entry.name;
            const bool folderEntry = isFolder(entry);
            if (splashEveryEntry || (splashFolders && folderEntry)) showOnSplash(path);
            env_.view.setLastPathText(path);
            // Folders cannot be deleted as files; the second pass empties them.
            if (!folderEntry && !goes(folder, entry)) continue;
            env_.pump.pumpWhenDue();
            if (!active()) break;
            if (folderEntry) continue;
            if (mode_ == EmptyingMode::Preview) {
                listForPreview(folder, entry);
                continue;
            }
            if (env_.recycle && logging()) {
                recycleLater(path, entry);
                continue;
            }

            // The listing already told the attributes; only the bits that can stand in the
            // way are worth a call to clear (each call is a round trip to the file system).
            const bool cleared = clearBlockingAttributes(path, entry.attributes);
            const bool deleted = env_.fs.deleteFile(path);
            const auto size = static_cast<int64_t>(entry.size);
            if (deleted) {
                record_.containerTotal += size;
                record_.deletedFiles += 1;
            }
            if (logging()) {
                if (deleted) {
                    recordDeleted(path, size);
                } else {
                    recordUndeletable(path, size);
                }
            }
            if (!deleted && cleared) env_.fs.setAttributes(path, entry.attributes);
        }
    }
    // The folder's files are settled before its sub-folders are looked at.
    if (env_.recycle) env_.recycle->settle(active());
    if (!recurse) return;

    std::unique_ptr<platform::Listing> listing = env_.fs.list(folder + "*.*");
    if (!listing) return;
    while (active() && listing->next(entry)) {
        if (isDotEntry(entry.name)) continue;
        env_.pump.pumpWhenDue();
        // Files left over by the first pass hold nothing to empty.
        if (!isFolder(entry)) continue;
        emptySubFolder(folder + entry.name);
    }
}

void ContainerEmptying::emptySubFolder(std::string path) {
    if (!path.empty() && path.back() == '\\') path.pop_back();
    const bool automatic = env_.commandLine.isAutomatic();
    std::vector<Frame> frames;
    // Junctions and symbolic links lead out of the tree, perhaps into the system's own
    // folders: they are never emptied through, only the link itself may be removed.
    const auto open = [&](std::string folder, uint32_t attributes) {
        Frame frame;
        frame.path = std::move(folder);
        if ((attributes & attr::kReparsePoint) == 0) frame.listing = env_.fs.list(frame.path + "\\*.*");
        frames.push_back(std::move(frame));
    };
    const uint32_t rootAttributes = env_.fs.getAttributes(path).value_or(0);
    open(std::move(path), rootAttributes);

    platform::DirEntry entry;
    while (!frames.empty()) {
        Frame& frame = frames.back();
        if (frame.returningFromChild) {
            frame.returningFromChild = false;
            if (active() && env_.config.check_deleteemptyfolder && mode_ != EmptyingMode::Preview) {
                if (std::optional<uint32_t> attributes = env_.fs.getAttributes(frame.child)) {
                    removeIfEmpty(frame.child, *attributes, false);
                }
            }
        }
        if (!frame.listing || !active() || !frame.listing->next(entry)) {
            // Files still on their way to the bin would keep the folder from being empty.
            if (env_.recycle) env_.recycle->settle(active());
            // The end steps: the folder goes when it was left empty, but never the root
            // of the container being emptied.
            if (active() && frame.path != record_.currentContainerRoot && env_.config.check_deleteemptyfolder &&
                mode_ != EmptyingMode::Preview) {
                if (std::optional<uint32_t> attributes = env_.fs.getAttributes(frame.path)) {
                    removeIfEmpty(frame.path, *attributes, true);
                }
            }
            frames.pop_back();
            continue;
        }
        if (isDotEntry(entry.name)) continue;
        env_.pump.pumpWhenDue();
        if (!active()) {
            // Halted: this folder is left as it is.
            env_.Search.Stop();
            frames.pop_back();
            continue;
        }
        // The preview lists its files before any path is put together: it takes every file
        // of the tree, so each allocation shows.
        if (!isFolder(entry) && mode_ == EmptyingMode::Preview) {
            if (goes(frame.path, entry)) listForPreview(frame.path, entry);
            continue;
        }
        std::string full = frame.path + "\\" + entry.name;
        if (!isFolder(entry)) {
            if (!goes(frame.path, entry)) continue;
            if (env_.recycle && logging()) {
                recycleLater(full, entry);
                continue;
            }
            const bool cleared = clearBlockingAttributes(full, entry.attributes);
            // A delete that reports failure may still have taken the file (it can vanish
            // meanwhile), so only then is the path looked up again. A reported success
            // counts as deleted: a file another program holds open for deletion goes as
            // soon as that program lets it go.
            const bool deleted = env_.fs.deleteFile(full) || !env_.fs.getAttributes(full).has_value();
            const auto size = static_cast<int64_t>(entry.size);
            if (deleted || !logging()) {
                if (logging()) {
                    record_.containerTotal += size;
                    record_.deletedFiles += 1;
                    recordDeleted(full, size);
                }
            } else {
                recordUndeletable(full, size);
            }
            if (!deleted && cleared) env_.fs.setAttributes(full, entry.attributes);
            continue;
        }
        if (automatic) showOnSplash(full);
        env_.view.setLastPathText(full);
        frame.child = full;
        frame.returningFromChild = true;
        open(std::move(full), entry.attributes);  // may grow frames: `frame` is not used after this
    }
}

}  // namespace kefelo::cleaning
