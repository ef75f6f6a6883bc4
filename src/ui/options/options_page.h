#pragma once
// The options page (page 3 of the main page control): the group selector
// `box_optionselect`, the group pages of `pcoptions` and the description box
// `memo_infoaboutoptions`, in the selector-page frame. "Általános", "Auto-szolgáltatások"
// and "Parancsikonok" are built here, "Védett állományok" by ProtectedNamesView. The rules
// are integration's; this view copies their state to the controls.
#include <map>
#include <memory>

#include "core/integration/options_page_model.h"
#include "platform/win32/win32_shell_links.h"
#include "ui/app/main_page.h"
#include "ui/controls/selector_page.h"
#include "ui/controls/subclass.h"
#include "ui/options/protected_names_view.h"

namespace kefelo::ui {

class OptionsPage : public MainPage {
public:
    bool create(const MainPageContext& context) override;
    void configurationReloaded() override {
        refresh();
        protectedNames_.refresh();
    }
    // Ctrl+F3 while the page shows: its description goes to Notepad.
    bool previewKey(const MSG& msg) override;
    // The last update attempt, and the protected names (a found file protected), may have
    // changed while another page showed.
    void pageChanged(app::MainPage shown) override {
        if (shown != app::page_options) return;
        refresh();
        protectedNames_.refreshIfChanged();
    }
    void activated() override { protectedNames_.refreshIfChanged(); }

    int selectedGroup() const { return model_->selector().selected(); }
    // As a click on the group's selector button: the page shows and its first control
    // takes the focus.
    void selectGroup(int group);

    // The model changed outside the page (settings loaded): the controls follow.
    void refresh();

    SelectorPage& frame() { return frame_; }

private:
    void initialize();
    int layoutGeneral(int width, bool apply);
    void layoutAutoruns();
    void onGeneralCommand(HWND general, int id, int code);
    void onAutorunsCommand(HWND autoruns, int id, int code);
    void hookIntervalEdit(int id);
    void onIntervalStep(int id, cleaning::IntervalStep step);
    void onIntervalChange(int id);
    void layoutShortcut();
    void layoutCleaning();
    void onCleaningCommand(HWND cleaning, int id, int code);
    void onShortcutCommand(int id, int code);
    // The description box's text for a control of the page's own groups.
    std::string describe(HWND control);
    void applyStayOnTop();

    integration::OptionsPageModel* model_ = nullptr;
    session::Session* session_ = nullptr;
    PageHost* host_ = nullptr;
    app::StatusLine* status_ = nullptr;
    platform::win32::Win32ShellLinks links_;
    SelectorPage frame_;
    ProtectedNamesView protectedNames_;
    Subclass noaddHook_;
    Subclass dirRegistrationHook_;
    std::map<int, std::unique_ptr<Subclass>> editHooks_;
    bool refreshing_ = false;
    bool topmost_ = false;  // what the main window was last told
};

}  // namespace kefelo::ui
