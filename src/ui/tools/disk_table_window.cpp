#include "ui/tools/disk_table_window.h"
#include "ui/common/modal_loop.h"

#include <algorithm>
#include <string>

#include "core/config/window_placement.h"
#include "platform/win32/wide.h"
#include "ui/common/dpi.h"
#include "ui/common/work_area.h"
#include "ui/common/gdi.h"
#include "ui/tools/disk_table_window_ids.h"

namespace kefelo::ui {
namespace {
using platform::win32::widen;

// The system's move command: dragging the window by its background.
constexpr WPARAM kMoveCommand = 0xF012;
// Posted by the activation, so the scan and its pumping run outside WM_ACTIVATE.
constexpr UINT kRescanMessage = WM_APP + 1;

COLORREF fillColour(double percent) {
    if (percent >= 90) return RGB(0xD9, 0x3B, 0x3B);
    if (percent >= 75) return RGB(0xE6, 0x9B, 0x00);
    return RGB(0x3C, 0xA0, 0x5A);
}

}  // namespace

bool DiskTableWindow::create(HINSTANCE instance, HWND owner) {
    owner_ = owner;
    if (!createModeless(instance, IDD_DISKINFO, owner)) return false;
    grid_ = GetDlgItem(hwnd(), IDC_DISKINFO_LIST);
    allDrives_ = GetDlgItem(hwnd(), IDC_DISKINFO_ALLDRIVES);
    refresh_ = GetDlgItem(hwnd(), IDC_DISKINFO_REFRESH);
    ListView_SetExtendedListViewStyleEx(grid_, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_DOUBLEBUFFER,
                                        LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_DOUBLEBUFFER);
    const UINT dpi = dpiOf(hwnd());
    for (int i = 0; i < tools::kDiskColumnCount; ++i) {
        std::wstring caption = widen(std::string(tools::kDiskColumnHeaders[i]));
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM | LVCF_FMT;
        column.fmt = i >= 2 ? LVCFMT_RIGHT : LVCFMT_LEFT;
        column.pszText = caption.data();
        column.cx = scaleForDpi(tools::kDiskColumnWidths[i], dpi);
        column.iSubItem = i;
        ListView_InsertColumn(grid_, i, &column);
    }
    if (tips_.create(hwnd(), 480)) {
        tips_.set(IDC_DISKINFO_ALLDRIVES, tools::kAllDrivesHint);
        tips_.set(IDC_DISKINFO_REFRESH, tools::kRefreshHint);
        tips_.set(IDC_DISKINFO_OK, tools::kCloseHint);
        tips_.set(IDC_DISKINFO_LIST, tools::kGridHint);
    }
    table_.changed = [this] { showTable(); };
    return true;
}

void DiskTableWindow::scan() {
    // A refused rescan leaves the box as the rows were scanned.
    if (!table_.Elemez(SendMessageW(allDrives_, BM_GETCHECK, 0, 0) == BST_CHECKED))
        SendMessageW(allDrives_, BM_SETCHECK, table_.check_alldriveinfodisplay ? BST_CHECKED : BST_UNCHECKED, 0);
}

void DiskTableWindow::showTable() {
    SetWindowTextW(hwnd(), widen(table_.caption).c_str());
    // While the scan runs the queue is pumped: nothing may start another one or change its input.
    EnableWindow(grid_, table_.gridEnabled);
    EnableWindow(allDrives_, table_.gridEnabled);
    EnableWindow(refresh_, table_.gridEnabled);
    const int count = static_cast<int>(table_.rows.size());
    ListView_SetItemCountEx(grid_, count, 0);
    if (count > 0 && ListView_GetNextItem(grid_, -1, LVNI_FOCUSED) < 0)
        ListView_SetItemState(grid_, 0, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
    InvalidateRect(grid_, nullptr, TRUE);
    UpdateWindow(hwnd());
}

void DiskTableWindow::close() {
    running_ = false;
    PostMessageW(hwnd(), WM_NULL, 0, 0);
}

void DiskTableWindow::showModal(HWND over) {
    if (!hwnd() || running_ || !table_.mayOpen()) return;
    RECT o{}, self{};
    GetWindowRect(over, &o);
    GetWindowRect(hwnd(), &self);
    const config::ScreenPoint at =
        config::centreOver(config::WindowBounds{o.left, o.top, o.right - o.left, o.bottom - o.top},
                           self.right - self.left, self.bottom - self.top);
    SetWindowPos(hwnd(), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageW(allDrives_, BM_SETCHECK, table_.check_alldriveinfodisplay ? BST_CHECKED : BST_UNCHECKED, 0);

    const bool ownerWasEnabled = owner_ && IsWindowEnabled(owner_);
    if (ownerWasEnabled) EnableWindow(owner_, FALSE);
    running_ = true;
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
    SetFocus(grid_);
    leftWhileOpen_ = false;
    scan();
    runModalLoop(hwnd(), running_, [&](WPARAM key) {
        // Enter and Escape close the window wherever the focus is; the key goes no further.
        if (key != VK_ESCAPE && key != VK_RETURN) return false;
        close();
        return true;
    });
    running_ = false;
    table_.closed();
    SendMessageW(allDrives_, BM_SETCHECK, BST_UNCHECKED, 0);
    if (ownerWasEnabled) EnableWindow(owner_, TRUE);
    ShowWindow(hwnd(), SW_HIDE);
    if (owner_) SetActiveWindow(owner_);
}

bool DiskTableWindow::visible() { return hwnd() && IsWindowVisible(hwnd()); }

void DiskTableWindow::hide() {
    if (hwnd()) ShowWindow(hwnd(), SW_HIDE);
}

void DiskTableWindow::showInFront() { showWindowInFront(hwnd()); }

void DiskTableWindow::drawFillBar(HDC dc, int row, const RECT& cell, bool selected) {
    const tools::DiskRow& data = table_.rows[row];
    FillRect(dc, &cell, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const UINT dpi = dpiOf(grid_);
    const int inset = scaleForDpi(2, dpi);
    RECT bar{cell.left + inset, cell.top + inset, cell.right - inset, cell.bottom - inset};
    if (bar.right > bar.left && bar.bottom > bar.top) {
        FillRect(dc, &bar, GetSysColorBrush(COLOR_BTNFACE));
        const double share = std::clamp(data.usedPercent, 0.0, 100.0) / 100.0;
        RECT filled = bar;
        filled.right = bar.left + static_cast<int>((bar.right - bar.left) * share + 0.5);
        UniqueBrush brush(CreateSolidBrush(fillColour(data.usedPercent)));
        FillRect(dc, &filled, brush.get());
        FrameRect(dc, &bar, GetSysColorBrush(COLOR_BTNSHADOW));
    }
    const std::wstring text = widen(data.cells[tools::kDiskPercentColumn]);
    RECT textRect = bar;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(grid_, WM_GETFONT, 0, 0)));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
}

LRESULT DiskTableWindow::drawCell(NMLVCUSTOMDRAW& draw) {
    switch (draw.nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            return CDRF_NOTIFYITEMDRAW;
        case CDDS_ITEMPREPAINT:
            return CDRF_NOTIFYSUBITEMDRAW;
        case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
            const int row = static_cast<int>(draw.nmcd.dwItemSpec);
            if (draw.iSubItem != tools::kDiskPercentColumn || row < 0 || row >= static_cast<int>(table_.rows.size()))
                return CDRF_DODEFAULT;
            RECT cell{};
            if (!ListView_GetSubItemRect(grid_, row, draw.iSubItem, LVIR_BOUNDS, &cell)) return CDRF_DODEFAULT;
            const bool selected =
                (ListView_GetItemState(grid_, row, LVIS_SELECTED) & LVIS_SELECTED) && GetFocus() == grid_;
            drawFillBar(draw.nmcd.hdc, row, cell, selected);
            return CDRF_SKIPDEFAULT;
        }
        default:
            return CDRF_DODEFAULT;
    }
}

bool DiskTableWindow::onNotify(const NMHDR& header, LRESULT& result) {
    if (header.hwndFrom != grid_) return false;
    switch (header.code) {
        case LVN_GETDISPINFOW: {
            auto& info = const_cast<NMLVDISPINFOW&>(reinterpret_cast<const NMLVDISPINFOW&>(header));
            const int row = info.item.iItem, column = info.item.iSubItem;
            if ((info.item.mask & LVIF_TEXT) && info.item.pszText && info.item.cchTextMax > 0) {
                std::wstring text;
                if (row >= 0 && row < static_cast<int>(table_.rows.size()) && column >= 0 &&
                    column < tools::kDiskColumnCount)
                    text = widen(table_.rows[row].cells[column]);
                lstrcpynW(info.item.pszText, text.c_str(), info.item.cchTextMax);
            }
            return true;
        }
        case NM_CUSTOMDRAW:
            result = drawCell(*reinterpret_cast<NMLVCUSTOMDRAW*>(const_cast<NMHDR*>(&header)));
            return true;
        case NM_DBLCLK: {
            const int row = reinterpret_cast<const NMITEMACTIVATE&>(header).iItem;
            if (row >= 0) table_.openDrive(row);
            return true;
        }
        case NM_RCLICK: {
            const int row = reinterpret_cast<const NMITEMACTIVATE&>(header).iItem;
            if (row >= 0) table_.driveProperties(row, !viewAlerts_ || viewAlerts_());
            return true;
        }
        default:
            return false;
    }
}

INT_PTR DiskTableWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            close();
            return TRUE;
        case WM_WINDOWPOSCHANGING:
            keepWindowInWorkArea(hwnd(), *reinterpret_cast<WINDOWPOS*>(lParam));
            return FALSE;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                leftWhileOpen_ = running_;
            } else if (leftWhileOpen_ && running_) {
                leftWhileOpen_ = false;
                PostMessageW(hwnd(), kRescanMessage, 0, 0);
            }
            break;
        case kRescanMessage:
            if (running_ && table_.gridEnabled) scan();
            return TRUE;
        case WM_LBUTTONDOWN:
            ReleaseCapture();
            SendMessageW(hwnd(), WM_SYSCOMMAND, kMoveCommand, 0);
            return TRUE;
        case WM_NOTIFY: {
            LRESULT result = 0;
            if (!onNotify(*reinterpret_cast<const NMHDR*>(lParam), result)) break;
            SetWindowLongPtrW(hwnd(), DWLP_MSGRESULT, result);
            return TRUE;
        }
        case WM_COMMAND: {
            if (HIWORD(wParam) != BN_CLICKED) return TRUE;
            switch (LOWORD(wParam)) {
                case IDC_DISKINFO_ALLDRIVES:
                case IDC_DISKINFO_REFRESH:
                    scan();
                    break;
                case IDC_DISKINFO_OK:
                case IDCANCEL:
                    close();
                    break;
                default:
                    break;
            }
            return TRUE;
        }
        default:
            break;
    }
    return Dialog::handleMessage(message, wParam, lParam);
}

}  // namespace kefelo::ui
