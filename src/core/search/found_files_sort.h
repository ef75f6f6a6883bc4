#pragma once
// Sorting the found files by a clicked column title: sizes as numbers, dates as dates,
// every other column as text without regard to letter case. Marks travel with their rows.
#include "core/config/grid_rules.h"
#include "core/search/found_files.h"

namespace kefelo::search {

// Stable: rows that compare equal keep their order.
void sortFoundFiles(FoundFiles& files, config::SortOrder order);

// The sorting state of the list's column titles.
class FoundFilesSorting {
public:
    // A left click sorts ascending, or descending when the column was last sorted
    // ascending; a right click always sorts descending. Nothing happens with fewer than
    // two rows. True when the rows were sorted.
    bool titleClick(FoundFiles& files, int column, bool rightButton);
    // A new list has not been sorted yet.
    void reset() { order_ = {}; }
    config::SortOrder order() const { return order_; }

private:
    config::SortOrder order_;
};

}  // namespace kefelo::search
