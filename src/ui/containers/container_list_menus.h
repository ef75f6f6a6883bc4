#pragma once
// The menus under the buttons of the container and task grids: the add menu `pHozzaad`
// on "Hozzáadás" and the removal menu `pEltavolit` on both "Eltávolítás" buttons. The
// rules are core's (containers/container_add.h, container_remove.h); these only show
// the menus and hand the choice over.
#include "core/config/config_model.h"
#include "core/containers/container_add.h"
#include "platform/platform.h"
#include "ui/cleaning/cleaning_page.h"

namespace kefelo::ui {

class ContainerListMenus {
public:
    ContainerListMenus(platform::Platform& platform, config::ConfigModel& model, CleaningPage& page)
        : platform_(platform), model_(model), page_(page) {}

    // Connects the buttons; "Hozzáadás" stays disabled until manual adding is unlocked.
    void connect();
    // `check_noadd` changed.
    void setAddEnabled(bool enabled);
    // The chain for a folder from the picker or from the clipboard (the tray's popup menu).
    void addFromPicker();
    void addFromClipboard();

private:
    void showAddMenu();
    void showRemovalMenu(containers::GridKind kind, int buttonId);
    containers::AddOptions addOptions() const;
    // Shows the list after a folder was added, or the row that already held it.
    void added(const containers::AddOutcome& outcome);
    HWND owner() const;

    platform::Platform& platform_;
    config::ConfigModel& model_;
    CleaningPage& page_;
};

}  // namespace kefelo::ui
