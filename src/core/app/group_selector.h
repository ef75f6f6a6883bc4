#pragma once
// The group selectors of the tools and options pages: a column of buttons, each showing
// one page of a page control whose tabs are hidden (the button's tag is the page index).
namespace kefelo::app {

// Which selector button is in the selected look (window colour, disabled) and so which
// page shows; every other button has the normal look.
template <int Count>
class GroupSelector {
public:
    static constexpr int count = Count;

    int selected() const { return selected_; }
    bool isSelected(int group) const { return group == selected_; }
    // A click on a button; out-of-range tags are ignored. True when the page changed.
    bool select(int group) {
        if (group < 0 || group >= Count || group == selected_) return false;
        selected_ = group;
        return true;
    }

private:
    int selected_ = 0;
};

}  // namespace kefelo::app
