#pragma once
// The menus under the buttons of the container and task grids: the add menu `pHozzaad`
// on "Hozzáadás" and the removal menu `pEltavolit` on both "Eltávolítás" buttons. The
// rules are core's (containers/container_add.h, container_remove.h); these only show
// the menus and hand the choice over.
#include <optional>
#include <string>

#include "core/config/config_model.h"
#include "platform/platform.h"
#include "ui/cleaning/cleaning_page.h"

namespace kefelo::ui {

// The clipboard's text as a one-line edit would paste it (up to the first line break);
// nullopt when it holds no text or cannot be opened.
std::optional<std::string> readClipboardText(HWND owner);

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
    void addPath(const std::optional<std::string>& path, bool picker);
    HWND owner() const;

    platform::Platform& platform_;
    config::ConfigModel& model_;
    CleaningPage& page_;
};

}  // namespace kefelo::ui
