#pragma once
// What a move of the active found files tells the user: the move log kept in memory while
// the files go, the summary with its disk report, the question about writing the log and
// the name of the log file.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/time/datetime.h"
#include "platform/file_system.h"

namespace kefelo::search {

inline constexpr const char* kMovePickerTitle = "A kijelölt átmeneti állományokat az alábbi helyre mozgassa át:";
inline constexpr const char* kMovedCaption = " Átmozgatott méret: ";
inline constexpr const char* kMoveFailedHint = "A kijelölt állomány(oka)t nem lehetett áthelyezni!";
inline constexpr const char* kPathTooLong = "Az állomány elérési útja túl hosszú!\r\nNem tudom megjeleníteni!";

class MoveLog {
public:
    // The header names the folder as the picker returned it.
    explicit MoveLog(std::string_view chosenFolder);

    void moved(std::string_view formerPath) { text_ += std::string(formerPath) + "\r\n"; }
    void notMoved(std::string_view path) { failures_.emplace_back(path); }
    bool hasFailures() const { return !failures_.empty(); }

    // The log as it is written: the moved files, then the files not moved.
    std::string text() const;
    // The message before the question: the outcome, and with failures their likely reasons
    // naming the target folder (with its trailing backslash).
    std::string summary(std::string_view target) const;

private:
    std::string text_;
    std::vector<std::string> failures_;
};

// The folder a path lies on the root of: "C:\" for a drive, "\\server\share\" for a share;
// nullopt for a path that has neither.
std::optional<std::string> volumeRootOf(std::string_view path);

// "\r\nLemezelemzés:" and a line per volume: the one volume of both source and target
// as host ("A gazdameghajtó"), else each source volume ("A forrásmeghajtó") and then the
// target's ("A célmeghajtó"). Sizes in KiB with thousands grouping; a volume whose space
// cannot be read gets no line.
std::string diskReport(const std::vector<std::string>& sourceRoots, const std::string& targetRoot,
                       const std::function<std::optional<platform::DiskSpace>(const std::string&)>& space);

// The log's file name, from the numbers of the date and time, so that no date format
// ("/" in an English one) can put a separator into it: "2004_05_06_ 14_03_59.log".
std::string moveLogName(timeutil::TDateTime now);

// The question whether the log should be written to logPath.
std::string moveLogQuestion(std::string_view message, bool failures, std::string_view logPath);

// The warning when the log could not be written.
std::string moveLogWriteFailed(std::string_view logPath, std::string_view target);

}  // namespace kefelo::search
