#include "ui/maintenance/install_wizard_window.h"

#include <commctrl.h>

#include <array>

#include "core/help/help_text.h"
#include "platform/win32/wide.h"
#include "ui/common/version_info.h"
#include "ui/maintenance/install_wizard_ids.h"

namespace kefelo::ui {
namespace {
using platform::win32::widen;

constexpr std::array kWelcomePage = {IDC_INSTALL_WELCOME, IDC_INSTALL_MEMO,      IDC_INSTALL_NEXT,
                                     IDC_INSTALL_QUIT,    IDC_INSTALL_NOINSTALL, IDC_INSTALL_VIEWHELP};
constexpr std::array kSettingsPage = {IDC_INSTALL_PLACE_GROUP, IDC_INSTALL_DEFAULT,        IDC_INSTALL_TARGET,
                                      IDC_INSTALL_TARGET_NOTE, IDC_INSTALL_GENERAL_GROUP,  IDC_INSTALL_RUNAFTER,
                                      IDC_INSTALL_FINDNEW,     IDC_INSTALL_SHORTCUT_GROUP, IDC_INSTALL_DESKTOP,
                                      IDC_INSTALL_STARTMENU,   IDC_INSTALL_INSTALL,        IDC_INSTALL_QUIT2,
                                      IDC_INSTALL_NOINSTALL2,  IDC_INSTALL_VIEWHELP2};

void setCheck(HWND dialog, int id, bool on) {
    SendDlgItemMessageW(dialog, id, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}
bool checked(HWND dialog, int id) { return SendDlgItemMessageW(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED; }
}  // namespace

InstallWizardWindow::InstallWizardWindow(platform::Platform& platform, platform::Shell& shell,
                                         platform::ShellLinks& links, std::string executablePath,
                                         std::string programDirectory, std::function<void(HWND)> setMessageOwner,
                                         std::function<void()> stopAnsweringCopies)
    : model_(platform, shell, links, *this, std::move(executablePath), std::move(programDirectory)),
      setMessageOwner_(std::move(setMessageOwner)),
      stopAnsweringCopies_(std::move(stopAnsweringCopies)) {}

std::string InstallWizardWindow::fileVersion(const std::string& path) { return fileVersionOf(widen(path)); }

std::vector<std::string> InstallWizardWindow::documentationLines() { return help::splitLines(help::builtInHelpText()); }

void InstallWizardWindow::handOverToInstalledCopy() {
    if (stopAnsweringCopies_) stopAnsweringCopies_();
}

InstallWizardWindow::Outcome InstallWizardWindow::run(HINSTANCE instance, HICON icon) {
    icon_ = icon;
    model_.page = 0;
    model_.result = maintenance::InstallWizardResult::Quit;
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_INSTALL), nullptr, dialogProc, reinterpret_cast<LPARAM>(this));
    if (setMessageOwner_) setMessageOwner_(nullptr);
    if (bold_) DeleteObject(bold_);
    bold_ = nullptr;
    model_.FormDestroy();
    if (model_.installed) return Outcome::Installed;
    return model_.result == maintenance::InstallWizardResult::RunHere ? Outcome::RunHere : Outcome::Quit;
}

INT_PTR CALLBACK InstallWizardWindow::dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        auto* self = reinterpret_cast<InstallWizardWindow*>(lParam);
        self->hwnd_ = hwnd;
        self->initialise();
        // The focus is set on the page's own button, not on the first control.
        return FALSE;
    }
    auto* self = reinterpret_cast<InstallWizardWindow*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (!self) return FALSE;
    try {
        return self->handle(message, wParam);
    } catch (...) {
        // A fault in a handler must not cross the dialog manager; the wizard stays open.
        return FALSE;
    }
}

