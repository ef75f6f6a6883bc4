#pragma once
// Stand-in for a secondary window whose own content is not built yet (disk analysis,
// update wizard, uninstall list, ZIP window). It is created hidden,
// lives as long as the program, and takes part in the tray toggle like the real one will.
#include <string>

#include "core/app/main_shell.h"
#include "ui/common/window.h"

namespace kefelo::ui {

class SecondaryPlaceholder : public Window, public app::SecondaryWindow {
public:
    bool create(HINSTANCE instance, HWND owner, const std::string& title);
    // Centred over the owner and shown.
    void showOver(HWND owner);

    bool visible() override;
    void hide() override;
    void showInFront() override;
    void showOnTopOnce() override;

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace kefelo::ui
