#pragma once
// The options page (page 3 of the main page control): the group selector
// `box_optionselect`, the group pages of `pcoptions` (tabs hidden) and the description box
// `memo_infoaboutoptions`. Of the groups, "Általános" and "Auto-szolgáltatások" are built
// here; the others are empty pages that their own code fills through groupPage(). The
// rules are integration::OptionsPageModel's; this view copies its state to the controls.
#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "core/integration/options_page_model.h"
#include "ui/common/dialog.h"
#include "ui/controls/hover_tracker.h"
#include "ui/controls/sel_button.h"
#include "ui/controls/subclass.h"
#include "ui/tools/tools_page.h"

namespace kefelo::ui {

class OptionsPage : public Dialog {
public:
    // `page` is the main window's page; the options page fills it and follows its size.
    bool create(HINSTANCE instance, HWND page, integration::OptionsPageModel& model);

    int selectedGroup() const { return model_->selector().selected(); }
    // As a click on the group's selector button: the page shows and its first control
    // takes the focus.
    void selectGroup(int group);
    HWND groupPage(int group) const;
    SelButton* button(int id);

    // The model changed outside the page (settings loaded): the controls follow.
    void refresh();

    void setDescription(const std::string& text);
    std::string description() const;

protected:
    INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void initialize();
    void fitToPage();
    void layout();
    int layoutGeneral(int width, bool apply);
    void layoutAutoruns();
    void applySelectorLooks();
    void hookIntervalEdit(int id);
    void onIntervalStep(int id, cleaning::IntervalStep step);
    void onIntervalChange(int id);
    std::optional<INT_PTR> onGroupMessage(HWND group, UINT message, WPARAM wParam, LPARAM lParam);
    std::optional<INT_PTR> drawButton(LPARAM lParam);
    void onHover(HWND window);

    HINSTANCE instance_ = nullptr;
    HWND page_ = nullptr;
    integration::OptionsPageModel* model_ = nullptr;
    std::array<ToolsGroupView, integration::kOptionGroupCount> groups_;
    std::map<int, SelButton> buttons_;
    HoverTracker hover_;
    Subclass pageHook_;
    Subclass noaddHook_;
    std::map<int, std::unique_ptr<Subclass>> editHooks_;
    bool refreshing_ = false;
};

}  // namespace kefelo::ui