void InstallWizardWindow::initialise() {
    if (setMessageOwner_) setMessageOwner_(hwnd_);
    SetWindowTextW(hwnd_, widen(std::string(maintenance::kInstallCaption)).c_str());
    if (icon_) {
        SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
        SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    }
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)), sizeof font, &font);
    font.lfWeight = FW_BOLD;
    font.lfHeight = font.lfHeight * 3 / 2;
    bold_ = CreateFontIndirectW(&font);
    SendDlgItemMessageW(hwnd_, IDC_INSTALL_WELCOME, WM_SETFONT, reinterpret_cast<WPARAM>(bold_), FALSE);

    std::string memo;
    for (const std::string& line : maintenance::installMemoLines()) memo += line + "\r\n";
    SetDlgItemTextW(hwnd_, IDC_INSTALL_MEMO, widen(memo).c_str());
    SendDlgItemMessageW(hwnd_, IDC_INSTALL_MEMO, EM_SETSEL, 0, 0);

    tips_.create(hwnd_, 480);
    namespace hints = maintenance::install_hints;
    tips_.set(IDC_INSTALL_NEXT, hints::button_next);
    tips_.set(IDC_INSTALL_QUIT, hints::button_quit);
    tips_.set(IDC_INSTALL_QUIT2, hints::button_quit);
    tips_.set(IDC_INSTALL_NOINSTALL, hints::button_noinstall);
    tips_.set(IDC_INSTALL_NOINSTALL2, hints::button_noinstall);
    tips_.set(IDC_INSTALL_VIEWHELP, hints::button_viewhelp);
    tips_.set(IDC_INSTALL_VIEWHELP2, hints::button_viewhelp);
    tips_.set(IDC_INSTALL_INSTALL, hints::button_install);
    tips_.set(IDC_INSTALL_DEFAULT, hints::button_default);
    tips_.set(IDC_INSTALL_RUNAFTER, hints::check_runafterinstall);
    tips_.set(IDC_INSTALL_FINDNEW, hints::check_findnewversion);
    tips_.set(IDC_INSTALL_DESKTOP, hints::check_desktopshortcut);
    tips_.set(IDC_INSTALL_STARTMENU, hints::check_startmenushortcut);

    showState();
    showPage();
    SetForegroundWindow(hwnd_);
}

void InstallWizardWindow::showPage() {
    for (int id : kWelcomePage) ShowWindow(GetDlgItem(hwnd_, id), model_.page == 0 ? SW_SHOW : SW_HIDE);
    for (int id : kSettingsPage) ShowWindow(GetDlgItem(hwnd_, id), model_.page == 1 ? SW_SHOW : SW_HIDE);
    const int focus = model_.page == 0 ? IDC_INSTALL_NEXT : IDC_INSTALL_INSTALL;
    SendMessageW(hwnd_, DM_SETDEFID, focus, 0);
    SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(hwnd_, focus)), TRUE);
}

void InstallWizardWindow::showState() {
    SetDlgItemTextW(hwnd_, IDC_INSTALL_TARGET, widen(model_.target).c_str());
    SetDlgItemTextW(hwnd_, IDC_INSTALL_TARGET_NOTE, widen(model_.targetNote).c_str());
    // The target button's hint is the target itself.
    tips_.set(IDC_INSTALL_TARGET,
              model_.target.empty() ? std::string(maintenance::install_hints::button_default) : model_.target);
    setCheck(hwnd_, IDC_INSTALL_RUNAFTER, model_.check_runafterinstall);
    setCheck(hwnd_, IDC_INSTALL_FINDNEW, model_.check_findnewversion);
    EnableWindow(GetDlgItem(hwnd_, IDC_INSTALL_FINDNEW), model_.check_findnewversionEnabled);
    setCheck(hwnd_, IDC_INSTALL_DESKTOP, model_.check_desktopshortcut);
    setCheck(hwnd_, IDC_INSTALL_STARTMENU, model_.check_startmenushortcut);
}

void InstallWizardWindow::readChecks() {
    model_.check_runafterinstall = checked(hwnd_, IDC_INSTALL_RUNAFTER);
    model_.check_findnewversion = checked(hwnd_, IDC_INSTALL_FINDNEW);
    model_.check_desktopshortcut = checked(hwnd_, IDC_INSTALL_DESKTOP);
    model_.check_startmenushortcut = checked(hwnd_, IDC_INSTALL_STARTMENU);
}

void InstallWizardWindow::command(int id) {
    readChecks();
    switch (id) {
        case IDC_INSTALL_NEXT:
            model_.button_nextClick();
            showState();
            showPage();
            return;
        case IDC_INSTALL_DEFAULT:
            model_.button_defaultClick();
            break;
        case IDC_INSTALL_TARGET:
            model_.button4Click();
            break;
        case IDC_INSTALL_INSTALL:
            model_.button_installClick();
            break;
        case IDC_INSTALL_NOINSTALL:
        case IDC_INSTALL_NOINSTALL2:
            model_.button_noinstallClick();
            break;
        case IDC_INSTALL_QUIT:
        case IDC_INSTALL_QUIT2:
        case IDCANCEL:
            model_.button_quitClick();
            break;
        case IDC_INSTALL_VIEWHELP:
        case IDC_INSTALL_VIEWHELP2:
            model_.button_viewhelpClick();
            break;
        case IDC_INSTALL_RUNAFTER:
            model_.check_runafterinstallClick();
            break;
        default:
            return;
    }
    showState();
    if (model_.closed) EndDialog(hwnd_, 0);
}

INT_PTR InstallWizardWindow::handle(UINT message, WPARAM wParam) {
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) {
                command(LOWORD(wParam));
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace kefelo::ui
