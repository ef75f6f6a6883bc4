#pragma once
// The tools page (page 2 of the main page control): the group selector
// `box_operationselect`, the group pages of `pcmuv` and the description box
// `memo_infoabouttools`, in the selector-page frame. Of the groups, "Törölhetetlenek" is
// built here; the others are empty pages that their own code fills through
// frame().group().
#include <functional>
#include <string>

#include "core/tools/tool_groups.h"
#include "ui/controls/selector_page.h"

namespace kefelo::ui {

class ToolsPage {
public:
    struct Callbacks {
        std::function<void()> viewAutodelFile;  // `button_viewautodelfile`
        std::function<void()> saveAutodelFile;  // `button_saveautodelfile`
        std::function<void()> runAutodelFile;   // `button_runautodelfile`
    };

    // `page` is the main window's page; the tools page fills it and follows its size.
    // `ntFamily` chooses the description of "A kezelés indítása".
    bool create(HINSTANCE instance, HWND page, bool ntFamily);
    // What the buttons call; may be filled in or changed at any time.
    Callbacks& callbacks() { return callbacks_; }

    int selectedGroup() const { return selector_.selected(); }
    // As a click on the group's selector button.
    void selectGroup(int group);

    // The three buttons of "Törölhetetlenek", through `Gomb`: enabled exactly when an
    // "autodel.bat" exists.
    void setAutodelButtonsEnabled(bool enabled);

    SelectorPage& frame() { return frame_; }

private:
    void layoutUndeletables(HWND group);
    void onUndeletablesCommand(int id, int code);
    std::string describeUndeletables(HWND control) const;

    bool ntFamily_ = true;
    Callbacks callbacks_;
    tools::GroupSelector selector_;
    SelectorPage frame_;
};

}  // namespace kefelo::ui
