#pragma once
// The context menu `pTalalatok` of the found files: when it opens, which of its items
// work, and the submenu "Aktív a következő szerint" that makes rows active by the current
// row's value in one column.
#include <array>
#include <string>

#include "core/config/grid_rules.h"
#include "core/search/found_files.h"

namespace kefelo::search {

inline constexpr const char* kMarkAllCaption = "Mind aktív";
inline constexpr const char* kMarkNoneCaption = "Egyik sem aktív";
inline constexpr const char* kMarkInvertCaption = "Aktívság megfordítása";
inline constexpr const char* kSelectBySubmenu = "Aktív a következő szerint";
inline constexpr const char* kKeepMarksCaption = "Az eddigi aktívságok megtartása";

struct SelectByItem {
    const char* caption;
    int column;
    bool separatorBefore;
};
inline constexpr std::array<SelectByItem, 5> kSelectByItems{{
    {"Név", col_name, false},
    {"Kiterjesztés", col_ext, false},
    {"Hely", col_folder, false},
    {"Méret", col_size, false},
    {"Létrehozva", col_date, true},
}};

// The items that act on the current row; what they do comes with the found-files operations.
enum class RowCommand { OpenInNotepad, Run, OpenFolder, Protect, Properties };
struct RowItem {
    const char* caption;
    RowCommand command;
};
inline constexpr std::array<RowItem, 5> kRowItems{{
    {"Kijelölt megnyitása jegyzettömbben", RowCommand::OpenInNotepad},
    {"Kijelölt futtatása", RowCommand::Run},
    {"A kijelölt helyének megnyitása", RowCommand::OpenFolder},
    {"A kijelölt felvétele a védettek közé", RowCommand::Protect},
    {"Tulajdonságpanel", RowCommand::Properties},
}};

class FoundFilesMenu {
public:
    // "Az eddigi aktívságok megtartása", a check item that each click toggles.
    bool keepMarks = true;

    // Right button or Enter: the menu opens only over a list that holds results.
    static bool opens(const FoundFiles& files) { return files.holdsResults(); }
    // Opening notepad, running, opening the folder, protecting, the property sheet: only
    // for a current row that has a mark.
    static bool rowItemsEnabled(const FoundFiles& files);
    // The submenu's captions as the menu opens: "Név: " and the current row's name, ...
    static std::array<std::string, kSelectByItems.size()> selectByCaptions(const FoundFiles& files);

    // One of the submenu's five items (by its index); the caller recounts.
    void selectBy(FoundFiles& files, size_t item) const;
};

}  // namespace kefelo::search
