#pragma once
// The secondary windows the main window owns for the whole run: the disk analysis table,
// the own-types editor `Tfrmmytype`, the update-uninstall list `Tfrmuninstlist`, the
// update wizard `TfrmUpdate`, and the ZIP window `tomorit`. They take part in the tray toggle.
#include <windows.h>

#include <memory>

#include "ui/config/own_types_window.h"
#include "platform/win32/win32_zip_archives.h"
#include "ui/maintenance/update_wizard_window.h"
#include "ui/search/zip_window.h"
#include "ui/tools/disk_table_window.h"
#include "ui/tools/uninstall_list_window.h"

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
    // "Betömörítés": the ZIP window over `over`, modal.
    void openZipWindow(HWND over);
    // The ZIP window's model, for the found-files operations that change its lists.
    search::Ttomorit* zipModel() { return zip_ ? &zip_->model() : nullptr; }
    // The update-uninstall directories the stores found, centred over `over`, modal.
    void showUninstallList(HWND over, tools::SystemStores& stores);
    // "A Kefeló program frissítése": the wizard's first step over `over`, unless something runs.
    void openUpdateWizard(HWND over);
    TfrmUpdate* updateWizard() { return updateWizard_.get(); }

private:
    session::Session* session_ = nullptr;
    std::unique_ptr<OwnTypesWindow> ownTypes_;
    std::unique_ptr<DiskTableWindow> diskTable_;
    std::unique_ptr<UninstallListWindow> uninstallList_;
    std::unique_ptr<TfrmUpdate> updateWizard_;
    platform::win32::Win32ZipArchives zipArchives_;
    std::unique_ptr<ZipWindow> zip_;
};

}  // namespace kefelo::ui
