#pragma once
// The frame of the pages that choose a group with a column of buttons (the tools and the
// options page): the selector box with its owner-drawn buttons, the group dialogs stacked
// in one place with only the chosen one shown, and the description box that explains the
// control under the mouse. A page describes its groups and handles their controls; the
// frame makes, places, draws and tracks everything else, so a new group is one Group entry
// and its dialog template.
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/common/dialog.h"
#include "ui/controls/hover_tracker.h"
#include "ui/controls/sel_button.h"
#include "ui/controls/subclass.h"

namespace kefelo::ui {

class SelectorPage : public PageDialog {
public:
    struct Group {
        std::string caption = {};  // of its selector button
        int templateId = 0;        // its dialog; 0 for an empty one that gets its controls later
        // Places the group's controls in its dialog, when the dialog changes size.
        std::function<void(HWND dialog)> layout = {};
        // WM_COMMAND from the group's controls.
        std::function<void(HWND dialog, int id, int code)> command = {};
        // What the description box says while the mouse is over a control of the group
        // given to describeOnHover() or ownerDrawn(); empty clears the box.
        std::function<std::string(HWND control)> describe = {};
        // Sees every message of the group's dialog first; a result ends its handling.
        std::function<std::optional<INT_PTR>(HWND dialog, UINT, WPARAM, LPARAM)> message = {};
    };

    struct Setup {
        // Control ids of the frame's own controls; the selector buttons take
        // firstButtonId, firstButtonId + 1, ... in the order of the groups.
        int selectorBoxId = 0, firstButtonId = 0, infoBoxId = 0, infoTextId = 0;
        std::string selectorCaption = {}, infoCaption = {};
        std::vector<Group> groups = {};
        // The height the groups need at a width to show whole. With it the description
        // box takes what is left below them (or goes under the selector column when that
        // is too little); without it the box takes two fifths of the page's height.
        std::function<int(int width)> groupsHeight = {};
        // The group dialogs exist: the page fills in their texts and hooks.
        std::function<void()> initialize = {};
        // A click on a selector button; without it the clicked group shows.
        std::function<void(int group)> selectorClicked = {};
        // The mouse came over the description box (which keeps its text meanwhile).
        std::function<void()> infoHovered = {};
    };

    SelectorPage();
    ~SelectorPage() override;

    // `page` is the main window's page: the frame fills it and follows its size. False
    // when the frame or one of the group dialogs could not be made.
    bool create(HINSTANCE instance, HWND page, Setup setup);

    // The group's button gets the selected look and its dialog shows; the rest go back.
    void show(int group);
    int shown() const { return shown_; }
    HWND group(int index) const;

    // A BS_OWNERDRAW button of a group's template, drawn as TSelButton; its description
    // shows under the mouse.
    SelButton& ownerDrawn(int group, int id);
    // A selector button or an owner-drawn group button.
    SelButton* button(int id) { return buttons_.find(id); }
    // The control's description (the group's describe) shows while the mouse is over it.
    void describeOnHover(int group, int id);

    void setDescription(const std::string& text);
    std::string description() const;

protected:
    INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    class GroupDialog;

    void initialize() override;
    void makeControls();
    void fitToPage();
    void layout() override;
    bool drawItem(LPARAM item) override { return buttons_.draw(item); }
    int groupOf(HWND window) const;
    std::optional<INT_PTR> onGroupMessage(size_t index, UINT message, WPARAM wParam, LPARAM lParam);
    void onHover(HWND window);

    HINSTANCE instance_ = nullptr;
    HWND page_ = nullptr;
    Setup setup_;
    std::vector<std::unique_ptr<GroupDialog>> groups_;
    SelButtons buttons_;
    HoverTracker hover_;
    Subclass pageHook_;
    // The description box only shows: it never takes the focus.
    Subclass infoHook_;
    int shown_ = -1;
};

}  // namespace kefelo::ui
