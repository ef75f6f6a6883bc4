#pragma once
// The tools page (page 2 of the main page control): the group selector
// `box_operationselect`, the group pages of `pcmuv` (tabs hidden) and the description box
// `memo_infoabouttools`. Of the groups, "Törölhetetlenek" is built here; the others are
// empty pages that their own code fills through groupPage().
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "core/tools/tool_groups.h"
#include "ui/common/dialog.h"
#include "ui/controls/hover_tracker.h"
#include "ui/controls/sel_button.h"
#include "ui/controls/subclass.h"

namespace kefelo::ui {

// One page of `pcmuv`; its messages go to the tools page.
class ToolsGroupView : public Dialog {
public:
    using Handler = std::function<std::optional<INT_PTR>(HWND, UINT, WPARAM, LPARAM)>;
    bool create(HINSTANCE instance, int templateId, HWND parent, Handler handler);

protected:
    INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    Handler handler_;
};

class ToolsPage : public Dialog {
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
    HWND groupPage(int group) const;

    // The three buttons of "Törölhetetlenek", through `Gomb`: enabled exactly when an
    // "autodel.bat" exists.
    void setAutodelButtonsEnabled(bool enabled);
    SelButton* button(int id);

    void setDescription(const std::string& text);
    std::string description() const;

protected:
    INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void initialize();
    void fitToPage();
    void layout();
    void layoutUndeletables();
    void applySelectorLooks();
    std::optional<INT_PTR> onGroupMessage(HWND group, UINT message, WPARAM wParam, LPARAM lParam);
    std::optional<INT_PTR> drawButton(LPARAM lParam);
    void onHover(HWND window);

    HINSTANCE instance_ = nullptr;
    HWND page_ = nullptr;
    bool ntFamily_ = true;
    Callbacks callbacks_;
    tools::GroupSelector selector_;
    std::array<ToolsGroupView, tools::kToolGroupCount> groups_;
    std::map<int, SelButton> buttons_;
    HoverTracker hover_;
    Subclass pageHook_;
};

}  // namespace kefelo::ui
