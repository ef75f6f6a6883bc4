#pragma once
// What a cleaning run collects: the log, the batch text of undeletable files, the
// undeletable list and the counters. The emptying of the system stores adds to the same
// record, so it lives apart from the run that resets it.
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_set>
#include <vector>

#include "core/cleaning/batch_text.h"
#include "core/cleaning/cleaning_log.h"
#include "core/cleaning/log_writer.h"

namespace kefelo::cleaning {

struct RunRecord {
    explicit RunRecord(std::function<NowTexts()> now) : writer(log, std::move(now)) {}
    RunRecord(const RunRecord&) = delete;
    RunRecord& operator=(const RunRecord&) = delete;

    CleaningLog log;
    LogWriter writer;
    BatchText batch;
    std::vector<std::string> undeletable;
    // Container entries already in `undeletable`: they are never listed twice, and a
    // long list is not searched for each one.
    std::unordered_set<std::string> containerEntries;

    int64_t containerTotal = 0;
    int64_t runTotal = 0;
    // Files deleted (or sent to the Recycle Bin).
    int64_t deletedFiles = 0;
    // Files left for being too new, by their upper-case path: a task that walks a container
    // again meets the same file twice.
    std::unordered_set<std::string> keptFresh;
    // The container being emptied; that folder itself is never removed.
    std::string currentContainerRoot;

    // Everything but the batch text, which mBatKezd starts.
    void reset() {
        log.clear();
        undeletable.clear();
        containerEntries.clear();
        containerTotal = 0;
        runTotal = 0;
        deletedFiles = 0;
        keptFresh.clear();
        currentContainerRoot.clear();
    }

    void addContainerUndeletable(const std::string& entry) {
        if (containerEntries.insert(entry).second) undeletable.push_back(entry);
    }
};

}  // namespace kefelo::cleaning
