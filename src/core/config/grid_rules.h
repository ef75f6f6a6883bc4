#pragma once
// What every grid with a mark column shares (containers, tasks, found files): the mark as
// the symbol font draws it, the marking commands, and the order a title click sorts by.
#include <string>

#include "core/config/config_model.h"

namespace kefelo::config {

// Column 0 as the symbol font draws it: the byte 0xFE is a ticked box, "o" an empty one.
// The text is the ANSI character (U+00FE), so a font that lacks the symbols still shows
// that the rows differ.
std::string markText(Mark mark);

// "Mind aktív", "Egyik sem aktív", "Aktívság megfordítása" (the menu items' tags).
enum class MarkingCommand { SelectAll = 1, ClearAll = 2, Invert = 3 };

// The mark a row with a mark gets from a command.
Mark markAfter(MarkingCommand command, Mark current);

// A click on the sorted column reverses the order; a click on another starts ascending.
struct SortOrder {
    int column = -1;  // -1: not sorted since the list was filled
    bool ascending = true;

    SortOrder afterClickOn(int clicked) const {
        return clicked == column ? SortOrder{column, !ascending} : SortOrder{clicked, true};
    }
};

}  // namespace kefelo::config
