#include "ui/tools/tools_page.h"

#include <windowsx.h>
// The subclass helpers need the definitions above.
#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "core/app/busy_guard.h"
#include "core/integration/info_texts.h"
#include "core/maintenance/uninstall_procedure.h"
#include "core/maintenance/update_rules.h"
#include "core/session/session.h"
#include "platform/win32/wide.h"
#include "ui/app/tray_menus.h"
#include "ui/common/popup_menu.h"
#include "ui/controls/layout.h"
#include "ui/maintenance/uninstall_action.h"
#include "ui/maintenance/update_server.h"
#include "ui/options/info_export.h"
#include "ui/tools/tools_page_ids.h"

namespace kefelo::ui {
namespace {
using tools::ToolButton;

constexpr int kAutodelButtons[] = {IDC_BUTTON_VIEWAUTODELFILE, IDC_BUTTON_SAVEAUTODELFILE, IDC_BUTTON_RUNAUTODELFILE};

// The launch buttons of the groups, each with what it does.
struct ToolButtonEntry {
    int group;
    int id;
    ToolButton button;
};
constexpr ToolButtonEntry kToolButtons[] = {
    {tools::group_diskhandling, IDC_BUTTON_WINDOWSDEFRAGPROGRAM, ToolButton::Defrag},
    {tools::group_diskhandling, IDC_BUTTON_WINDOWSDISKMAINTENANCE, ToolButton::DiskCleanup},
    {tools::group_diskhandling, IDC_BUTTON_WINDOWSFORMATFLOPPY, ToolButton::FormatFloppy},
    {tools::group_diskhandling, IDC_BUTTON_DISKINFO, ToolButton::DiskInfo},
    {tools::group_logging, IDC_BUTTON_LASTLOG, ToolButton::LastLog},
    {tools::group_kefelo, IDC_BUTTON_PROGRAMDIR, ToolButton::ProgramDirectory},
    {tools::group_kefelo, IDC_BUTTON_COMPRESSEDDIR, ToolButton::ArchiveDirectory},
    {tools::group_kefelo, IDC_BUTTON_VIEWIDEAS, ToolButton::Forum},
    {tools::group_usefulprograms, IDC_BUTTON_DATARECOVERYDOWNLOAD, ToolButton::DataRecoveryDownload},
    {tools::group_usefulprograms, IDC_BUTTON_DATARECOVERYWEBPAGE, ToolButton::DataRecoveryHomePage},
    {tools::group_usefulprograms, IDC_BUTTON_REGEDITPROGRAMDOWNLOAD, ToolButton::RegistryToolDownload},
    {tools::group_usefulprograms, IDC_BUTTON_REGEDITPROGRAMHOMEPAGE, ToolButton::RegistryToolHomePage},
};

const ToolButtonEntry* toolButton(int id) {
    for (const ToolButtonEntry& entry : kToolButtons) {
        if (entry.id == id) return &entry;
    }
    return nullptr;
}

// The buttons whose description a right click saves into "info.txt".
bool exportsOnRightClick(int id) {
    switch (id) {
        case IDC_BUTTON_DEFAULTSELECTEDTEMPSCLEAN:
        case IDC_BUTTON_WINDOWSDEFRAGPROGRAM:
        case IDC_BUTTON_WINDOWSDISKMAINTENANCE:
        case IDC_BUTTON_WINDOWSFORMATFLOPPY:
        case IDC_BUTTON_LASTLOG:
        case IDC_BUTTON_VIEWAUTODELFILE:
        case IDC_BUTTON_SAVEAUTODELFILE:
        case IDC_BUTTON_RUNAUTODELFILE:
            return true;
        default:
            return false;
    }
}

enum : UINT { kMenuOpen = 1, kMenuProperties };
constexpr COLORREF kLinkColour = RGB(0, 0, 0xCC);

// Group boxes inside a group stretch with it; the buttons keep their places.
struct BoxLayout {
    int groupBox;
    std::vector<int> innerBoxes;
};

void stretchBoxes(HWND group, const BoxLayout& boxes) {
    DialogLayout place(group, 8);
    place.place(boxes.groupBox, 0, 0, place.width(), place.height());
    for (int id : boxes.innerBoxes) {
        HWND box = GetDlgItem(group, id);
        RECT r{};
        GetWindowRect(box, &r);
        MapWindowPoints(nullptr, group, reinterpret_cast<POINT*>(&r), 2);
        place.place(box, r.left, r.top, place.width() - 2 * r.left, r.bottom - r.top);
    }
}

}  // namespace

bool ToolsPage::create(const MainPageContext& context) {
    session_ = &context.session;
    status_ = &context.status;
    host_ = &context.host;
    session::Session& session = context.session;
    ntFamily_ = session.ntFamily();
    const session::SessionContext& sc = session.context();
    stores_ = std::make_unique<tools::SystemStores>(
        tools::SystemStoresContext{sc.platform, sc.shell, session.config(), session.walker(), session.status(),
                                   session.frame(), sc.commandLine, session.record(), sc.programDirectory});
    stores_->attachView(this);
    windowsTools_ = std::make_unique<tools::WindowsTools>(
        tools::WindowsToolsContext{sc.platform, sc.shell, session.config(), sc.programDirectory, sc.fileVersion,
                                   ntFamily_, updateServerAddress()},
        &session.walker().Tag);

    SelectorPage::Setup setup;
    setup.selectorBoxId = IDC_BOX_OPERATIONSELECT;
    setup.firstButtonId = IDC_BUTTON_SYSTEMDIRS_FIRST;
    setup.infoBoxId = IDC_GROUP_INFOABOUTTOOLS;
    setup.infoTextId = IDC_MEMO_INFOABOUTTOOLS;
    setup.selectorCaption = tools::kOperationSelectCaption;
    setup.infoCaption = integration::kInfoGroupCaption;
    setup.infoHovered = [this] { status_->showHint(std::string(integration::kInfoGroupHint)); };
    for (std::string_view caption : tools::kToolGroupCaptions) setup.groups.emplace_back().caption = caption;

    SelectorPage::Group& stores = setup.groups[tools::group_systemstores];
    stores.templateId = IDD_TOOLS_SYSTEMSTORES;
    stores.layout = [this](HWND group) { layoutStores(group); };
    stores.command = [this](HWND, int id, int code) { onStoresCommand(id, code); };
    stores.describe = [this](HWND control) { return describeStores(control); };
    stores.message = [this](HWND, UINT message, WPARAM wParam, LPARAM lParam) {
        return storesMessage(message, wParam, lParam);
    };

    const auto toolGroup = [&](int index, int templateId, BoxLayout boxes) {
        SelectorPage::Group& group = setup.groups[static_cast<size_t>(index)];
        group.templateId = templateId;
        group.layout = [boxes](HWND dialog) { stretchBoxes(dialog, boxes); };
        group.command = [this](HWND, int id, int code) { onToolCommand(id, code); };
        group.describe = [this](HWND control) { return describeTool(control); };
        group.message = [this](HWND, UINT message, WPARAM wParam, LPARAM) -> std::optional<INT_PTR> {
            if (message != WM_CONTEXTMENU || !exportsOnRightClick(GetDlgCtrlID(reinterpret_cast<HWND>(wParam))))
                return std::nullopt;
            const session::SessionContext& c = session_->context();
            integration::exportInfoText(c.platform.fs, c.shell, c.platform.ui, c.programDirectory,
                                        frame_.description(), integration::InfoExportTrigger::RightClick);
            return TRUE;
        };
    };
    toolGroup(tools::group_diskhandling, IDD_TOOLS_DISKHANDLING, {IDC_GROUP_DISKHANDLING, {IDC_BOX_WINDOWSTOOLS}});
    toolGroup(tools::group_logging, IDD_TOOLS_LOGGING, {IDC_BOX_LOGGING, {}});
    toolGroup(tools::group_kefelo, IDD_TOOLS_KEFELO, {IDC_GROUP_KEFELO, {IDC_BOX_IDEAS}});
    toolGroup(tools::group_usefulprograms, IDD_TOOLS_USEFULPROGRAMS,
              {IDC_GROUP_USEFULPROGRAMS, {IDC_BOX_DATARECOVERY, IDC_BOX_REGEDITPROGRAM}});

    SelectorPage::Group& undeletables = setup.groups[tools::group_undeletables];
    undeletables.templateId = IDD_TOOLS_UNDELETABLES;
    undeletables.layout = [this](HWND group) { layoutUndeletables(group); };
    undeletables.command = [this](HWND, int id, int code) { onUndeletablesCommand(id, code); };
    undeletables.describe = [this](HWND control) { return describeUndeletables(control); };
    undeletables.message = setup.groups[tools::group_diskhandling].message;

    setup.initialize = [this] { initializeGroups(); };
    setup.selectorClicked = [this](int group) { selectGroup(group); };
    return frame_.create(context.instance, context.page, std::move(setup));
}

void ToolsPage::initializeGroups() {
    for (int id : kAutodelButtons) frame_.ownerDrawn(tools::group_undeletables, id);
    for (const ToolButtonEntry& entry : kToolButtons) frame_.ownerDrawn(entry.group, entry.id);
    // Red: it removes the program for good.
    frame_.ownerDrawn(tools::group_kefelo, IDC_BUTTON_UNINSTALL).setTextColour(RGB(0xC0, 0, 0));
    frame_.ownerDrawn(tools::group_kefelo, IDC_BUTTON_WEBUPDATE);
    frame_.ownerDrawn(tools::group_systemstores, IDC_BUTTON_DEFAULTSELECTEDTEMPSCLEAN);

    HWND storesGroup = frame_.group(tools::group_systemstores);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(storesGroup, WM_GETFONT, 0, 0));
    storeList_.create(storesGroup, IDC_LIST_DEFAULTTEMPS, font, [this] { return &stores_->list; });
    storeList_.onToggle = [this](int index) { stores_->toggle(index); };
    storeList_.onPopup = [this](POINT at, bool rightClick) { storePopup(at, rightClick); };
    storeListHook_.attach(storeList_.hwnd(), [this](HWND, UINT message, WPARAM wParam, LPARAM lParam) {
        return storeListMessage(message, wParam, lParam);
    });
    storeList_.refill();
    resultLabel_ = GetDlgItem(storesGroup, IDC_LABEL_DEFAULTTEMPINFOAFTERCLEAN);
    frame_.describeOnHover(tools::group_systemstores, IDC_LIST_DEFAULTTEMPS);
    frame_.describeOnHover(tools::group_systemstores, IDC_LABEL_DEFAULTTEMPINFOAFTERCLEAN);
    layoutStores(storesGroup);

