#pragma once
// The folder walker every disk walk goes through: depth-first over a folder tree, each
// file name tested against a mask list, matches counted, summed and recorded, the
// message queue run between entries so a halt button can stop the walk.
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/app/activity.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/platform.h"
#include "platform/ui_services.h"

namespace kefelo::search {

// One match of a walk.
struct TFilePack {
    std::string Name;    // as the listing gives it, without folder
    std::string Folder;  // always ends in a backslash
    int64_t Size = 0;
    uint32_t Attr = 0;
    uint32_t Time = 0;         // DOS packed local date-time: high word date, low word time
    int64_t LastWriteUtc = 0;  // FILETIME ticks, for views that need more than DOS precision
};

enum class TScanOptions { soSpecifiedDir };

class TSearchFolders {
public:
    using TOnProcessEvent =
        std::function<void(TSearchFolders& Sender, const std::string& Dir, int64_t CountFiles, int64_t SizeOfFiles)>;
    using TOnChangedEvent = std::function<void(TSearchFolders& Sender, int64_t CountFiles, int64_t SizeOfFiles)>;

    TSearchFolders(platform::FileSystem& fs, platform::Clock& clock, platform::UiServices& ui);
    explicit TSearchFolders(platform::Platform& platform);

    std::string FileMask = "*";
    std::string ScanDir = "C:\\";
    TScanOptions ScanOptions = TScanOptions::soSpecifiedDir;
    bool UpdateList = true;
    bool Messages = true;
    bool DoRecursive = true;
    // Called on entering each folder, with the totals before its entries.
    TOnProcessEvent OnProcess;
    // Called once when a walk ends, stopped or not. It may start the next walk.
    TOnChangedEvent OnChanged;
    // The activity code, owned by the users of the walker; the walker never reads it.
    app::Activity Tag = app::Activity::Idle;
    // The queue is run when this much time has passed since it last ran, or when input
    // waits (looked at once per clock tick); 0 runs it after every entry.
    uint64_t PumpIntervalMs = 15;

    // Runs one walk and returns when it has ended. Throws InvalidMask, before any folder
    // is visited, when FileMask holds a bad mask.
    void Execute();
    // Ends the running walk at its next entry. A Stop before Execute does not carry over.
    void Stop() { stopRequested_ = true; }

    int64_t CountFiles() const { return countFiles_; }
    int64_t SizeOfFiles() const { return sizeOfFiles_; }
    // The records of the last walk in walk order; valid until the next Execute.
    const std::vector<TFilePack>& Matches() const { return matches_; }
    // Frees the records (a search start does not keep the last walk's records around).
    void ClearMatches() { std::vector<TFilePack>().swap(matches_); }
    // Hands the records over to their only reader, who then owns them.
    std::vector<TFilePack> TakeMatches() { return std::exchange(matches_, {}); }

private:
    class Walk;

    platform::FileSystem& fs_;
    platform::Clock& clock_;
    platform::UiServices& ui_;

    bool stopRequested_ = false;
    int64_t countFiles_ = 0;
    int64_t sizeOfFiles_ = 0;
    std::vector<TFilePack> matches_;
};

}  // namespace kefelo::search
