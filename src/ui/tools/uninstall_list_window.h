#pragma once
// `Tfrmuninstlist`: the names of the update-uninstall directories the system stores
// found, each to be looked at in Explorer or its property sheet. Modal over the main
// window; the selected directory's path shows in the status line meanwhile.
#include <windows.h>

#include "core/app/main_shell.h"
#include "core/app/status_line.h"
#include "core/tools/system_stores.h"
#include "ui/common/dialog.h"
#include "ui/controls/subclass.h"

namespace kefelo::ui {

class UninstallListWindow : public Dialog, public app::SecondaryWindow {
public:
    explicit UninstallListWindow(app::StatusLine& status) : status_(status) {}

    bool create(HINSTANCE instance, HWND owner);
    // Filled from the stores' list, centred over `over`; returns when closed.
    void showModal(HWND over, tools::SystemStores& stores);

    bool visible() override;
    void hide() override;
    void showInFront() override;

protected:
    INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::string selectedName() const;
    void selectionChanged();
    // `popUninstall` at a screen point.
    void popup(POINT at);
    void close() { running_ = false; }

    app::StatusLine& status_;
    tools::SystemStores* stores_ = nullptr;
    HWND owner_ = nullptr;
    HWND list_ = nullptr;
    Subclass listHook_;
    bool running_ = false;
};

}  // namespace kefelo::ui
