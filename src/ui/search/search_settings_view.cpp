#include "ui/search/search_settings_view.h"

#include <uxtheme.h>

#include <algorithm>

#include "platform/win32/wide.h"
#include "ui/common/window.h"
#include "ui/controls/layout.h"
#include "ui/search/control_hints.h"
#include "ui/search/search_page_ids.h"

namespace kefelo::ui {
namespace {
namespace list_number = config::list_number;
using platform::win32::widen;

bool sameList(const config::CheckList& a, const config::CheckList& b) {
    return a.selected == b.selected && std::equal(a.items.begin(), a.items.end(), b.items.begin(), b.items.end(),
                                                  [](const config::CheckItem& x, const config::CheckItem& y) {
                                                      return x.ticked == y.ticked && x.text == y.text;
                                                  });
}
}  // namespace

bool SearchSettingsView::create(HINSTANCE instance, HWND parent, config::TypeLists& lists,
                                search::SearchPageModel& model, Callbacks callbacks) {
    instance_ = instance;
    lists_ = &lists;
    model_ = &model;
    callbacks_ = std::move(callbacks);
    return createModeless(instance, IDD_SEARCH_SETTINGS, parent) != nullptr;
}

HWND SearchSettingsView::combo() const { return GetDlgItem(hwnd(), IDC_EDIT_SEARCHPATH); }

void SearchSettingsView::initialize() {
    EnableThemeDialogTexture(hwnd(), ETDT_ENABLETAB);
    auto font = reinterpret_cast<HFONT>(SendMessageW(hwnd(), WM_GETFONT, 0, 0));
    categories_.create(hwnd(), IDC_LIST_SEARCHCATEGORY, font,
                       [this] { return lists_->list(list_number::kSearchCategories); });
    types_.create(hwnd(), IDC_LIST_SEARCHEXT, font, [this] { return lists_->list(list_number::kSearchTypes); });
    // The mnemonics of the captions reach the lists: each list comes right after its caption.
    const UINT order = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    SetWindowPos(categories_.hwnd(), GetDlgItem(hwnd(), IDC_LABEL_SEARCHCATEGORY), 0, 0, 0, 0, order);
    SetWindowPos(types_.hwnd(), GetDlgItem(hwnd(), IDC_LABEL_SEARCHEXT), 0, 0, 0, 0, order);
    categories_.onToggle = [this](int index) { toggle(list_number::kSearchCategories, index); };
    types_.onToggle = [this](int index) { toggle(list_number::kSearchTypes, index); };
    categories_.onPopup = [this](POINT at, bool rightClick) { popup(list_number::kSearchCategories, at, rightClick); };
    types_.onPopup = [this](POINT at, bool rightClick) { popup(list_number::kSearchTypes, at, rightClick); };

    buttons_.attach(hwnd(), IDC_BUTTON_SEARCHBEGIN);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (GetComboBoxInfo(combo(), &info) && info.hwndItem) {
        pathEdit_.attach(info.hwndItem, [this](HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
            return onPathEditMessage(edit, message, wParam, lParam);
        });
    }

    hover_.trackControl(GetDlgItem(hwnd(), IDC_BUTTON_SEARCHBEGIN));
    hover_.trackControl(combo());
    if (info.hwndItem) hover_.trackControl(info.hwndItem);
    hover_.setCallback([this](HWND window) { onHover(window); });

    refreshLists();
    update();
    // The dialog may already have the size it is given later, which then sends no WM_SIZE.
    layout();
}

void SearchSettingsView::refreshLists() {
    if (!hwnd()) return;
    if (!sameList(lists_->list_searchcategory, shownCategories_)) {
        categories_.refill();
        shownCategories_ = lists_->list_searchcategory;
    }
    if (!sameList(lists_->list_searchext, shownTypes_)) {
        types_.refill();
        shownTypes_ = lists_->list_searchext;
    }
}

void SearchSettingsView::update() {
    if (!hwnd()) return;
    updating_ = true;
    HWND box = combo();
    search::SearchLocation& location = model_->location;
    const config::ListBox& history = location.items();
    if (history.items != shownHistory_) {
        SendMessageW(box, CB_RESETCONTENT, 0, 0);
        for (const std::string& item : history.items)
            SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(item).c_str()));
        shownHistory_ = history.items;
    }
    const int selected = history.hasSelection() ? history.selected : -1;
    if (SendMessageW(box, CB_GETCURSEL, 0, 0) != selected) SendMessageW(box, CB_SETCURSEL, selected, 0);
    if (windowText(box) != location.text) SetWindowTextW(box, widen(location.text).c_str());
    EnableWindow(box, model_->edit_searchpathEnabled);
    if (SelButton* begin = buttons_.find(IDC_BUTTON_SEARCHBEGIN)) begin->setCaption(model_->button_searchbegin);
    updating_ = false;
}

void SearchSettingsView::toggle(int number, int index) {
    config::CheckList* list = lists_->list(number);
    if (!list || index < 0 || index >= static_cast<int>(list->items.size())) return;
    list->selected = index;
    list->items[static_cast<size_t>(index)].ticked = !list->items[static_cast<size_t>(index)].ticked;
    lists_->clickCheck(number);
    refreshLists();
}

