#pragma once
// Emptying a folder file by file: the containers of a cleaning run and the system stores
// of the tools page. Protected names stay; in a cleaning run that is not halted every
// failure becomes a red log line, an undeletable-list entry and a batch line; empty
// sub-folders go when the option says so.
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_set>

#include "core/app/activity.h"
#include "core/app/command_line.h"
#include "core/app/main_frame.h"
#include "core/cleaning/cleaning_page_view.h"
#include "core/cleaning/run_record.h"
#include "core/config/config_model.h"
#include "core/cleaning/run_file_rule.h"
#include "core/search/message_pump.h"
#include "core/search/recycle_batch.h"
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
    // What decides each file; without it only the protected names are kept.
    const RunFileRule* rule = nullptr;
    // The preview's list: the files the run would delete go here and nothing is touched.
    std::vector<search::TFilePack>* preview = nullptr;
    // The files kept for being too new, by their upper-case path.
    std::unordered_set<std::string>* keptFresh = nullptr;
    // Set when the deleted files go to the Recycle Bin.
    search::RecycleBatch* recycle = nullptr;
};

// Who empties decides what is written down, not the page that happens to be on screen
// (the user may switch tabs while a run goes on): a cleaning run logs every file, counts
// it and collects what it could not delete; the system stores are only emptied; the
// preview of a run walks the same way and only lists.
enum class EmptyingMode { CleaningRun, SystemStores, Preview };

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

    bool active() const;
    bool logging() const { return mode_ == EmptyingMode::CleaningRun && env_.Search.Tag != app::Activity::Idle; }
    void showOnSplash(const std::string& path);
    void recordUndeletable(const std::string& fullPath, int64_t size);
    void recordDeleted(const std::string& fullPath, int64_t size);
    void removeIfEmpty(const std::string& path, uint32_t attributes, bool onlyNewLine);
    // Clears the attribute bits that can stop a delete; false when there were none.
    bool clearBlockingAttributes(const std::string& path, uint32_t attributes);
    // Whether the file is to go; a file kept for being too new is counted.
    bool goes(const std::string& folder, const platform::DirEntry& entry);
    // The preview's part instead of deleting.
    void listForPreview(const std::string& folder, const platform::DirEntry& entry);
    // Into the bin instead of deleting; its outcome is written down when the batch is sent.
    void recycleLater(const std::string& fullPath, const platform::DirEntry& entry);

    EmptyingEnvironment env_;
    RunRecord& record_;
    const EmptyingMode mode_;
    // The rule when the environment brings none: protected names only.
    const RunFileRule ownRule_;
};

}  // namespace kefelo::cleaning
