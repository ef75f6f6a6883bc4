#pragma once
// The secondary windows the main window owns for the whole run: the disk analysis table,
// the own-types editor `Tfrmmytype`, and the update wizard, the uninstall list and the ZIP
// window (stand-ins until they are built). They take part in the tray toggle.
#include <windows.h>

#include <memory>
#include <vector>

#include "ui/app/secondary_placeholder.h"
#include "ui/config/own_types_window.h"
#include "ui/tools/disk_table_window.h"

namespace kefelo::session {
class Session;
}

namespace kefelo::ui {

class SecondaryWindows {
public:
    bool create(HINSTANCE instance, HWND owner, session::Session& session);
    // "Saját típusaim": the editor over the window, modal; the type lists follow it.
    void openOwnTypes(HWND over);
    // "Lemezelemző táblázat megnyitása": the tray's actions, the tools page and the ZIP
    // window open the table centred over `over`, modal.
    void showDiskAnalysis(HWND over);

private:
    session::Session* session_ = nullptr;
    std::vector<std::unique_ptr<SecondaryPlaceholder>> placeholders_;
    std::unique_ptr<OwnTypesWindow> ownTypes_;
    std::unique_ptr<DiskTableWindow> diskTable_;
};

}  // namespace kefelo::ui
