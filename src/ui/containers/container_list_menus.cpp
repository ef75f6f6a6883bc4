#include "ui/containers/container_list_menus.h"

#include <optional>
#include <string>
#include <string_view>

#include "core/containers/container_remove.h"
#include "ui/cleaning/cleaning_page_ids.h"
#include "ui/common/popup_menu.h"

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

// A path may hold "&", which a menu caption would take for a mnemonic.
std::string menuCaption(std::string_view text) {
    std::string caption;
    for (char c : text) {
        caption += c;
        if (c == '&') caption += '&';
    }
    return caption;
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
}  // namespace

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
    added(containers::addChosenFolder(model_.list_temps, addOptions(), platform_));
}

void ContainerListMenus::addFromClipboard() {
    if (!model_.check_noadd) return;
    added(containers::addFromClipboard(model_.list_temps, addOptions(), platform_));
}

void ContainerListMenus::showAddMenu() {
    if (!model_.check_noadd) return;
    SelButton* button = page_.listButton(IDC_BUTTON_TEMPDIRADD);
    if (!button) return;
    const containers::ClipboardAddItem item = containers::clipboardAddItem(platform_);

    UINT chosen = 0;
    {
        PopupMenu menu;
        menu.add(kAddSelect, "Kiválasztás").add(kAddClipboard, menuCaption(item.caption), item.enabled);
        chosen = menu.track(owner(), menuPoint(button->hwnd()));
    }
    if (chosen == kAddSelect) added(containers::addChosenFolder(model_.list_temps, addOptions(), platform_));
    if (chosen == kAddClipboard) added(containers::addFromClipboard(model_.list_temps, addOptions(), platform_));
}

containers::AddOptions ContainerListMenus::addOptions() const {
    return {model_.check_viewalerts, model_.check_nodrive};
}

void ContainerListMenus::added(const containers::AddOutcome& outcome) {
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
    UINT chosen = 0;
    {
        PopupMenu menu;
        menu.add(kRemoveMarked, menuCaption(containers::kRemoveMarkedCaption), state.marked)
            .add(kRemoveMissing, menuCaption(containers::kRemoveMissingCaption), state.missing)
            .add(kRemoveAll, menuCaption(containers::kRemoveAllCaption), state.all);
        chosen = menu.track(owner(), menuPoint(button->hwnd()));
    }
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
