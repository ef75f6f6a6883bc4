#pragma once
// Page 0 of `pcKereses`: what to search and where. The category list
// `list_searchcategory` and the type list `list_searchext` side by side (ticking
// categories refills the types; the core's TypeLists decides), below them the location
// field `edit_searchpath` with its history and "Tallóz...", and the start button
// `button_searchbegin`.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/config/type_lists.h"
#include "core/search/search_page_model.h"
#include "ui/common/dialog.h"
#include "ui/controls/check_list_box.h"
#include "ui/controls/hover_tracker.h"
#include "ui/controls/sel_button.h"
#include "ui/controls/subclass.h"

namespace kefelo::ui {

class SearchSettingsView : public PageDialog {
public:
    struct Callbacks {
        // The long hint of the control under the mouse; empty over the background.
        std::function<void(const std::string&)> hint;
        // "Saját típusaim" of the lists' selection popup.
        std::function<void()> openOwnTypes;
    };

    bool create(HINSTANCE instance, HWND parent, config::TypeLists& lists, search::SearchPageModel& model,
                Callbacks callbacks);

    // The lists as the core holds them now; lists that did not change are left alone.
    void refreshLists();
    // The location field, its history and the start button as the core holds them.
    void update();

protected:
    INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void initialize() override;
    void layout() override;
    bool drawItem(LPARAM item) override { return buttons_.draw(item); }
    void toggle(int number, int index);
    void popup(int number, POINT at, bool rightClick);
    void onLocation(int code);
    void pick(int index);
    // The field's text into the core, in case a change went unreported.
    void takeTypedText();
    void start(bool fromEnter);
    std::optional<LRESULT> onPathEditMessage(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
    void onHover(HWND window);
    HWND combo() const;

    HINSTANCE instance_ = nullptr;
    config::TypeLists* lists_ = nullptr;
    search::SearchPageModel* model_ = nullptr;
    Callbacks callbacks_;
    CheckListBox categories_, types_;
    // What the boxes show, so an unchanged list is not filled again.
    config::CheckList shownCategories_, shownTypes_;
    std::vector<std::string> shownHistory_;
    bool updating_ = false;
    // A choice made in the open drop-down list counts once the list closes.
    bool pickPending_ = false;
    SelButtons buttons_;
    HoverTracker hover_;
    Subclass pathEdit_;
    std::string lastHint_;
};

}  // namespace kefelo::ui
