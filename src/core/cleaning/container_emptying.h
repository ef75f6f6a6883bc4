#pragma once
// Emptying a folder file by file: the containers of a cleaning run and the system stores
// of the tools page. Protected names stay; in a cleaning run that is not halted every
// failure becomes a red log line, an undeletable-list entry and a batch line; empty
// sub-folders go when the option says so.
#include <cstdint>
#include <optional>
#include <string>

#include "core/app/activity.h"
#include "core/app/command_line.h"
#include "core/app/main_frame.h"
#include "core/cleaning/cleaning_page_view.h"
#include "core/cleaning/run_record.h"
#include "core/config/config_model.h"
#include "core/config/protected_names.h"
#include "core/search/message_pump.h"
#include "core/search/search_folders.h"
#include "platform/file_system.h"

namespace kefelo::cleaning {

struct EmptyingEnvironment {
    platform::FileSystem& fs;
    search::MessagePump& pump;
    // Its tag is the activity code: everything stops once it is no longer the emptier's own
    // (the cleaning run's, or the system stores').
    search::TSearchFolders& Search;
    app::MainFrame& frame;
    CleaningPageView& view;
    const config::ConfigModel& config;
    const app::CommandLine& commandLine;
};

// Who empties decides what is written down, not the page that happens to be on screen
// (the user may switch tabs while a run goes on): a cleaning run logs every file, counts
// it and collects what it could not delete; the system stores are only emptied.
enum class EmptyingMode { CleaningRun, SystemStores };

class ContainerEmptying {
public:
    ContainerEmptying(const EmptyingEnvironment& env, RunRecord& record, EmptyingMode mode);

    // Every entry of folder + mask (folder ends in "\"), then, with recurse, every
    // sub-folder tree of the folder.
    void emptyContainer(const std::string& folder, const std::string& mask, bool recurse);
    // Every file of the tree under path; then the folder itself is removed when it is
    // empty, not the current container root and the option is on.
    void emptySubFolder(std::string path);

private:
    struct Frame;

    bool active() const {
        return env_.Search.Tag ==
               (mode_ == EmptyingMode::CleaningRun ? app::Activity::Cleaning : app::Activity::SystemStores);
    }
    bool logging() const { return mode_ == EmptyingMode::CleaningRun && env_.Search.Tag != app::Activity::Idle; }
    void showOnSplash(const std::string& path);
    void recordUndeletable(const std::string& fullPath, int64_t size);
    void recordDeleted(const std::string& fullPath, int64_t size);
    void removeIfEmpty(const std::string& path, uint32_t attributes, bool onlyNewLine);
    // Clears the attribute bits that can stop a delete; false when there were none.
    bool clearBlockingAttributes(const std::string& path, uint32_t attributes);

    EmptyingEnvironment env_;
    RunRecord& record_;
    const EmptyingMode mode_;
    const config::ProtectionTest isProtected_;
};

}  // namespace kefelo::cleaning