void SearchSettingsView::popup(int number, POINT at, bool rightClick) {
    if (rightClick && !lists_->rightClick(number)) return;
    if (runSelectionPopup(hwnd(), at, *lists_, number, callbacks_.openOwnTypes)) refreshLists();
}

void SearchSettingsView::onLocation(int code) {
    if (updating_) return;
    HWND box = combo();
    const int current = static_cast<int>(SendMessageW(box, CB_GETCURSEL, 0, 0));
    switch (code) {
        case CBN_SELCHANGE:
            // Arrow keys in the open list move through the items; the choice is made on closing.
            if (SendMessageW(box, CB_GETDROPPEDSTATE, 0, 0)) {
                pickPending_ = true;
            } else {
                pick(current);
            }
            break;
        case CBN_CLOSEUP:
            if (pickPending_) pick(current);
            break;
        case CBN_EDITCHANGE:
            model_->location.typed(windowText(box));
            break;
        default:
            break;
    }
}

void SearchSettingsView::pick(int index) {
    pickPending_ = false;
    search::SearchLocation& location = model_->location;
    const config::ListBox& history = location.items();
    if (index < 0 || index >= static_cast<int>(history.items.size())) return;
    // The same item again (a second report of one choice) changes nothing.
    if (index == history.selected && location.text == history.items[static_cast<size_t>(index)]) return;
    location.pick(index);
    update();
}

void SearchSettingsView::takeTypedText() {
    const std::string typed = windowText(combo());
    if (typed != model_->location.text) model_->location.typed(typed);
}

void SearchSettingsView::start(bool fromEnter) {
    takeTypedText();
    if (fromEnter) {
        model_->edit_searchpathEnter();
    } else {
        model_->button_searchbeginClick();
    }
}

std::optional<LRESULT> SearchSettingsView::onPathEditMessage(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    // An open drop-down list takes Enter for its choice.
    auto dropped = [this] { return SendMessageW(combo(), CB_GETDROPPEDSTATE, 0, 0) != 0; };
    switch (message) {
        case WM_GETDLGCODE: {
            // Enter starts the search instead of pressing the window's default button.
            const auto* msg = reinterpret_cast<const MSG*>(lParam);
            if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN && !dropped())
                return DLGC_WANTALLKEYS | DefSubclassProc(edit, message, wParam, lParam);
            break;
        }
        case WM_KEYDOWN:
            if (wParam == VK_RETURN && !dropped()) {
                dropQueuedEnter(edit);  // else a message box of the start would take it
                start(true);
                return 0;
            }
            break;
        case WM_CHAR:
            if (wParam == VK_RETURN && !dropped()) return 0;  // no beep
            break;
        default:
            break;
    }
    return std::nullopt;
}

void SearchSettingsView::onHover(HWND window) {
    std::string text;
    if (window == combo() || GetParent(window) == combo()) {
        text = model_->location.hint;
    } else if (window != hwnd()) {
        text = controlHint(instance_, window);
    }
    if (text == lastHint_) return;
    lastHint_ = text;
    if (callbacks_.hint) callbacks_.hint(text);
}

void SearchSettingsView::layout() {
    DialogLayout place(hwnd());
    const int w = place.width(), h = place.height();
    const int margin = place.x(4), top = place.y(4), gap = place.x(8);

    // The bottom row: the location with its caption, and the start button.
    const int beginWidth = place.x(90), beginHeight = place.y(20);
    const int rowTop = h - place.y(4) - beginHeight;
    const int beginLeft = w - margin - beginWidth;
    place.place(IDC_BUTTON_SEARCHBEGIN, beginLeft, rowTop, beginWidth, beginHeight);
    const int captionWidth = place.x(62);
    place.place(IDC_LABEL_SEARCHPATH, margin, rowTop + place.y(6), captionWidth, place.y(9));
    const int comboLeft = margin + captionWidth + place.x(2);
    // The height of a drop-down combo is that of its open list.
    place.place(IDC_EDIT_SEARCHPATH, comboLeft, rowTop + place.y(4), beginLeft - place.x(6) - comboLeft, place.y(100));

    // The lists above: category names are long, masks short.
    const int captionHeight = place.y(9);
    const int listTop = top + captionHeight + place.y(2);
    const int listHeight = std::max(place.y(30), rowTop - place.y(6) - listTop);
    const int inner = std::max(0, w - 2 * margin - gap);
    const int categoriesWidth = inner * 3 / 5;
    const int typesLeft = margin + categoriesWidth + gap;
    place.place(IDC_LABEL_SEARCHCATEGORY, margin, top, categoriesWidth, captionHeight);
    place.place(categories_.hwnd(), margin, listTop, categoriesWidth, listHeight);
    place.place(IDC_LABEL_SEARCHEXT, typesLeft, top, inner - categoriesWidth, captionHeight);
    place.place(types_.hwnd(), typesLeft, listTop, inner - categoriesWidth, listHeight);
}

INT_PTR SearchSettingsView::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: {
            const int id = LOWORD(wParam), code = HIWORD(wParam);
            if (id == IDC_BUTTON_SEARCHBEGIN && code == BN_CLICKED) start(false);
            if (id == IDC_EDIT_SEARCHPATH) onLocation(code);
            return TRUE;
        }
        default:
            break;
    }
    return PageDialog::handleMessage(message, wParam, lParam);
}

}  // namespace kefelo::ui
