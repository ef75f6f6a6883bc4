#pragma once
// Core state behind the list controls; the views copy it to the real controls.
#include <string>
#include <vector>

namespace kefelo::config {

struct CheckItem {
    std::string text;
    bool ticked = false;
};

// A check-list box: its items and the selected (focused) item, -1 for none.
struct CheckList {
    std::vector<CheckItem> items;
    int selected = -1;

    bool hasSelection() const { return selected >= 0 && selected < static_cast<int>(items.size()); }
};

// A plain list box: its items and the selected item, -1 for none.
struct ListBox {
    std::vector<std::string> items;
    int selected = -1;

    bool hasSelection() const { return selected >= 0 && selected < static_cast<int>(items.size()); }
};

}  // namespace kefelo::config
