#include "ui/containers/container_list_menus.h"

#include <memory>
#include <type_traits>

#include "core/containers/container_add.h"
#include "core/containers/container_remove.h"
#include "platform/win32/wide.h"
#include "ui/cleaning/cleaning_page_ids.h"

namespace kefelo::ui {
namespace {
using containers::GridKind;
using containers::RemovalCommand;

enum MenuItem : UINT {
    kAddSelect = 1,
    kAddClipboard,
    kRemoveMarked,
    kRemoveMissing,
    kRemoveAll,
};

struct MenuDeleter {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using UniqueMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;

struct ClipboardCloser {
    ~ClipboardCloser() { CloseClipboard(); }
};

// A path may hold "&", which a menu caption would take for a mnemonic.
std::wstring menuCaption(const std::string& text) {
    std::wstring caption;
    for (wchar_t c : platform::win32::widen(text)) {
        caption += c;
        if (c == L'&') caption += L'&';
    }
    return caption;
}

void append(HMENU menu, UINT id, const std::wstring& caption, bool enabled) {
    AppendMenuW(menu, MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED), id, caption.c_str());
}

// Opened from the mouse, the menu comes up a little up and left of the pointer; from the
// keyboard, below the button.
POINT menuPoint(HWND button) {
    POINT cursor{};
    GetCursorPos(&cursor);
    RECT rect{};
    GetWindowRect(button, &rect);
    if (PtInRect(&rect, cursor)) return {cursor.x - 15, cursor.y - 15};
    return {rect.left, rect.bottom};
}

UINT track(HMENU menu, HWND owner, POINT at) {
    return static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, owner, nullptr));
}
}  // namespace

std::optional<std::string> readClipboardText(HWND owner) {
    // Windows offers every text format as Unicode text as well.
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(owner)) return std::nullopt;
    ClipboardCloser closer;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (!data) return std::nullopt;
    const auto* chars = static_cast<const wchar_t*>(GlobalLock(data));
    if (!chars) return std::nullopt;
    // Never past the block, even when the text lacks its terminating zero.
    const size_t capacity = GlobalSize(data) / sizeof(wchar_t);
    std::wstring text;
    for (size_t i = 0; i < capacity && chars[i] && chars[i] != L'\r' && chars[i] != L'\n'; ++i) text += chars[i];
    GlobalUnlock(data);
    return platform::win32::narrow(text);
}

void ContainerListMenus::connect() {
    page_.connectListButton(IDC_BUTTON_TEMPDIRADD, [this] { showAddMenu(); });
    page_.connectListButton(IDC_BUTTON_TEMPDIRREMOVE,
                            [this] { showRemovalMenu(GridKind::Containers, IDC_BUTTON_TEMPDIRREMOVE); });
    page_.connectListButton(IDC_BUTTON_PROJECTREMOVE,
                            [this] { showRemovalMenu(GridKind::Tasks, IDC_BUTTON_PROJECTREMOVE); });
    setAddEnabled(model_.check_noadd);
}

void ContainerListMenus::setAddEnabled(bool enabled) {
    if (SelButton* button = page_.listButton(IDC_BUTTON_TEMPDIRADD)) button->setEnabled(enabled);
}

HWND ContainerListMenus::owner() const { return GetParent(page_.containerGrid()); }

void ContainerListMenus::addFromPicker() {
    if (!model_.check_noadd) return;
    addPath(std::nullopt, true);
}

void ContainerListMenus::addFromClipboard() {
    if (!model_.check_noadd) return;
    addPath(readClipboardText(owner()), false);
}

void ContainerListMenus::showAddMenu() {
    if (!model_.check_noadd) return;
    SelButton* button = page_.listButton(IDC_BUTTON_TEMPDIRADD);
    if (!button) return;
    const std::optional<std::string> clipboard = readClipboardText(owner());
    const containers::ClipboardAddItem item = containers::clipboardAddItem(clipboard, platform_.fs);

    UniqueMenu menu(CreatePopupMenu());
    if (!menu) return;
    append(menu.get(), kAddSelect, L"Kiválasztás", true);
    append(menu.get(), kAddClipboard, menuCaption(item.caption), item.enabled);
    const UINT chosen = track(menu.get(), owner(), menuPoint(button->hwnd()));
    menu.reset();
    if (chosen == kAddSelect) addPath(std::nullopt, true);
    if (chosen == kAddClipboard) addPath(clipboard, false);
}

void ContainerListMenus::addPath(const std::optional<std::string>& path, bool picker) {
    const containers::AddOptions options{model_.check_viewalerts, model_.check_nodrive};
    containers::AddOutcome outcome;
    if (picker) {
        outcome = containers::addChosenFolder(model_.list_temps, options, platform_);
    } else if (path) {
        outcome = containers::addContainer(model_.list_temps, *path, options, platform_);
    }
    if (outcome.added) page_.listsChanged();
    if (outcome.currentRow) page_.setCurrentContainerRow(*outcome.currentRow);
}

void ContainerListMenus::showRemovalMenu(GridKind kind, int buttonId) {
    const bool tasks = kind == GridKind::Tasks;
    const bool any = tasks ? containers::hasRows(model_.list_projects) : containers::hasRows(model_.list_temps);
    SelButton* button = page_.listButton(buttonId);
    if (!any || !button) return;
    const containers::RemovalMenuState state = tasks ? containers::removalMenuState(model_.list_projects, platform_.fs)
                                                     : containers::removalMenuState(model_.list_temps, platform_.fs);
    UniqueMenu menu(CreatePopupMenu());
    if (!menu) return;
    append(menu.get(), kRemoveMarked, menuCaption(std::string(containers::kRemoveMarkedCaption)), state.marked);
    append(menu.get(), kRemoveMissing, menuCaption(std::string(containers::kRemoveMissingCaption)), state.missing);
    append(menu.get(), kRemoveAll, menuCaption(std::string(containers::kRemoveAllCaption)), state.all);
    const UINT chosen = track(menu.get(), owner(), menuPoint(button->hwnd()));
    menu.reset();
    if (chosen < kRemoveMarked || chosen > kRemoveAll) return;

    const auto command = static_cast<RemovalCommand>(chosen - kRemoveMarked);
    const bool alerts = model_.check_viewalerts;
    std::optional<containers::RemovalOutcome> outcome;
    if (tasks) {
        outcome = containers::removeRows(model_.list_projects, command, kind, page_.currentTaskRow(), alerts,
                                         platform_.fs, platform_.ui);
    } else {
        outcome = containers::removeRows(model_.list_temps, command, kind, page_.currentContainerRow(), alerts,
                                         platform_.fs, platform_.ui);
        if (outcome) containers::refreshDateColumn(model_.list_temps, platform_);
    }
    if (!outcome) return;
    page_.listsChanged();
    if (tasks) {
        page_.setCurrentTaskRow(outcome->currentRow);
    } else {
        page_.setCurrentContainerRow(outcome->currentRow);
    }
}

}  // namespace kefelo::ui