    // Until the main window has looked for an "autodel.bat" there is none to offer.
    setAutodelButtonsEnabled(false);
    selectGroup(selector_.selected());
}

void ToolsPage::pageChanged(app::MainPage shown) {
    // The stores' result label speaks of the emptying just done, not of a later visit.
    setResultLabel("", false);
    setAutodelButtonsEnabled(session_->context().platform.fs.fileExists(session_->autodel().autodelPath()));
    if (shown == app::page_tools && !host_->diagnosticMode() && selector_.selected() == tools::group_systemstores &&
        storeList_.hwnd())
        SetFocus(storeList_.hwnd());
}

bool ToolsPage::previewKey(const MSG& msg) {
    if (!host_->pageShown(app::page_tools)) return false;
    return exportDescriptionOnKey(msg, frame_, *session_);
}

bool ToolsPage::command(UINT id) {
    if (id == IDM_MENUELEMZES) {
        button_diskinfoClick();
        return true;
    }
    if (id != IDM_TRAYFORMAT) return false;
    windowsTools_->run(ToolButton::FormatFloppy);
    return true;
}

// The table button, the stores' result label and the tray's item: the label goes first.
void ToolsPage::button_diskinfoClick() {
    setResultLabel("", false);
    host_->showDiskAnalysis();
}

