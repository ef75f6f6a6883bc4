#include "ui/search/zip_window.h"
#include "ui/common/modal_loop.h"

// The common controls header needs the definitions of windows.h first.
#include <commctrl.h>
#include <commdlg.h>

#include <array>
#include <string>

#include "core/config/window_placement.h"
#include "core/search/zip_rules.h"
#include "core/tools/disk_table.h"
#include "platform/win32/wide.h"
#include "ui/common/window.h"
#include "ui/common/work_area.h"
#include "ui/controls/tooltips.h"
#include "ui/search/found_files_popup.h"
#include "ui/search/zip_window_ids.h"

namespace kefelo::ui {
namespace {
using platform::win32::narrow;
using platform::win32::widen;

// The system's move command: dragging the window by its background.
constexpr WPARAM kMoveCommand = 0xF012;
constexpr UINT kNameFieldDoubleClick = WM_APP + 1;
constexpr UINT kUndeletedRightButton = WM_APP + 2;
// A key pressed in the undeletable list: its entry is selected once the key has moved it.
constexpr UINT kUndeletedKey = WM_APP + 3;
// Subclass ids of the controls that need more than the dialog gives them.
constexpr UINT_PTR kNameField = 1;
constexpr UINT_PTR kUndeletedList = 2;
constexpr UINT_PTR kStopButton = 3;

// The controls of each page, by its number.
const std::array<std::vector<int>, 6> kPages = {{
    {IDC_MEMO_ZIPINFO, IDC_GROUP_COMPRESSNAME, IDC_EDIT_COMPRESSNAME, IDC_BUTTON_COMPRESS, IDC_BUTTON_CANCEL},
    {IDC_MEMO_ZIPINFOWHENEND, IDC_BUTTON_ZIPOPEN, IDC_BUTTON_ZIPDIR, IDC_BUTTON_ACTIVEFILEDEL, IDC_BUTTON_CLOSE},
    {IDC_MEMO_WHENZIP, IDC_BOX_UNDERCOMPRESS, IDC_LABELNAME, IDC_GAUGE, IDC_BUTTON_ABORT},
    {IDC_MEMO_WHENDELETE, IDC_BOX_UNDERDELETE, IDC_LABELNAMED, IDC_GAUGED, IDC_BUTTON1},
    {IDC_LABEL_UNDELETED, IDC_LISTUNDELETED, IDC_LABELFREE2},
    {IDC_LABEL_ALLDELETED, IDC_LABELFREE, IDC_BUTTON_BACK, IDC_BUTTON2},
}};

}  // namespace

ZipWindow::ZipWindow(const search::ZipContext& context, std::function<void(HWND)> showDiskAnalysis)
    : model_(context), showDiskAnalysis_(std::move(showDiskAnalysis)) {}

bool ZipWindow::create(HINSTANCE instance, HWND owner) {
    owner_ = owner;
    if (!createModeless(instance, IDD_ZIP, owner)) return false;
    const auto self = reinterpret_cast<DWORD_PTR>(this);
    SetWindowSubclass(GetDlgItem(hwnd(), IDC_EDIT_COMPRESSNAME), &ZipWindow::controlProc, kNameField, self);
    SetWindowSubclass(GetDlgItem(hwnd(), IDC_LISTUNDELETED), &ZipWindow::controlProc, kUndeletedList, self);
    for (int id : {IDC_BUTTON_ABORT, IDC_BUTTON1})
        SetWindowSubclass(GetDlgItem(hwnd(), id), &ZipWindow::controlProc, kStopButton, self);
    makeHints();
    for (int id : {IDC_GAUGE, IDC_GAUGED}) SendDlgItemMessageW(hwnd(), id, PBM_SETRANGE32, 0, 100);
    model_.changed = [this] { update(); };
    model_.close = [this] { endShowing(); };
    update();
    return true;
}

LRESULT CALLBACK ZipWindow::controlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                        DWORD_PTR self) {
    ZipWindow& zip = *reinterpret_cast<ZipWindow*>(self);
    if (id == kUndeletedList && message == WM_RBUTTONDOWN) {
        PostMessageW(zip.hwnd(), kUndeletedRightButton, 0, lParam);
        return 0;
    }
    if (id == kUndeletedList && message == WM_KEYDOWN) {
        // Every key selects the entry it leaves current, once: the selection change the key
        // may cause on the way is not a selection of its own.
        zip.keyInUndeletedList_ = true;
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        zip.keyInUndeletedList_ = false;
        PostMessageW(zip.hwnd(), kUndeletedKey, 0, 0);
        return result;
    }
    if (id == kNameField && message == WM_LBUTTONDBLCLK) {
        PostMessageW(zip.hwnd(), kNameFieldDoubleClick, 0, 0);
        return 0;
    }
    // While files are packed or deleted the queue runs outside the modal loop, where no
    // dialog manager turns Esc into a cancel: the stop button that holds the focus does.
    if (id == kStopButton && message == WM_KEYDOWN && wParam == VK_ESCAPE) {
        PostMessageW(zip.hwnd(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return 0;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

void ZipWindow::makeHints() {
    if (!tips_.create(hwnd(), 600)) return;
    tips_.set(IDC_EDIT_COMPRESSNAME, search::kZipNameHint);
    tips_.set(IDC_BUTTON_CANCEL, search::kZipCancelHint);
    tips_.set(IDC_BUTTON_ACTIVEFILEDEL, search::kZipDeleteSourcesHint);
    tips_.set(IDC_BUTTON_ABORT, search::kZipAbortHint);
    tips_.set(IDC_BUTTON1, search::kZipAbortHint);
    tips_.set(IDC_LABELFREE, search::kZipBalanceHint);
    tips_.set(IDC_LABELFREE2, search::kZipBalanceHint);
    // Caption, hint and action of the main window's table button.
    tips_.set(IDC_BUTTON2, tools::kDiskInfoHint);
}

void ZipWindow::selectUndeleted() {
    const LRESULT index = SendDlgItemMessageW(hwnd(), IDC_LISTUNDELETED, LB_GETCURSEL, 0, 0);
    if (index != LB_ERR) model_.listundeletedSelect(static_cast<int>(index));
}

void ZipWindow::undeletedMenu(POINT client) {
    HWND list = GetDlgItem(hwnd(), IDC_LISTUNDELETED);
    const LRESULT hit = SendMessageW(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(client.x, client.y));
    if (HIWORD(hit) != 0 || !model_.undeletedMenuAllowed(LOWORD(hit))) return;
    POINT at = client;
    ClientToScreen(list, &at);
    showFoundFilesMenu(hwnd(), at, model_.search());
}

void ZipWindow::update() {
    if (!hwnd()) return;
    const search::Ttomorit& m = model_;
    auto setText = [this](int id, const std::string& text) {
        HWND control = GetDlgItem(hwnd(), id);
        if (control && windowText(control) != text) SetWindowTextW(control, widen(text).c_str());
    };
    if (windowText(hwnd()) != m.caption) SetWindowTextW(hwnd(), widen(m.caption).c_str());
    for (size_t page = 0; page < kPages.size(); ++page)
        for (int id : kPages[page]) {
            HWND control = GetDlgItem(hwnd(), id);
            const bool show = static_cast<int>(page) == m.pc;
            if (IsWindowVisible(control) != show ||
                (GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != (show ? WS_VISIBLE : 0))
                ShowWindow(control, show ? SW_SHOWNA : SW_HIDE);
        }
    setText(IDC_EDIT_COMPRESSNAME, m.edit_compressname);
    SendDlgItemMessageW(hwnd(), IDC_EDIT_COMPRESSNAME, EM_SETSEL, m.edit_compressname.size(),
                        m.edit_compressname.size());
    setText(IDC_BUTTON_COMPRESS, m.button_compress);
    setText(IDC_MEMO_ZIPINFOWHENEND, m.memo_zipinfowhenend);
    setText(IDC_MEMO_WHENZIP, m.memo_whenzip);
    setText(IDC_BOX_UNDERCOMPRESS, m.box_undercompress);
    setText(IDC_LABELNAME, m.labelname);
    setText(IDC_BOX_UNDERDELETE, m.box_underdelete);
    setText(IDC_LABELNAMED, m.labelnamed);
    setText(IDC_LABELFREE, m.labelfree);
    setText(IDC_LABELFREE2, m.labelfree2);
    tips_.set(IDC_BUTTON_ZIPOPEN, m.button_zipopenHint);
    tips_.set(IDC_BUTTON_ZIPDIR, m.button_zipdirHint);
    tips_.set(IDC_LISTUNDELETED, m.listHint);
    SendDlgItemMessageW(hwnd(), IDC_GAUGE, PBM_SETPOS, m.Gauge, 0);
    SendDlgItemMessageW(hwnd(), IDC_GAUGED, PBM_SETPOS, m.GaugeD, 0);
    HWND list = GetDlgItem(hwnd(), IDC_LISTUNDELETED);
    if (shownList_ != m.listundeleted) {
        shownList_ = m.listundeleted;
        SendMessageW(list, LB_RESETCONTENT, 0, 0);
        for (const std::string& path : shownList_)
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(path).c_str()));
        // Room to scroll sideways to the end of long paths.
        SendMessageW(list, LB_SETHORIZONTALEXTENT, 2000, 0);
    }
    if (SendMessageW(list, LB_GETCURSEL, 0, 0) != m.listundeletedIndex)
        SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(m.listundeletedIndex), 0);
    if (m.pc != shownPage_) {
        shownPage_ = m.pc;
        // The button that started the work has gone with its page: the stop button takes
        // the keys (Space, Esc), unless the user is in another window.
        const HWND focus = GetFocus();
        const int stop = m.pc == search::zip_compressing ? IDC_BUTTON_ABORT
                         : m.pc == search::zip_deleting  ? IDC_BUTTON1
                                                         : 0;
        if (stop && (GetActiveWindow() == hwnd() || (focus && IsChild(hwnd(), focus))))
            SendMessageW(hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(hwnd(), stop)), TRUE);
    }
    // The queue may not run again soon while files are packed: paint now.
    UpdateWindow(hwnd());
}

void ZipWindow::endShowing() {
    if (modal_) {
        modal_ = false;
        PostMessageW(hwnd(), WM_NULL, 0, 0);
        return;
    }
    model_.windowClosed();
    openMark = 0;
    ShowWindow(hwnd(), SW_HIDE);
}

void ZipWindow::open(HWND over) {
    if (!hwnd() || modal_) return;
    if (visible()) endShowing();
    if (!model_.button_findsselecttozipClick()) return;
    openMark = 1;
    RECT o{}, self{};
    GetWindowRect(over, &o);
    GetWindowRect(hwnd(), &self);
    const config::ScreenPoint at =
        config::centreOver(config::WindowBounds{o.left, o.top, o.right - o.left, o.bottom - o.top},
                           self.right - self.left, self.bottom - self.top);
    SetWindowPos(hwnd(), HWND_TOPMOST, at.x, at.y, 0, 0, SWP_NOSIZE);

    const bool ownerWasEnabled = owner_ && IsWindowEnabled(owner_);
    if (ownerWasEnabled) EnableWindow(owner_, FALSE);
    modal_ = true;
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
    SetFocus(GetDlgItem(hwnd(), IDC_BUTTON_COMPRESS));
    runModalLoop(hwnd(), modal_, [&](WPARAM key) {
        if (key != VK_ESCAPE) return false;
        model_.cancelAndClose();
        return true;
    });
    modal_ = false;
    if (ownerWasEnabled) EnableWindow(owner_, TRUE);
    ShowWindow(hwnd(), SW_HIDE);
    openMark = 0;
    if (owner_) SetActiveWindow(owner_);
    if (model_.closedModal()) {
        openMark = 1;
        ShowWindow(hwnd(), SW_SHOW);
        SetFocus(GetDlgItem(hwnd(), IDC_LISTUNDELETED));
    }
}

void ZipWindow::chooseName() {
    std::wstring file = widen(model_.nameDialogFile());
    file.resize(std::max<size_t>(file.size() + 1, MAX_PATH * 4), L'\0');
    const std::wstring folder = widen(model_.nameDialogFolder());
    const std::wstring title = widen(search::kZipNameDialogTitle);
    std::wstring filter = widen(search::kZipNameDialogFilter);
    filter += L'\0';
    filter += L"*.*";
    filter += L'\0';
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = hwnd();
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = folder.c_str();
    ofn.lpstrTitle = title.c_str();
    // A new name is what is asked for: the file need not exist.
    ofn.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER;
    if (GetOpenFileNameW(&ofn)) model_.nameChosen(narrow(file.c_str()));
}

void ZipWindow::onCommand(int id, int code) {
    switch (id) {
        case IDC_BUTTON_COMPRESS:
            model_.button_compressClick();
            break;
        case IDC_BUTTON_CANCEL:
        case IDC_BUTTON_BACK:
        case IDCANCEL:
            model_.cancelAndClose();
            break;
        case IDC_BUTTON_ABORT:
            model_.button_abortClick();
            break;
        case IDC_BUTTON_ZIPOPEN:
            model_.button_zipopenClick();
            break;
        case IDC_BUTTON_ZIPDIR:
            model_.button_zipdirClick();
            break;
        case IDC_BUTTON_ACTIVEFILEDEL:
            model_.button_activefiledelClick();
            break;
        case IDC_BUTTON1:
            model_.button1Click();
            break;
        case IDC_BUTTON_CLOSE:
            endShowing();
            break;
        case IDC_BUTTON2:
            if (showDiskAnalysis_) {
                // The table is an ordinary window: this one steps down while it shows.
                SetWindowPos(hwnd(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
                showDiskAnalysis_(hwnd());
                SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            }
            break;
        case IDC_LISTUNDELETED:
            if ((code == LBN_SELCHANGE && !keyInUndeletedList_) || code == LBN_DBLCLK) selectUndeleted();
            break;
        default:
            break;
    }
}

INT_PTR ZipWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            onCommand(LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        case WM_ENABLE:
            // A message box of the program disables every window of the thread; it is owned
            // by the main window, so this window stops being on top until it is answered.
            SetWindowPos(hwnd(), wParam ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            return TRUE;
        case kUndeletedRightButton:
            undeletedMenu(POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
            return TRUE;
        case kUndeletedKey:
            if (model_.pc == search::zip_undeleted) selectUndeleted();
            return TRUE;
        case kNameFieldDoubleClick:
            if (model_.pc == search::zip_name && !model_.compressRunning) chooseName();
            return TRUE;
        case WM_CLOSE:
            model_.cancelAndClose();
            return TRUE;
        case WM_LBUTTONDOWN:
            ReleaseCapture();
            SendMessageW(hwnd(), WM_SYSCOMMAND, kMoveCommand, 0);
            return TRUE;
        case WM_WINDOWPOSCHANGING:
            keepWindowInWorkArea(hwnd(), *reinterpret_cast<WINDOWPOS*>(lParam));
            return FALSE;
        default:
            break;
    }
    return Dialog::handleMessage(message, wParam, lParam);
}

bool ZipWindow::visible() { return hwnd() && IsWindowVisible(hwnd()); }

void ZipWindow::hide() {
    if (hwnd()) ShowWindow(hwnd(), SW_HIDE);
}

void ZipWindow::showInFront() { showWindowInFront(hwnd()); }

void ZipWindow::showOnTopOnce() {
    // The window stays on top for good; being brought up is all it needs.
    showWindowInFront(hwnd());
}

}  // namespace kefelo::ui
