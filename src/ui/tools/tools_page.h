#pragma once
// The tools page (page 2 of the main page control): the group selector
// `box_operationselect`, the group pages of `pcmuv` and the description box
// `memo_infoabouttools`, in the selector-page frame. Of the groups, "Törölhetetlenek" is
// built here; the others are empty pages that their own code fills through
// frame().group().
#include <string>

#include "core/tools/tool_groups.h"
#include "ui/app/main_page.h"
#include "ui/controls/selector_page.h"

namespace kefelo::ui {

class ToolsPage : public MainPage {
public:
    bool create(const MainPageContext& context) override;
    // pcChange: the undeletable-files group offers its buttons exactly while there is an
    // "autodel.bat" to work on.
    void pageChanged(app::MainPage shown) override;

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

    session::Session* session_ = nullptr;
    bool ntFamily_ = true;
    tools::GroupSelector selector_;
    SelectorPage frame_;
};

}  // namespace kefelo::ui
