#pragma once
// An owner-drawn list box that shows a config::CheckList with a tick box before every
// item. Clicking the box, Space or a double-click toggle; a right click over a list with
// items, the menu key or Enter ask for the selection popup. What a toggle or the popup
// means is left to the owner: the control only reports them.
#include <windows.h>

#include <functional>
#include <optional>

#include "core/config/type_lists.h"
#include "ui/controls/subclass.h"

namespace kefelo::ui {

class CheckListBox {
public:
    // The list the box shows at the moment; may change (the task editors switch between
    // the new and the modify lists) and may be nullptr.
    using Source = std::function<config::CheckList*()>;

    // Created inside `parent`, whose drawing and notification messages for this box the
    // control takes over.
    bool create(HWND parent, int id, HFONT font, Source source);
    HWND hwnd() const { return hwnd_; }

    // Copies the texts and the selection of the list into the box, keeping the scroll place.
    void refill();

    std::function<void(int index)> onToggle;
    // `at` is in screen coordinates; `rightClick` tells a mouse request from Enter, since
    // a right click opens the popup only over a list with items.
    std::function<void(POINT at, bool rightClick)> onPopup;

private:
    std::optional<LRESULT> boxMessage(UINT message, WPARAM wParam, LPARAM lParam);
    std::optional<LRESULT> parentMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void draw(const DRAWITEMSTRUCT& item) const;
    void toggle(int index);
    void popup(POINT at, bool rightClick);

    HWND hwnd_ = nullptr;
    Source source_;
    Subclass boxHook_, parentHook_;
};

// The selection popup "Mindet" / "Egyiket sem" / "Megfordít" / "Saját típusaim" for the
// list with that number; runs the chosen command on `lists`. Returns whether anything was
// chosen, so the caller refills its boxes.
bool runSelectionPopup(HWND owner, POINT at, config::TypeLists& lists, int number,
                       const std::function<void()>& openOwnTypes);

}  // namespace kefelo::ui
