#pragma once
// What the cleaning runs achieved, kept in "takaritasok.csv" beside the other files of the
// program: one line per finished run (date, kind, files deleted, bytes freed, files left
// undeletable). Windows-1250 with CR LF and ";" between the fields, so a spreadsheet opens
// it as it is. The file stays small: beyond kMaxDetailedRuns the oldest runs are folded
// into one summary line, so the total since the history began stays right.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/time/datetime.h"
#include "platform/file_system.h"
#include "platform/ui_services.h"

namespace kefelo::cleaning {

inline constexpr std::string_view kRunHistoryName = "takaritasok.csv";
inline constexpr std::string_view kRunHistoryHeader =
    "Dátum;Mód;Törölt állományok;Felszabadított bájt;Törölhetetlen állományok;Megjegyzés";
inline constexpr size_t kMaxDetailedRuns = 1000;
// The chart shows this many of the latest runs.
inline constexpr size_t kChartRuns = 30;

enum class RunKind { Manual, Automatic, Folded };

struct RunEntry {
    timeutil::TDateTime when = 0;  // local time; for a folded line, its oldest run
    RunKind kind = RunKind::Manual;
    int64_t foldedRuns = 0;  // how many runs a folded line stands for
    int64_t deletedFiles = 0;
    int64_t bytesFreed = 0;
    int64_t undeletable = 0;
    bool halted = false;
};

// One line of the file: a run, or a line kept as it was because it could not be read.
struct HistoryLine {
    std::string raw;  // UTF-8
    std::optional<RunEntry> entry;
};

std::string formatRunLine(const RunEntry& entry);
std::optional<RunEntry> parseRunLine(std::string_view line);

// The lines of the file; the header is recognised and left out.
std::vector<HistoryLine> parseHistory(const std::vector<std::string>& lines);
// The header, then the lines. Folding takes the oldest runs beyond `maxDetailed` into one
// summary line; lines that could not be read and stand before the last folded run go.
std::vector<std::string> formatHistory(std::vector<HistoryLine> lines, size_t maxDetailed = kMaxDetailedRuns);

struct HistorySummary {
    int64_t totalFreed = 0;
    int64_t runs = 0;
    timeutil::TDateTime since = 0;  // the oldest run; 0 when there is none
    // The latest runs, oldest first (at most kChartRuns).
    std::vector<RunEntry> latest;
};
HistorySummary summarise(const std::vector<HistoryLine>& lines, size_t latestCount = kChartRuns);

// What the report page's chart writes beside its bars.
inline constexpr std::string_view kChartTotalCaption = "Felszabadítva:";
// Around the total and the scale where the chart is wide enough; a number is never cut.
inline constexpr std::string_view kChartUnit = " bájt";
inline constexpr std::string_view kChartScalePrefix = "max. ";
struct RunChartTexts {
    std::string total;  // "1.234.567"
    std::string since;  // "2026. 12. 01. óta", or that there was no run yet
    std::string scale;  // the tallest bar: "1.234"; empty without bars
};
RunChartTexts runChartTexts(const HistorySummary& summary, std::string_view shortDatePicture);

// The file as the program keeps it: read at start, a line added at the end of every run.
class RunHistory {
public:
    RunHistory(platform::FileSystem& fs, platform::UiServices& ui, std::string programDirectory)
        : fs_(fs), ui_(ui), programDirectory_(std::move(programDirectory)) {}

    // Reads the file; a missing or unreadable one gives an empty history.
    void load();
    // Adds a run and writes the file again, atomically, read afresh first. A line that
    // could not be written stays in memory and goes with the next run's; outside the
    // automatic modes the failure is told (a full disk by name). The file on the disk is
    // never replaced by less than it held, nor when it could not be read.
    bool record(const RunEntry& entry, bool automaticMode);

    const HistorySummary& summary() const { return summary_; }
    std::string path() const { return programDirectory_ + std::string(kRunHistoryName); }
    // Called after every change, for the chart.
    std::function<void()> changed;

private:
    platform::FileSystem& fs_;
    platform::UiServices& ui_;
    std::string programDirectory_;
    std::vector<HistoryLine> lines_;
    std::vector<RunEntry> unwritten_;
    HistorySummary summary_;
};

// The message of a failed write (warning, OK), by the system's error code.
std::string historyWriteFailedMessage(const std::string& path, uint32_t errorCode, bool unreadable);

}  // namespace kefelo::cleaning