void ToolsPage::selectGroup(int group) {
    selector_.select(group);
    frame_.show(selector_.selected());
    if (selector_.selected() == tools::group_systemstores && storeList_.hwnd() &&
        IsWindowVisible(frame_.group(tools::group_systemstores)))
        SetFocus(storeList_.hwnd());
}

void ToolsPage::setAutodelButtonsEnabled(bool enabled) {
    for (int id : kAutodelButtons) {
        if (SelButton* button = frame_.button(id)) button->setEnabled(enabled);
    }
}

// --- the system stores ---

void ToolsPage::storesChanged() {
    storeList_.refill();
    // The store being emptied shows highlighted while its files go.
    if (storeList_.hwnd()) UpdateWindow(storeList_.hwnd());
}

void ToolsPage::setResultLabel(const std::string& text, bool visible) {
    if (!resultLabel_) return;
    SetWindowTextW(resultLabel_, platform::win32::widen(text).c_str());
    ShowWindow(resultLabel_, visible ? SW_SHOW : SW_HIDE);
    // The label has no background of its own: the old text goes with the parent's.
    HWND parent = GetParent(resultLabel_);
    RECT r{};
    GetWindowRect(resultLabel_, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    InvalidateRect(parent, &r, TRUE);
    if (visible) UpdateWindow(parent);
}

void ToolsPage::prefixDescription(const std::string& text) {
    // The box may already show the store's description with the prefix in it: one is enough.
    const std::string shown = frame_.description();
    if (!shown.starts_with(text)) frame_.setDescription(text + shown);
}

void ToolsPage::layoutStores(HWND group) {
    if (!storeList_.hwnd()) return;
    DialogLayout place(group, 4);
    place.place(IDC_GROUP_SYSTEMSTORES, 0, 0, place.width(), place.height());
    const int left = place.x(8);
    const int buttonHeight = place.y(16);
    const int bottom = place.height() - place.y(6);
    place.place(storeList_.hwnd(), left, place.y(12), place.width() - 2 * left,
                bottom - buttonHeight - place.y(6) - place.y(12));
    const int buttonWidth = std::min(place.x(130), place.width() - 2 * left);
    place.place(IDC_BUTTON_DEFAULTSELECTEDTEMPSCLEAN, left, bottom - buttonHeight, buttonWidth, buttonHeight);
    const int labelLeft = left + buttonWidth + place.x(8);
    place.place(IDC_LABEL_DEFAULTTEMPINFOAFTERCLEAN, labelLeft, bottom - buttonHeight + place.y(5),
                place.width() - labelLeft - left, place.y(10));
}

std::optional<LRESULT> ToolsPage::storeListMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (stores_->busy()) return refuseStoreListInput(message);
    const auto syncSelection = [this] {
        stores_->list.selected = static_cast<int>(SendMessageW(storeList_.hwnd(), LB_GETCURSEL, 0, 0));
    };
    switch (message) {
        case WM_LBUTTONUP: {
            const LRESULT result = DefSubclassProc(storeList_.hwnd(), message, wParam, lParam);
            syncSelection();
            stores_->locateSelected();
            return result;
        }
        case WM_KEYDOWN: {
            if (wParam == VK_RETURN) {
                stores_->locateSelected();
                return std::nullopt;
            }
            // The key moves the selection first; the store it lands on is located.
            const LRESULT result = DefSubclassProc(storeList_.hwnd(), message, wParam, lParam);
            syncSelection();
            stores_->locateSelected();
            return result;
        }
        default:
            return std::nullopt;
    }
}

