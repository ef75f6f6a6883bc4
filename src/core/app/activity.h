#pragma once
// The activity code: what the program is busy with, kept in the tag of the one folder
// walker `Search`. Every long operation sets its own code while it runs, so that one rule
// (the busy guard) refuses whatever would start a second one or change the data it walks,
// and a directory handed over by a second copy is answered "busy". Every loop stops as
// soon as the code is no longer its own.
namespace kefelo::app {

enum class Activity {
    Idle,
    Cleaning,
    CleaningPreview,
    FileSearch,
    ContainerSearch,
    FoundFilesDelete,
    FoundFilesMove,
    Zip,
    SystemStores,
    DiskScan,
    Update,
    Install,
    Uninstall,
};

// Holds an activity code for the length of an operation that is not a walk: set when it
// starts (only from idle), given back when it ends, unless a halt or another owner has
// changed it meanwhile. `owns()` tells whether the operation may go on.
class BusyScope {
public:
    BusyScope(Activity& code, Activity mine) : code_(code), mine_(mine), acquired_(code == Activity::Idle) {
        if (acquired_) code_ = mine_;
    }
    ~BusyScope() {
        if (acquired_ && code_ == mine_) code_ = Activity::Idle;
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

    // False when something else was running at the start, or a halt took the code since.
    bool owns() const { return acquired_ && code_ == mine_; }

private:
    Activity& code_;
    const Activity mine_;
    const bool acquired_;
};

}  // namespace kefelo::app
