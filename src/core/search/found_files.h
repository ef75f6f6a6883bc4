#pragma once
// The found-files list `list_finds`: one row per found file, the row model a virtual list
// view reads by index. Rows keep the file's facts, not its cell texts; a cell's text is
// made when it is asked for, so half a million rows cost no more than their names.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/config/config_model.h"
#include "core/config/grid_rules.h"
#include "core/config/protected_names.h"
#include "core/search/search_folders.h"
#include "base/time/datetime.h"
#include "platform/clock.h"
#include "platform/file_system.h"

namespace kefelo::search {

enum FoundColumn : int {
    col_mark = 0,
    col_name = 1,    // the name before its last dot
    col_ext = 2,     // the last dot and what follows it
    col_folder = 3,  // without a trailing backslash ("C:" for the root)
    col_size = 4,
    col_date = 5,  // last write, short date
    col_attrib = 6,
};
inline constexpr int kFoundColumnCount = 7;

struct FoundColumnSpec {
    const char* title;
    int width;
};
inline constexpr std::array<FoundColumnSpec, kFoundColumnCount> kFoundColumns{{
    {"", 15},
    {"Állománynév", 99},
    {"Kiterjesztés", 41},
    {"Hely", 191},
    {"Méret (bájt)", 65},
    {"Módosítva", 65},
    {"Attrib", 65},
}};

// The colour a row is drawn in, by the legend's entries.
enum class RowColour { Normal, Missing, ReadOnly, Hidden, System };

// "A-----": archive, directory, hidden, read-only, system, volume.
std::string attributeLetters(uint32_t attributes);

struct FoundFile {
    std::string name;             // as on disk, extension included
    uint32_t folder = 0;          // index into the list's folders
    uint32_t extensionStart = 0;  // where the extension starts in name; name.size() for none
    int64_t size = 0;
    timeutil::TDateTime modified = 0.0;  // local time
    uint32_t attributes = 0;             // shown in the attribute column, read with the details
    uint32_t currentAttributes = 0;      // the row's colour, as last seen on the disk
    config::Mark mark = config::Mark::Inactive;
};

class FoundFiles {
public:
    // Column 5's date picture (the system's short date format).
    std::string shortDatePicture = "yyyy. MM. dd.";
    // The grid's current row (0 is the first data row).
    int currentRow = 0;

    // Replaces every row by the walk's matches, in walk order, inactive; protected names
    // and folders are left out.
    void fill(std::vector<TFilePack> matches, const config::ProtectionTest& isProtected, platform::Clock& clock);
    // No rows: the list counts as empty.
    void clear();

    // The first-row test: the list holds the results of a search.
    bool holdsResults() const { return !rows_.empty(); }
    size_t size() const { return rows_.size(); }
    const FoundFile& row(size_t index) const { return rows_[index]; }
    bool validRow(int index) const { return index >= 0 && static_cast<size_t>(index) < rows_.size(); }

    std::string cellText(size_t row, int column) const;
    const std::string& folderText(size_t row) const { return folders_[rows_[row].folder]; }
    // Column 3 + "\" + column 1 + column 2: the path every operation works on.
    std::string fullPath(size_t row) const;
    RowColour rowColour(size_t row) const { return rowColour(row, rows_[row].currentAttributes); }
    // The colour by the file's state now: `attributesNow` empty when it is gone (or is a
    // folder). A missing mark stays grey until a refresh finds the file again.
    RowColour rowColour(size_t row, std::optional<uint32_t> attributesNow) const;
    // The attributes of the row's file on the disk now; empty when it is not a file there.
    std::optional<uint32_t> attributesNow(size_t row, platform::FileSystem& fs) const;
    // The row click: the path with the extension in lower case; nothing for an empty row.
    std::optional<std::string> rowHint(int row) const;

    // --- summaries ---
    int64_t foundCount() const { return foundCount_; }
    int64_t foundBytes() const { return foundBytes_; }
    int64_t activeCount() const { return activeCount_; }
    int64_t activeBytes() const { return activeBytes_; }
    // `label_findsabout` and `label_findselect`: count, " db", a line break, the grouped sum, " bájt".
    std::string foundSummary() const;
    std::string activeSummary() const;
    // `sgTfrissites`: counts the active rows and their sizes again.
    void recount();
    void resetActiveTotals() { activeCount_ = activeBytes_ = 0; }

    // --- marks (rows without a mark take no part) ---
    void mark(config::MarkingCommand command);
    // Swaps active and inactive; false for a row without a mark or no row at all.
    bool toggle(int row);
    // "Aktív a következő szerint": rows whose cell in the column equals the current row's
    // (ASCII letter case ignored) become active; the others inactive unless kept.
    void selectByColumn(int column, bool keepOthers);

    // Checks one row against the disk: a vanished file loses its mark, one that is back
    // becomes inactive; the colour follows the attributes now on the disk; with details
    // also size, date and the attribute column.
    void refreshRow(size_t row, platform::FileSystem& fs, platform::Clock& clock, bool details);

    // Puts the rows into a new order: row i becomes the old row order[i].
    void reorder(const std::vector<uint32_t>& order);
    // Takes out the rows whose flag is set, keeping the others in order; the found totals
    // become those of the rows left.
    void removeRows(const std::vector<char>& remove);
    // Changes whenever the rows are replaced, emptied or reordered: a loop that runs the
    // message queue sees by it that its row numbers no longer hold.
    uint64_t generation() const { return generation_; }
    size_t folderCount() const { return folders_.size(); }
    const std::string& folder(uint32_t index) const { return folders_[index]; }

private:
    uint32_t internFolder(const std::string& folderWithSeparator);

    std::vector<FoundFile> rows_;
    std::vector<std::string> folders_;
    std::unordered_map<std::string, uint32_t> folderIndex_;
    int64_t foundCount_ = 0, foundBytes_ = 0;
    int64_t activeCount_ = 0, activeBytes_ = 0;
    uint64_t generation_ = 0;
};

}  // namespace kefelo::search
