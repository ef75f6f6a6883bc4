#pragma once
// The location field `edit_searchpath`: a drop-down combo whose items are the last five
// searched folders, most recent first, and the browse entry "Tallóz..." last. Its items
// and selection live in the configuration (they are saved with the settings); the text
// and the tag live here.
#include <string>

#include "core/config/list_models.h"
#include "platform/file_system.h"
#include "platform/ui_services.h"

namespace kefelo::search {

class SearchLocation {
public:
    static constexpr size_t kHistorySize = 5;

    SearchLocation(config::ListBox& items, platform::FileSystem& fs, platform::UiServices& ui);

    // The field's text as typed or picked.
    std::string text;
    // 1 while the start runs the change handler to normalise the path.
    int tag = 0;
    // Set once a remembered location was picked again.
    std::string hint;

    // The user picked an item (the text follows it), or typed in the field (no item is
    // selected then).
    void pick(int index);
    void typed(std::string value);
    // Text put in from outside: the item equal to it (letter case ignored) is selected,
    // or none.
    void setText(std::string value);
    // Selects an item, or none with -1, as the combo does: the text follows.
    void select(int index);

    // `edit_searchpathChange`: the browse entry opens the folder picker; a start (tag 1)
    // normalises the text ("c" becomes "C:\") and moves it to the top of the history.
    void edit_searchpathChange();

    // A single character becomes a drive: "c" becomes "C:".
    void driveLetterToDrive();

    config::ListBox& items() { return items_; }

private:
    bool browseSelected() const;
    void remember();

    config::ListBox& items_;
    platform::FileSystem& fs_;
    platform::UiServices& ui_;
};

}  // namespace kefelo::search
