#pragma once
// The line kinds of the cleaning report, each with its text, style and colour, and the
// closing summary. Byte counts are grouped with Ezredel.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/cleaning/cleaning_log.h"
#include "core/cleaning/protected_locations.h"

namespace kefelo::cleaning {

// DATE (short date format) and TIME (long time format) of "now", supplied by the caller.
struct NowTexts {
    std::string date;
    std::string time;
};

// " meghajtón " for a drive root such as "C:\" (shorter than four characters),
// " könyvtárban " otherwise.
std::string whereText(const std::string& location);

// Entries of the undeletable list.
std::string containerUndeletableEntry(const std::string& fullPath, int64_t size);
std::string taskUndeletableEntry(const std::string& dir, const std::string& name, int64_t size);

class LogWriter {
public:
    LogWriter(CleaningLog& log, std::function<NowTexts()> now) : log_(log), now_(std::move(now)) {}

    void runStart();                                              // "... > Könyvtárürítés indítása:" + " "
    void containerHeading(const std::string& path);               // PATH + " ürítése:"
    void deletedFile(const std::string& fullPath, int64_t size);  // navy
    void undeletableFile(const std::string& fullPath, int64_t size);  // red
    void folderRemoved(const std::string& fullPath);              // black; style as before
    std::string folderRemovedText(const std::string& fullPath) const;
    void containerResult(const std::string& path, bool done);
    // bold red, in place of the heading: a container the run leaves alone, with the reason
    void containerSkipped(const std::string& path, LocationVerdict verdict);
    // bold red, in place of the heading: a task whose location cannot be walked safely
    void taskSkipped(const std::string& location, LocationVerdict verdict);
    void containerPhaseEnd(int64_t containerTotal);               // + " "
    void taskPhaseStart();                                        // + " "
    void taskHeading(const std::string& location, const std::string& masks);
    void taskDeletedFile(const std::string& dir, const std::string& name, int64_t size, LogColour colour,
                         bool deleteReportedFailure);
    void taskUndeletableFile(const std::string& dir, const std::string& name, int64_t size);
    // red: an undeletable file that no line of "autodel.bat" can name exactly
    void deleteByHand(const std::string& fullPath);
    // red: a file the Recycle Bin did not take, which the run therefore left, and why
    void notRecycled(const std::string& fullPath, int64_t size, const std::string& reason);
    void taskEnd(const std::string& location, const std::string& masks, int64_t taskTotal);
    void blank();  // a line " "

    struct Summary {
        bool halted = false;
        // Row 1 of the task grid names an existing folder and the current task row is active.
        bool tasksLine = false;
        int64_t runTotal = 0;
        int64_t deletedFiles = 0;
        // Files left for being modified within the last `keepFreshHours` hours.
        int64_t keptFresh = 0;
        int32_t keepFreshHours = 0;
        // The deleted files went to the Recycle Bin.
        bool recycled = false;
        std::vector<std::string> undeletable;
    };
    // Closing lines and summary, written once (never when " - Felszabad" is already there).
    void closingAndSummary(const Summary& summary);

private:
    CleaningLog& log_;
    std::function<NowTexts()> now_;
};

}  // namespace kefelo::cleaning
