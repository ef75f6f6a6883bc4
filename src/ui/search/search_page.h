#pragma once
// The search page (page 1 of the main page control), its settings side: the category
// list `list_searchcategory` and the type list `list_searchext` side by side. Ticking
// categories refills the types (the core's TypeLists decides everything); the space
// below the lists is kept for the search location and its start button.
#include <functional>

#include "core/config/type_lists.h"
#include "ui/common/window.h"
#include "ui/controls/check_list_box.h"
#include "ui/controls/subclass.h"

namespace kefelo::ui {

class SearchPage : public Window {
public:
    explicit SearchPage(config::TypeLists& lists) : lists_(lists) {}

    // `page` is the main window's page; the search page fills it and follows its size.
    bool create(HINSTANCE instance, HWND page);
    // Shows the lists as the core holds them now (after a change made elsewhere).
    void refresh();

    // "Saját típusaim" of the selection popup.
    std::function<void()> openOwnTypes;

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void layout();
    void fitToPage();
    void toggle(int number, int index);
    void popup(int number, POINT at, bool rightClick);

    config::TypeLists& lists_;
    HWND page_ = nullptr;
    HWND categoriesCaption_ = nullptr, typesCaption_ = nullptr;
    CheckListBox categories_, types_;
    Subclass pageHook_;
};

}  // namespace kefelo::ui
