#pragma once
// The group "Védett állományok" of the options page: the list `list_protectfiles` with
// the Office names in grey, the popup "Új állomány" and the buttons that change the list.
// The list and its editing are config::ProtectedNames'; this view shows the list and
// hands every click and key to it.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "core/config/protected_names.h"
#include "ui/controls/selector_page.h"
#include "ui/controls/subclass.h"

namespace kefelo::session {
class Session;
}

namespace kefelo::ui {

class ProtectedNamesView {
public:
    // Fills the frame's entry for the group; the session outlives the page.
    void setUp(session::Session& session, SelectorPage::Group& group);
    // The group's dialog exists: captions, hooks and the list.
    void initialize(SelectorPage& frame, int group);
    // The list follows the model (after a load, or an edit).
    void refresh();
    // The names may have changed elsewhere (a found file protected): the list follows the
    // model when it differs, keeping the user's selection.
    void refreshIfChanged();
    HWND list() const { return list_; }

private:
    void layout();
    void onCommand(int id, int code);
    std::optional<INT_PTR> onMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void drawItem(const DRAWITEMSTRUCT& item) const;
    void showNewMenu(POINT at);
    // Runs one editing operation on the current selection and shows the result.
    template <typename Operation>
    void edit(Operation operation);

    session::Session* session_ = nullptr;
    std::optional<config::ProtectedNames> names_;
    HWND dialog_ = nullptr;
    HWND list_ = nullptr;
    Subclass listHook_;
    // The names the list box holds now.
    std::vector<std::string> shown_;
};

}  // namespace kefelo::ui
