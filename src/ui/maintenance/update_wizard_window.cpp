#include "ui/maintenance/update_wizard_window.h"
#include "ui/common/modal_loop.h"
#include "ui/maintenance/update_server.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "core/config/window_placement.h"
#include "core/help/help_viewer.h"
#include "platform/win32/wide.h"
#include "ui/common/work_area.h"
#include "ui/maintenance/update_wizard_ids.h"

namespace kefelo::ui {
namespace {
using platform::win32::widen;
namespace m = maintenance;

constexpr int kMemoIds[m::kUpdatePageCount] = {IDC_UPDATE_MEMO1, IDC_UPDATE_MEMO2, IDC_UPDATE_MEMO3,
                                               IDC_UPDATE_MEMO4, IDC_UPDATE_MEMO5, IDC_UPDATE_MEMOREG5};

struct PageControl {
    int id;
    int page;
};
// The controls each page shows besides its text.
constexpr PageControl kPageControls[] = {
    {IDC_UPDATE_SEARCHUPDATE, m::kPagePrepare},
    {IDC_UPDATE_CANCEL1, m::kPagePrepare},
    {IDC_UPDATE_OPENPROGRAMSDIR, m::kPagePrepare},
    {IDC_UPDATE_GAUGE, m::kPageNewer},
    {IDC_UPDATE_DOWNLOAD, m::kPageNewer},
    {IDC_UPDATE_CANCEL4, m::kPageNewer},
    {IDC_UPDATE_RESTART, m::kPageDownloaded},
    {IDC_UPDATE_CANCEL2, m::kPageDownloaded},
    {IDC_UPDATE_BACK, m::kPageLatest},
    {IDC_UPDATE_BUTTON1, m::kPageLatest},
    {IDC_UPDATE_BUTTON2, m::kPageLatest},
    {IDC_UPDATE_MANUALDOWNLOAD, m::kPageFailed},
    {IDC_UPDATE_REDOWNLOAD, m::kPageFailed},
    {IDC_UPDATE_CANCEL3, m::kPageFailed},
};

void setText(HWND control, const std::string& text) {
    const std::wstring wide = widen(text);
    wchar_t current[1024] = L"";
    GetWindowTextW(control, current, 1024);
    // Setting the same text again makes the panel flicker during the download.
    if (wide != current) SetWindowTextW(control, wide.c_str());
}

}  // namespace

TfrmUpdate::TfrmUpdate(platform::Platform& platform, platform::Shell& shell, const std::string& programDirectory,
                       const std::string& executablePath, UpdateWizardHooks hooks)
    : internet_([&platform] { platform.ui.pumpMessages(); }), hooks_(std::move(hooks)) {
    wizard_ = std::make_unique<m::UpdateWizard>(
        m::UpdateContext{platform, shell, internet_, zip_, programDirectory, executablePath, updateServerAddress(),
                         hooks_.activity},
        static_cast<m::UpdateHost&>(*this));
}

bool TfrmUpdate::create(HINSTANCE instance, HWND owner) {
    owner_ = owner;
    if (!createModeless(instance, IDD_UPDATE, owner)) return false;
    for (int page = 0; page < m::kUpdatePageCount; ++page)
        SetDlgItemTextW(hwnd(), kMemoIds[page], widen(wizard_->memoText(page)).c_str());
    HWND gauge = GetDlgItem(hwnd(), IDC_UPDATE_GAUGE);
    SendMessageW(gauge, PBM_SETRANGE32, 0, 100);
    SendMessageW(gauge, PBM_SETBARCOLOR, 0, RGB(0, 0, 0xFF));
    if (!hooks_.emailToAuthor) ShowWindow(GetDlgItem(hwnd(), IDC_UPDATE_BUTTON1), SW_HIDE);
    addHints();
    return true;
}

void TfrmUpdate::addHints() {
    if (!tooltip_.create(hwnd(), 400)) return;
    const std::pair<int, const char*> hints[] = {
        {IDC_UPDATE_SEARCHUPDATE, m::kHintSearchUpdate},
        {IDC_UPDATE_DOWNLOAD, m::kHintDownload},
        {IDC_UPDATE_RESTART, m::kHintRestart},
        {IDC_UPDATE_CANCEL2, m::kHintCancelDownloaded},
        {IDC_UPDATE_CANCEL1, m::kHintCancel},
        {IDC_UPDATE_CANCEL3, m::kHintCancel},
        {IDC_UPDATE_CANCEL4, m::kHintCancel},
        {IDC_UPDATE_BACK, m::kHintBack},
        {IDC_UPDATE_GAUGE, m::kHintGauge},
        // Caption, hint and click of the help page's e-mail button.
        {IDC_UPDATE_BUTTON1, help::kEmailToAuthorHint},
    };
    for (const auto& [id, hint] : hints) tooltip_.set(id, hint);
}

void TfrmUpdate::changed() {
    if (!hwnd()) return;
    const m::UpdateWizard& w = *wizard_;
    if (shownPage_ != w.page) {
        for (int page = 0; page < m::kUpdatePageCount; ++page)
            ShowWindow(GetDlgItem(hwnd(), kMemoIds[page]), page == w.page ? SW_SHOW : SW_HIDE);
        HWND first = nullptr;
        for (const PageControl& c : kPageControls) {
            const bool show = c.page == w.page && (c.id != IDC_UPDATE_BUTTON1 || hooks_.emailToAuthor);
            HWND control = GetDlgItem(hwnd(), c.id);
            ShowWindow(control, show ? SW_SHOW : SW_HIDE);
            if (show && !first && c.id != IDC_UPDATE_GAUGE) first = control;
        }
        // The focus on the step's first button, not in the text, which would select it all.
        SetFocus(first ? first : GetDlgItem(hwnd(), IDC_UPDATE_STATUS));
        shownPage_ = w.page;
    }
    // The size line of step 2 comes with the offer.
    setText(GetDlgItem(hwnd(), IDC_UPDATE_MEMO2), w.memoText(m::kPageNewer));
    setText(hwnd(), w.caption);
    setText(GetDlgItem(hwnd(), IDC_UPDATE_STATUS), w.status);
    setText(GetDlgItem(hwnd(), IDC_UPDATE_BACK), w.backCaption);
    setText(GetDlgItem(hwnd(), IDC_UPDATE_CANCEL3), w.cancel3Caption);
    SendMessageW(GetDlgItem(hwnd(), IDC_UPDATE_GAUGE), PBM_SETPOS, w.gauge, 0);
    // Paint what changed now: the wizard may be inside a download that pumps only now and then.
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void TfrmUpdate::endBeep() {
    if (hooks_.endBeep) hooks_.endBeep();
}

void TfrmUpdate::hideSplash() {
    if (hooks_.hideSplash) hooks_.hideSplash();
}

void TfrmUpdate::lastAttemptChanged(timeutil::TDateTime lastAttempt) {
    if (hooks_.lastAttemptChanged) hooks_.lastAttemptChanged(lastAttempt);
}

void TfrmUpdate::quitForRestart() {
    if (hooks_.quitForRestart) hooks_.quitForRestart();
}

void TfrmUpdate::close() {
    running_ = false;
    PostMessageW(hwnd(), WM_NULL, 0, 0);
}

void TfrmUpdate::showModal(HWND over) {
    if (!hwnd() || running_) return;
    RECT o{}, self{};
    GetWindowRect(over ? over : GetDesktopWindow(), &o);
    GetWindowRect(hwnd(), &self);
    const config::ScreenPoint at =
        config::centreOver(config::WindowBounds{o.left, o.top, o.right - o.left, o.bottom - o.top},
                           self.right - self.left, self.bottom - self.top);
    SetWindowPos(hwnd(), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    wizard_->start();
    runLoop();
}

bool TfrmUpdate::runAutomatic() {
    if (!hwnd() || running_) return false;
    RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, self{};
    GetWindowRect(hwnd(), &self);
    const int width = self.right - self.left, height = self.bottom - self.top;
    SetWindowPos(hwnd(), HWND_TOP, (screen.right - width) / 2, (screen.bottom - height) / 2, 0, 0, SWP_NOSIZE);
    m::UpdateWizard& w = *wizard_;
    w.beginAutomaticRun();
    // The window is up while the check runs, so the user sees what the program does.
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
    w.Check();
    runLoop();
    const bool restarting = w.restartFlag == 1;
    if (!restarting) w.endAutomaticRun();
    return restarting;
}

void TfrmUpdate::runLoop() {
    const bool ownerWasEnabled = owner_ && IsWindowEnabled(owner_) && IsWindowVisible(owner_);
    if (ownerWasEnabled) EnableWindow(owner_, FALSE);
    running_ = true;
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
    runModalLoop(hwnd(), running_, [&](WPARAM key) {
        if (key != VK_ESCAPE) return false;
        wizard_->cancel();
        return true;
    });
    running_ = false;
    if (ownerWasEnabled) EnableWindow(owner_, TRUE);
    ShowWindow(hwnd(), SW_HIDE);
    if (ownerWasEnabled) SetActiveWindow(owner_);
}

void TfrmUpdate::command(int id) {
    m::UpdateWizard& w = *wizard_;
    switch (id) {
        case IDC_UPDATE_SEARCHUPDATE:
        case IDC_UPDATE_REDOWNLOAD:
            w.Check();
            break;
        case IDC_UPDATE_DOWNLOAD:
            w.button_downloadClick();
            break;
        case IDC_UPDATE_RESTART:
            w.button_restartClick();
            break;
        case IDC_UPDATE_CANCEL1:
        case IDC_UPDATE_CANCEL2:
        case IDC_UPDATE_CANCEL3:
        case IDC_UPDATE_CANCEL4:
        case IDC_UPDATE_BACK:
        case IDCANCEL:
            w.cancel();
            break;
        case IDC_UPDATE_MANUALDOWNLOAD:
            w.button_updatemanualdownloadClick();
            break;
        case IDC_UPDATE_BUTTON2:
            w.button2Click();
            break;
        case IDC_UPDATE_BUTTON1:
            if (hooks_.emailToAuthor) hooks_.emailToAuthor();
            break;
        case IDC_UPDATE_OPENPROGRAMSDIR:
            w.button_openprogramsdirClick();
            break;
        default:
            break;
    }
}

INT_PTR TfrmUpdate::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) command(LOWORD(wParam));
            return TRUE;
        case WM_CLOSE:
            wizard_->cancel();
            return TRUE;
        default:
            return Dialog::handleMessage(message, wParam, lParam);
    }
}

bool TfrmUpdate::visible() { return hwnd() && IsWindowVisible(hwnd()); }

void TfrmUpdate::hide() {
    if (hwnd()) ShowWindow(hwnd(), SW_HIDE);
}

void TfrmUpdate::showInFront() { showWindowInFront(hwnd()); }

}  // namespace kefelo::ui
