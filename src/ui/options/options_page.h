#pragma once
// The options page (page 3 of the main page control): the group selector
// `box_optionselect`, the group pages of `pcoptions` and the description box
// `memo_infoaboutoptions`, in the selector-page frame. Of the groups, "Általános" and
// "Auto-szolgáltatások" are built here and "Védett állományok" by ProtectedNamesView; the
// others are empty pages that their own code fills through frame().group(). The rules are
// integration::OptionsPageModel's; this view copies its state to the controls.
#include <map>
#include <memory>

#include "core/integration/options_page_model.h"
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

    integration::OptionsPageModel* model_ = nullptr;
    SelectorPage frame_;
    ProtectedNamesView protectedNames_;
    Subclass noaddHook_;
    std::map<int, std::unique_ptr<Subclass>> editHooks_;
    bool refreshing_ = false;
};

}  // namespace kefelo::ui