std::optional<LRESULT> ToolsPage::refuseStoreListInput(UINT message) {
    // While an operation runs the list shows its progress: no input reaches the list box,
    // so neither the selection nor a tick moves; the doors that would act say why not.
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_KEYDOWN:
            stores_->locateSelected();
            return 0;
        case WM_RBUTTONDOWN:
            stores_->popupRequested(true);
            return 0;
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONUP:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_KEYUP:
        case WM_CHAR:
        case WM_CONTEXTMENU:
            return 0;
        default:
            return std::nullopt;
    }
}

void ToolsPage::storeMenu(POINT at) {
    PopupMenu menu;
    menu.add(kMenuOpen, tools::kStoreMenuOpen).add(kMenuProperties, tools::kStoreMenuProperties);
    const UINT chosen = menu.track(frame_.group(tools::group_systemstores), at);
    if (chosen == kMenuOpen || chosen == kMenuProperties) stores_->openSelected(chosen == kMenuProperties);
}

void ToolsPage::storePopup(POINT at, bool rightClick) {
    switch (stores_->popupRequested(rightClick)) {
        case tools::StorePopup::StoreMenu:
            storeMenu(at);
            break;
        case tools::StorePopup::UninstallWindow:
            host_->showUninstallList(*stores_);
            break;
        case tools::StorePopup::None:
            break;
    }
}

void ToolsPage::onStoresCommand(int id, int code) {
    if (id == IDC_BUTTON_DEFAULTSELECTEDTEMPSCLEAN && code == BN_CLICKED) {
        stores_->emptyActive();
    } else if (id == IDC_LABEL_DEFAULTTEMPINFOAFTERCLEAN && code == STN_CLICKED) {
        if (stores_->resultLabelClicked()) button_diskinfoClick();
    }
}

std::string ToolsPage::describeStores(HWND control) {
    switch (GetDlgCtrlID(control)) {
        case IDC_LIST_DEFAULTTEMPS:
            status_->showHint(std::string(tools::kStoreListHint));
            return stores_->description();
        case IDC_LABEL_DEFAULTTEMPINFOAFTERCLEAN:
            status_->showHint(std::string(tools::kResultLabelHint));
            return {};
        case IDC_BUTTON_DEFAULTSELECTEDTEMPSCLEAN:
            status_->showHint("");
            return std::string(tools::kEmptyStoresDescription);
        default:
            return {};
    }
}

