#pragma once
// The group selector of the tools page: a column of buttons in `box_operationselect`,
// each showing one page of `pcmuv` (the button's tag is the page index).
#include <array>
#include <string_view>

namespace kefelo::tools {

inline constexpr std::string_view kOperationSelectCaption = "  Válasszon műveletet  ";

enum ToolGroup : int {
    group_systemstores = 0,
    group_diskhandling = 1,
    group_logging = 2,
    group_kefelo = 3,
    group_undeletables = 4,
    group_usefulprograms = 5,
};
inline constexpr int kToolGroupCount = 6;

inline constexpr std::array<std::string_view, kToolGroupCount> kToolGroupCaptions = {
    "Rendszertárolók", "Lemezkezelés", "Naplózás", "Kefeló", "Törölhetetlenek", "Hasznos programok",
};

// Which selector button is in the selected look (window colour, disabled) and so which
// page shows; every other button has the normal look.
class GroupSelector {
public:
    int selected() const { return selected_; }
    bool isSelected(int group) const { return group == selected_; }
    // A click on a button; out-of-range tags are ignored. True when the page changed.
    bool select(int group) {
        if (group < 0 || group >= kToolGroupCount || group == selected_) return false;
        selected_ = group;
        return true;
    }

private:
    int selected_ = group_systemstores;
};

}  // namespace kefelo::tools
