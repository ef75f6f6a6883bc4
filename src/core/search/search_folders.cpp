#include "core/search/search_folders.h"

#include <memory>

#include "core/search/compiled_mask_set.h"
#include "core/search/message_pump.h"
#include "base/time/datetime.h"

namespace kefelo::search {
namespace {

// DOS dates cover 1980..2107 only; times outside are pinned to the nearest end instead
// of wrapping into a meaningless date.
uint32_t dosDateTime(int64_t localTicks) {
    timeutil::CivilTime t = timeutil::toCivil(timeutil::fromFileTime(localTicks));
    if (t.year < 1980) t = {1980, 1, 1, 0, 0, 0, 0};
    if (t.year > 2107) t = {2107, 12, 31, 23, 59, 58, 0};
    return timeutil::toDosDateTime(t);
}

bool isDotEntry(const std::string& name) {
    // An empty name would make a folder its own child, so it is skipped with the dots.
    return name.empty() || name == "." || name == "..";
}

}  // namespace

// The state of one walk. It lives on Execute's stack, so a walk started from an event
// handler in the middle of this one gets its own and cannot disturb it. Folders are kept
// on an explicit stack rather than the call stack: a tree nested thousands of levels
// deep must not overflow it.
class TSearchFolders::Walk {
public:
    Walk(TSearchFolders& owner, const CompiledMaskSet& masks)
        : owner_(owner),
          masks_(masks),
          onProcess_(owner.OnProcess),
          recursive_(owner.DoRecursive),
          updateList_(owner.UpdateList),
          messages_(owner.Messages),
          pump_(owner.clock_, owner.ui_, owner.PumpIntervalMs) {
        frames_.reserve(32);
        path_.reserve(512);
    }

    void run(const std::string& root) {
        path_ = root;
        enter();
        while (!frames_.empty()) {
            Frame& frame = frames_.back();
            if (frame.returningFromChild) {
                frame.returningFromChild = false;
                advance(frame);
                continue;
            }
            if (!frame.haveEntry || owner_.stopRequested_) {
                frames_.pop_back();
                continue;
            }
            const platform::DirEntry& entry = frame.entry;
            if (isDotEntry(entry.name)) {
                advance(frame);
                continue;
            }
            const bool isFolder = (entry.attributes & platform::attr::kDirectory) != 0;
            if (!isFolder && masks_.Matches(entry.name)) record(frame);
            // Junctions and symbolic links lead out of the tree being cleaned (or back
            // into it, without end), so the walk never follows them.
            const bool isLink = (entry.attributes & platform::attr::kReparsePoint) != 0;
            if (isFolder && recursive_ && !isLink) {
                frame.returningFromChild = true;
                path_.resize(frame.dirLength);
                if (path_.back() != '\\') path_ += '\\';
                path_ += entry.name;
                enter();  // may grow frames_: `frame` is not used after this
                continue;
            }
            advance(frame);
        }
    }

private:
    struct Frame {
        std::unique_ptr<platform::Listing> listing;
        size_t dirLength = 0;  // the folder's path is path_ up to here
        bool haveEntry = false;
        bool returningFromChild = false;
        platform::DirEntry entry;
    };

    // Reports and opens the folder whose path is in path_.
    void enter() {
        if (onProcess_) onProcess_(owner_, path_, owner_.countFiles_, owner_.sizeOfFiles_);
        if (path_.empty()) return;  // an empty pattern lists nothing
        const size_t dirLength = path_.size();
        path_ += path_.back() == '\\' ? "*.*" : "\\*.*";
        std::unique_ptr<platform::Listing> listing = owner_.fs_.list(path_);
        path_.resize(dirLength);
        if (!listing) return;  // unlistable folders count as empty
        Frame frame;
        frame.dirLength = dirLength;
        frame.haveEntry = listing->next(frame.entry);
        frame.listing = std::move(listing);
        frames_.push_back(std::move(frame));
    }

    void advance(Frame& frame) {
        frame.haveEntry = frame.listing->next(frame.entry);
        if (messages_) pump_.pumpWhenDue();
    }

    void record(const Frame& frame) {
        const platform::DirEntry& entry = frame.entry;
        const auto size = static_cast<int64_t>(entry.size);
        owner_.countFiles_ += 1;
        owner_.sizeOfFiles_ += size;
        if (!updateList_) return;
        TFilePack pack;
        pack.Name = entry.name;
        pack.Folder.reserve(frame.dirLength + 1);
        pack.Folder.assign(path_, 0, frame.dirLength);
        if (pack.Folder.back() != '\\') pack.Folder += '\\';
        pack.Size = size;
        pack.Attr = entry.attributes;
        pack.Time = dosDateTime(owner_.clock_.utcToLocal(entry.lastWriteUtc));
        pack.LastWriteUtc = entry.lastWriteUtc;
        owner_.matches_.push_back(std::move(pack));
    }

    TSearchFolders& owner_;
    const CompiledMaskSet& masks_;
    // Taken at the start, so a handler that replaces it does not destroy it mid-call.
    const TOnProcessEvent onProcess_;
    const bool recursive_;
    const bool updateList_;
    const bool messages_;
    MessagePump pump_;
    std::string path_;  // the current folder, extended in place for children and patterns
    std::vector<Frame> frames_;
};

TSearchFolders::TSearchFolders(platform::FileSystem& fs, platform::Clock& clock, platform::UiServices& ui)
    : fs_(fs), clock_(clock), ui_(ui) {}

TSearchFolders::TSearchFolders(platform::Platform& platform)
    : TSearchFolders(platform.fs, platform.clock, platform.ui) {}

void TSearchFolders::Execute() {
    std::vector<TFilePack>().swap(matches_);
    countFiles_ = 0;
    sizeOfFiles_ = 0;
    {
        const CompiledMaskSet masks(FileMask);
        stopRequested_ = false;
        Walk walk(*this, masks);
        walk.run(ScanDir);
    }
    // A copy, because the handler may replace OnChanged or start the next walk; nothing
    // of this walk is touched after the call.
    const TOnChangedEvent onChanged = OnChanged;
    if (onChanged) onChanged(*this, countFiles_, sizeOfFiles_);
}

}  // namespace kefelo::search