std::optional<INT_PTR> ToolsPage::storesMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CTLCOLORSTATIC: {
            // The result label reads as a link: it opens the disk table.
            if (reinterpret_cast<HWND>(lParam) != resultLabel_) return std::nullopt;
            // Drawn over whatever the page's background is; a new text repaints the place.
            SetTextColor(reinterpret_cast<HDC>(wParam), kLinkColour);
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
        }
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(wParam) != resultLabel_) return std::nullopt;
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        case WM_CONTEXTMENU:
            if (GetDlgCtrlID(reinterpret_cast<HWND>(wParam)) != IDC_BUTTON_DEFAULTSELECTEDTEMPSCLEAN)
                return std::nullopt;
            integration::exportInfoText(session_->context().platform.fs, session_->context().shell,
                                        session_->context().platform.ui, session_->context().programDirectory,
                                        frame_.description(), integration::InfoExportTrigger::RightClick);
            return TRUE;
        default:
            return std::nullopt;
    }
}

// --- the Windows tools and the web ---

void ToolsPage::onToolCommand(int id, int code) {
    if (code != BN_CLICKED) return;
    if (id == IDC_BUTTON_UNINSTALL) {
        uninstallProgram(*session_);
        return;
    }
    if (id == IDC_BUTTON_WEBUPDATE) {
        host_->openUpdateWizard();
        return;
    }
    const ToolButtonEntry* entry = toolButton(id);
    if (!entry || !windowsTools_->run(entry->button)) return;
    if (entry->button == ToolButton::DiskInfo) button_diskinfoClick();
}

std::string ToolsPage::describeTool(HWND control) {
    if (GetDlgCtrlID(control) == IDC_BUTTON_UNINSTALL) {
        status_->showHint(std::string(maintenance::kUninstallHint));
        return std::string(integration::kUninstallInfo);
    }
    if (GetDlgCtrlID(control) == IDC_BUTTON_WEBUPDATE) {
        status_->showHint(std::string(maintenance::kWebUpdateHint));
        return std::string(integration::kWebUpdateInfo);
    }
    const ToolButtonEntry* entry = toolButton(GetDlgCtrlID(control));
    if (!entry) return {};
    // A tool that was not found says why where the hints show.
    status_->showHint(windowsTools_->hint(entry->button));
    return windowsTools_->description(entry->button);
}

// --- the undeletable files ---

std::string ToolsPage::describeUndeletables(HWND control) const {
    integration::AutodelButton which;
    switch (GetDlgCtrlID(control)) {
        case IDC_BUTTON_VIEWAUTODELFILE:
            which = integration::AutodelButton::View;
            break;
        case IDC_BUTTON_SAVEAUTODELFILE:
            which = integration::AutodelButton::Save;
            break;
        case IDC_BUTTON_RUNAUTODELFILE:
            which = integration::AutodelButton::Run;
            break;
        default:
            return {};
    }
    // The text follows the button's state at the moment of the mouse move.
    return integration::autodelButtonDescription(which, IsWindowEnabled(control), session_->autodel().way());
}

void ToolsPage::onUndeletablesCommand(int id, int code) {
    if (code != BN_CLICKED) return;
    // "autodel.bat" is what a cleaning run writes, and running it saves the settings.
    if (app::FutValami(session_->activity(), session_->context().platform.ui)) return;
    cleaning::AutodelOperations& autodel = session_->autodel();
    switch (id) {
        case IDC_BUTTON_VIEWAUTODELFILE:
            autodel.view();
            break;
        case IDC_BUTTON_SAVEAUTODELFILE:
            autodel.saveElsewhere();
            break;
        case IDC_BUTTON_RUNAUTODELFILE: {
            app::MainShell& shell = session_->shell();
            autodel.registerForNextStart([&shell] { shell.saveConfiguration(); }, shell.console.enabled());
            break;
        }
        default:
            break;
    }
}

void ToolsPage::layoutUndeletables(HWND group) {
    DialogLayout place(group, 4);
    place.place(IDC_GROUP_UNDELETABLES, 0, 0, place.width(), place.height());
    const int left = place.x(8);
    const int width = std::min(place.x(150), place.width() - 2 * left);
    for (int i = 0; i < 3; ++i) {
        place.place(kAutodelButtons[i], left, place.y(12 + i * 22), width, place.y(18));
    }
}

}  // namespace kefelo::ui
