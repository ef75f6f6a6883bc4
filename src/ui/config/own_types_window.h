#pragma once
// The own-types editor window `Tfrmmytype`: the list of the user's own masks with its
// buttons, the help text and the size hint. The core editor decides; this window shows
// it, runs modally over the main window, can be dragged by its background and never
// leaves the desktop work area.
#include <functional>
#include <string>

#include "core/app/main_shell.h"
#include "core/config/own_types_editor.h"
#include "ui/common/window.h"
#include "ui/controls/subclass.h"

namespace kefelo::ui {

class OwnTypesWindow : public Window, public app::SecondaryWindow {
public:
    OwnTypesWindow(config::MaskTable& table, platform::UiServices& ui, std::function<bool()> viewAlerts)
        : editor_(table, ui), viewAlerts_(std::move(viewAlerts)) {}

    bool create(HINSTANCE instance, HWND owner);
    config::Tfrmmytype& editor() { return editor_; }
    // Shows the window at the editor's position and returns when it closes.
    void showModal();

    bool visible() override;
    void hide() override;
    void showInFront() override;

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void layout();
    void fillList();
    // `under`: the window the mouse is over, when it moves.
    void updateHint(HWND under = nullptr);
    void run(void (OwnTypesWindow::*operation)());
    void add() { editor_.add(); }
    void change() { editor_.change(); }
    void remove() { editor_.remove(!viewAlerts_ || viewAlerts_()); }

    config::Tfrmmytype editor_;
    std::function<bool()> viewAlerts_;
    HWND owner_ = nullptr;
    HWND list_ = nullptr, add_ = nullptr, change_ = nullptr, remove_ = nullptr, store_ = nullptr, cancel_ = nullptr;
    HWND sorted_ = nullptr, memo_ = nullptr, hint_ = nullptr;
    HFONT font_ = nullptr;
    std::string shownHint_;
    Subclass listHook_;
};

}  // namespace kefelo::ui
