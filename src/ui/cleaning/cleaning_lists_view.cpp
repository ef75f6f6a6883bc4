#include "ui/cleaning/cleaning_lists_view.h"

#include <uxtheme.h>

#include "core/cleaning/cleaning_page_model.h"
#include "core/containers/container_remove.h"
#include "core/containers/grid_format.h"
#include "ui/cleaning/cleaning_page_ids.h"
#include "ui/common/dpi.h"
#include "ui/common/popup_menu.h"
#include "ui/controls/layout.h"

namespace kefelo::ui {
namespace {
using containers::GridKind;

constexpr int kButtonIds[] = {
    IDC_BUTTON_INITIAL,       IDC_BUTTON_TEMPDIRADD,    IDC_BUTTON_TEMPDIRREMOVE, IDC_BUTTON_NEWPROJECT,
    IDC_BUTTON_PROJECTMODIFY, IDC_BUTTON_PROJECTREMOVE, IDC_BUTTON_BEGINCLEAN,  IDC_BUTTON_PREVIEWCLEAN,
};

// Sent to child windows once the top window has moved to another DPI (Windows 10).
constexpr UINT kDpiChangedAfterParent = 0x02E3;

const char* const kInitialHint =
    "A szabványos, átmeneti állományokat tartalmazó könyvtárak felkutatása és felvétele a Tárolók-listába";

COLORREF colourOf(containers::CellColour colour) {
    switch (colour) {
        case containers::CellColour::WindowText:
            return GetSysColor(COLOR_WINDOWTEXT);
        case containers::CellColour::Window:
            return GetSysColor(COLOR_WINDOW);
        case containers::CellColour::GrayText:
            return GetSysColor(COLOR_GRAYTEXT);
        case containers::CellColour::ButtonFace:
            return GetSysColor(COLOR_BTNFACE);
        case containers::CellColour::Yellow:
            return RGB(255, 255, 0);
        case containers::CellColour::Maroon:
            return RGB(128, 0, 0);
    }
    return GetSysColor(COLOR_WINDOWTEXT);
}

template <typename Row>
std::vector<bool> lookUpFolders(platform::FileSystem& fs, const config::Grid<Row>& grid) {
    std::vector<bool> exists;
    exists.reserve(grid.rows.size());
    for (const Row& row : grid.rows) exists.push_back(containers::folderExists(fs, containers::rowFolder(row)));
    return exists;
}
}  // namespace

bool CleaningListsView::create(HINSTANCE instance, HWND parent, Callbacks callbacks) {
    callbacks_ = std::move(callbacks);
    return createModeless(instance, IDD_CLEANING_LISTS, parent) != nullptr;
}

void CleaningListsView::initialize() {
    EnableThemeDialogTexture(hwnd(), ETDT_ENABLETAB);
    const UINT dpi = dpiOf(hwnd());
    auto events = [this](GridKind kind) {
        SortGrid::Events e;
        e.cellText = [this, kind](int row, int column) { return cellText(kind, row, column); };
        e.cellStyle = [this, kind](int row, int column) { return cellStyle(kind, row, column); };
        e.headerClicked = [this, kind](int column) { onSort(kind, column); };
        e.doubleClicked = [this, kind](int row) { onDoubleClick(kind, row); };
        e.menuRequested = [this, kind](int row, POINT at) { onMenu(kind, row, at); };
        e.currentRowChanged = [this, kind](int row) { onCurrentRow(kind, row); };
        return e;
    };
    temps_.attach(GetDlgItem(hwnd(), IDC_LIST_TEMPS), {{"", 15}, {"Módosítva", 80, true}, {"Hely", 70}},
                  events(GridKind::Containers), dpi);
    projects_.attach(GetDlgItem(hwnd(), IDC_LIST_PROJECTS),
                     {{"", 15}, {"A keresés helye", 111}, {"Keresett átmeneti állománytípusok", 111}},
                     events(GridKind::Tasks), dpi);

    for (int id : kButtonIds) {
        SelButton& button = buttons_.attach(hwnd(), id);
        // Buttons whose work is not connected yet stay disabled rather than do nothing.
        button.setEnabled(id == IDC_BUTTON_BEGINCLEAN);
        hover_.trackControl(button.hwnd());
    }
    hover_.trackControl(temps_.hwnd());
    hover_.trackControl(projects_.hwnd());
    hover_.trackContainer(hwnd());
    hover_.setCallback([this](HWND window) { onHover(window); });

    listsChanged();
    temps_.setCurrentRow(0);
    projects_.setCurrentRow(0);
}

void CleaningListsView::connectButton(int id, std::function<void()> handler) {
    SelButton* button = buttons_.find(id);
    if (!button || id == IDC_BUTTON_BEGINCLEAN) return;
    const bool connected = static_cast<bool>(handler);
    handlers_[id] = std::move(handler);
    button->setEnabled(connected);
}

void CleaningListsView::listsChanged() {
    tempsExist_ = lookUpFolders(platform_.fs, model_.list_temps);
    projectsExist_ = lookUpFolders(platform_.fs, model_.list_projects);
    temps_.setRowCount(rowCount(GridKind::Containers));
    projects_.setRowCount(rowCount(GridKind::Tasks));
    temps_.redraw();
    projects_.redraw();
}

int CleaningListsView::currentRow(GridKind kind) const { return grid(kind).currentRow(); }

void CleaningListsView::setCurrentRow(GridKind kind, int row) { grid(kind).setCurrentRow(row); }

void CleaningListsView::focusContainers() {
    if (temps_.hwnd()) SetFocus(temps_.hwnd());
}

int CleaningListsView::rowCount(GridKind kind) const {
    return static_cast<int>(kind == GridKind::Containers ? model_.list_temps.rows.size()
                                                         : model_.list_projects.rows.size());
}

std::string CleaningListsView::cellText(GridKind kind, int row, int column) const {
    if (row < 0 || row >= rowCount(kind)) return {};
    return kind == GridKind::Containers ? containers::cellText(model_.list_temps.rows[row], column)
                                        : containers::cellText(model_.list_projects.rows[row], column);
}

GridCellStyle CleaningListsView::cellStyle(GridKind kind, int row, int column) const {
    if (row < 0 || row >= rowCount(kind)) return {};
    containers::CellFormat format;
    if (kind == GridKind::Containers) {
        const bool exists = row < static_cast<int>(tempsExist_.size()) && tempsExist_[row];
        format = containers::containerCellFormat(model_.list_temps.rows[row], column, exists);
    } else {
        const bool exists = row < static_cast<int>(projectsExist_.size()) && projectsExist_[row];
        format = containers::taskCellFormat(model_.list_projects.rows[row], column, exists);
    }
    return {colourOf(format.text), colourOf(format.background), format.font == containers::CellFont::Wingdings};
}

std::string CleaningListsView::folderOf(GridKind kind, int row) const {
    if (row < 0 || row >= rowCount(kind)) return {};
    return kind == GridKind::Containers ? model_.list_temps.rows[row].path : model_.list_projects.rows[row].location;
}

void CleaningListsView::onDoubleClick(GridKind kind, int row) {
    if (row < 0 || row >= rowCount(kind)) return;
    config::Mark& mark =
        kind == GridKind::Containers ? model_.list_temps.rows[row].mark : model_.list_projects.rows[row].mark;
    const bool exists = containers::folderExists(platform_.fs, folderOf(kind, row));
    const config::Mark before = mark;
    const std::optional<std::string> error = containers::toggleOnDoubleClick(mark, exists, kind);
    if (mark != before) edited();
    if (error) platform_.ui.message(platform::MessageKind::Error, platform::Buttons::Ok, *error);
}

void CleaningListsView::onMenu(GridKind kind, int row, POINT at) {
    if (row < 0 || row >= rowCount(kind)) return;
    const bool opens = kind == GridKind::Containers ? containers::markingMenuOpens(model_.list_temps.rows[row])
                                                    : containers::markingMenuOpens(model_.list_projects.rows[row]);
    if (!opens) return;
    const config::Mark mark =
        kind == GridKind::Containers ? model_.list_temps.rows[row].mark : model_.list_projects.rows[row].mark;
    const bool locationEnabled = containers::locationItemsEnabled(mark);

    int command = 0;
    {
        PopupMenu menu;
        menu.add(IDM_URITES_SELECTALL, "Mind kijelöli")
            .add(IDM_URITES_CLEARALL, "Kijelölések törlése")
            .add(IDM_URITES_INVERT, "Kijelölés megfordítása")
            .separator()
            .add(IDM_URITES_OPEN, "A hely megnyitása", locationEnabled)
            .add(IDM_URITES_PROPERTIES, "Tulajdonságpanel", locationEnabled);
        command = static_cast<int>(menu.track(hwnd(), at));
    }
    switch (command) {
        case IDM_URITES_SELECTALL:
        case IDM_URITES_CLEARALL:
        case IDM_URITES_INVERT:
            runMarkingCommand(kind, command - IDM_URITES_SELECTALL + 1);
            break;
        case IDM_URITES_OPEN:
            openLocation(kind, row);
            break;
        case IDM_URITES_PROPERTIES:
            showProperties(kind, row);
            break;
        default:
            break;
    }
}

void CleaningListsView::runMarkingCommand(GridKind kind, int tag) {
    const auto command = static_cast<containers::MarkingCommand>(tag);
    const bool changed = kind == GridKind::Containers
                             ? containers::applyMarking(model_.list_temps, command, platform_.fs)
                             : containers::applyMarking(model_.list_projects, command, platform_.fs);
    if (changed) edited();
}

void CleaningListsView::openLocation(GridKind kind, int row) {
    if (row < 0 || row >= rowCount(kind)) return;
    const bool alerts = model_.check_viewalerts;
    const containers::OpenLocation open =
        kind == GridKind::Containers ? containers::openLocation(model_.list_temps.rows[row], platform_.fs, alerts)
                                     : containers::openLocation(model_.list_projects.rows[row], platform_.fs, alerts);
    if (open.error) {
        platform_.ui.message(platform::MessageKind::Error, platform::Buttons::Ok, *open.error);
        return;
    }
    // As every shell start of the program: the result is not looked at.
    if (!open.explorerParameter.empty()) shell_.executeFile("explorer.exe", open.explorerParameter, "", true);
}

void CleaningListsView::showProperties(GridKind kind, int row) {
    if (!shell_.propertiesDialog(containers::propertiesTarget(folderOf(kind, row)))) {
        platform_.ui.message(platform::MessageKind::Error, platform::Buttons::Ok, containers::kPropertiesFailed);
    }
}

void CleaningListsView::onSort(GridKind kind, int column) {
    containers::SortOrder& order = kind == GridKind::Containers ? tempsOrder_ : projectsOrder_;
    order = order.afterClickOn(column);
    // The current row stays current wherever it moves; folders are unique in each list.
    const std::string current = folderOf(kind, currentRow(kind));
    if (kind == GridKind::Containers) {
        containers::sortRows(model_.list_temps, order);
    } else {
        containers::sortRows(model_.list_projects, order);
    }
    grid(kind).setSortIndicator(order.column, order.ascending);
    edited();
    for (int row = 0; !current.empty() && row < rowCount(kind); ++row) {
        if (folderOf(kind, row) == current) {
            setCurrentRow(kind, row);
            break;
        }
    }
}

void CleaningListsView::onCurrentRow(GridKind kind, int row) {
    std::string& hint = kind == GridKind::Containers ? tempsHint_ : projectsHint_;
    hint = kind == GridKind::Containers ? containers::containerHint(folderOf(kind, row), platform_.fs)
                                        : folderOf(kind, row);
    // An empty list tells how to fill it instead.
    const bool empty = kind == GridKind::Containers ? !containers::hasRows(model_.list_temps)
                                                    : !containers::hasRows(model_.list_projects);
    if (hint.empty() && empty) hint = containers::emptyListHint(kind);
    showHint(hint);
}

void CleaningListsView::onHover(HWND window) {
    std::string text;
    if (window == temps_.hwnd()) {
        text = tempsHint_;
    } else if (window == projects_.hwnd()) {
        text = projectsHint_;
    } else if (window == GetDlgItem(hwnd(), IDC_BUTTON_BEGINCLEAN)) {
        text = cleaning::beginCleanHint(model_.lastCleaning, platform_.sys.shortDateFormat());
    } else if (window == GetDlgItem(hwnd(), IDC_BUTTON_INITIAL)) {
        text = kInitialHint;
    } else if (window == GetDlgItem(hwnd(), IDC_BUTTON_PREVIEWCLEAN)) {
        text = cleaning::kPreviewCleanHint;
    }
    if (text != lastHint_) showHint(text);
}

void CleaningListsView::showHint(const std::string& text) {
    lastHint_ = text;
    if (callbacks_.hint) callbacks_.hint(text);
}

void CleaningListsView::edited() {
    listsChanged();
    if (callbacks_.listsEdited) callbacks_.listsEdited();
}

void CleaningListsView::layout() {
    DialogLayout place(hwnd());
    const int w = place.width(), h = place.height();
    const int margin = place.x(4), top = place.y(2);
    const int beginWidth = place.x(90), beginHeight = place.y(20);
    const int beginTop = h - place.y(4) - beginHeight;
    place.place(IDC_BUTTON_BEGINCLEAN, w - margin - beginWidth, beginTop, beginWidth, beginHeight);
    place.place(IDC_BUTTON_PREVIEWCLEAN, w - margin - 2 * beginWidth - place.x(4), beginTop, beginWidth, beginHeight);

    const int groupHeight = beginTop - place.y(4) - top;
    const int tempsWidth = (w - 3 * margin) * 45 / 100;
    const int projectsLeft = margin + tempsWidth + margin;
    const int projectsWidth = w - margin - projectsLeft;

    auto placeGroup = [&](int group, int list, const int(&buttons)[3], int left, int width) {
        place.place(group, left, top, width, groupHeight);
        const int innerLeft = left + place.x(6), innerWidth = width - place.x(12);
        const int buttonHeight = place.y(14);
        const int buttonTop = top + groupHeight - place.y(6) - buttonHeight;
        const int listTop = top + place.y(12);
        place.place(list, innerLeft, listTop, innerWidth, buttonTop - place.y(4) - listTop);
        const int gap = place.x(3);
        const int buttonWidth = (innerWidth - 2 * gap) / 3;
        for (int i = 0; i < 3; ++i) {
            // The last button takes the rounding, so the row ends flush with the grid.
            const int x = innerLeft + i * (buttonWidth + gap);
            place.place(buttons[i], x, buttonTop, i == 2 ? innerLeft + innerWidth - x : buttonWidth, buttonHeight);
        }
    };
    placeGroup(IDC_GROUP_TEMPS, IDC_LIST_TEMPS, {IDC_BUTTON_INITIAL, IDC_BUTTON_TEMPDIRADD, IDC_BUTTON_TEMPDIRREMOVE},
               margin, tempsWidth);
    placeGroup(IDC_GROUP_PROJECTS, IDC_LIST_PROJECTS,
               {IDC_BUTTON_NEWPROJECT, IDC_BUTTON_PROJECTMODIFY, IDC_BUTTON_PROJECTREMOVE}, projectsLeft,
               projectsWidth);
}

INT_PTR CleaningListsView::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            LRESULT result = 0;
            if (temps_.onNotify(header, result) || projects_.onNotify(header, result)) {
                SetWindowLongPtrW(hwnd(), DWLP_MSGRESULT, result);
                return TRUE;
            }
            break;
        }
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            if (HIWORD(wParam) != BN_CLICKED) break;
            if (id == IDC_BUTTON_BEGINCLEAN) {
                if (callbacks_.beginClean) callbacks_.beginClean();
                return TRUE;
            }
            auto it = handlers_.find(id);
            if (it != handlers_.end() && it->second) {
                // A copy: the handler may connect the button anew.
                const auto handler = it->second;
                handler();
            }
            return TRUE;
        }
        case kDpiChangedAfterParent: {
            const UINT dpi = dpiOf(hwnd());
            temps_.setDpi(dpi);
            projects_.setDpi(dpi);
            return TRUE;
        }
        default:
            break;
    }
    return PageDialog::handleMessage(message, wParam, lParam);
}

}  // namespace kefelo::ui
