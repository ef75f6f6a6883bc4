#pragma once
// The disk analysis window: the drives' table with a fill bar in the percentage column,
// the all-drives box, refresh and close. Modal over the main window, dragged by its
// background, kept inside the work area. The core table decides; this window shows it.
#include <windows.h>
// The common controls header needs the definitions above.
#include <commctrl.h>

#include <functional>

#include "core/app/main_shell.h"
#include "core/tools/disk_table.h"
#include "ui/common/dialog.h"
#include "ui/controls/tooltips.h"

namespace kefelo::ui {

class DiskTableWindow : public Dialog, public app::SecondaryWindow {
public:
    // `activity` is the program's activity code, which the scan holds.
    DiskTableWindow(platform::Platform& platform, platform::Shell& shell, app::Activity& activity,
                    std::function<bool()> viewAlerts)
        : table_(platform, shell, activity), viewAlerts_(std::move(viewAlerts)) {}

    bool create(HINSTANCE instance, HWND owner);
    // Centred over `over`, scanned, and returns when closed; not shown (after the busy
    // warning) while another operation runs.
    void showModal(HWND over);
    tools::Tform_diskinfo& table() { return table_; }

    bool visible() override;
    void hide() override;
    void showInFront() override;

protected:
    INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void scan();
    void showTable();
    void close();
    bool onNotify(const NMHDR& header, LRESULT& result);
    LRESULT drawCell(NMLVCUSTOMDRAW& draw);
    void drawFillBar(HDC dc, int row, const RECT& cell, bool selected);

    tools::Tform_diskinfo table_;
    Tooltips tips_;
    std::function<bool()> viewAlerts_;
    HWND owner_ = nullptr;
    HWND grid_ = nullptr, allDrives_ = nullptr, refresh_ = nullptr;
    bool running_ = false;
    // The window lost the activation while open: coming back (from Explorer or a property
    // sheet) scans again, as the sizes may have changed meanwhile.
    bool leftWhileOpen_ = false;
};

}  // namespace kefelo::ui
