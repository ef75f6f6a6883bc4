#include "ui/search/found_files_grid.h"

#include <vector>

#include "base/time/datetime.h"
#include "core/search/found_files_legend.h"
#include "platform/win32/wide.h"
#include "ui/common/dpi.h"
#include "ui/search/found_files_popup.h"

namespace kefelo::ui {
namespace {
COLORREF colourRef(search::Rgb colour) { return RGB(colour.red, colour.green, colour.blue); }
}  // namespace

bool FoundFilesGrid::attach(HWND listView, search::SearchPageModel& model, UINT dpi) {
    model_ = &model;
    std::vector<SortGrid::Column> columns;
    for (int i = 0; i < search::kFoundColumnCount; ++i) {
        const search::FoundColumnSpec& spec = search::kFoundColumns[static_cast<size_t>(i)];
        columns.push_back({.caption = spec.title, .width = spec.width, .rightAligned = i == search::col_name});
    }
    SortGrid::Events events;
    events.cellText = [this](int row, int column) { return cellText(row, column); };
    events.cellStyle = [this](int row, int column) { return cellStyle(row, column); };
    events.headerClicked = [this](int column) { model_->titleClick(column, false); };
    events.headerRightClicked = [this](int column) { model_->titleClick(column, true); };
    events.doubleClicked = [this](int row) {
        onCurrentRow(row);
        model_->toggleCurrentRow(focused());
    };
    events.menuRequested = [this](int, POINT at) { onMenu(at); };
    events.currentRowChanged = [this](int row) { onCurrentRow(row); };
    events.keyDown = [this](UINT key) { return onKey(key); };
    if (!grid_.attach(listView, std::move(columns), std::move(events), dpi)) return false;
    fitDateColumn(dpi);
    rowsChanged();
    return true;
}

void FoundFilesGrid::setDpi(UINT dpi) {
    grid_.setDpi(dpi);
    fitDateColumn(dpi);
}

// The designed width was made for a narrower font: a date of the system's format shows
// whole. One sample stands for every row (all dates of a format are about as wide).
void FoundFilesGrid::fitDateColumn(UINT dpi) {
    const std::string sample =
        timeutil::formatDate(timeutil::toDateTime({2000, 12, 28, 0, 0, 0, 0}), model_->found.shortDatePicture);
    const int needed = ListView_GetStringWidth(grid_.hwnd(), platform::win32::widen(sample).c_str()) +
                       scaleForDpi(14, dpi);  // the list's padding on both sides of a cell
    if (ListView_GetColumnWidth(grid_.hwnd(), search::col_date) < needed)
        ListView_SetColumnWidth(grid_.hwnd(), search::col_date, needed);
}

void FoundFilesGrid::rowsChanged() {
    grid_.setRowCount(static_cast<int>(model_->found.size()));
    const config::SortOrder order = model_->sorting.order();
    grid_.setSortIndicator(order.column, order.ascending);
    showCurrentRow();
    grid_.redraw();
}

void FoundFilesGrid::showCurrentRow() {
    const search::FoundFiles& files = model_->found;
    const int row = files.validRow(files.currentRow) ? files.currentRow : -1;
    if (grid_.currentRow() == row) return;
    moving_ = true;
    grid_.setCurrentRow(row);
    moving_ = false;
}

std::string FoundFilesGrid::cellText(int row, int column) const {
    const search::FoundFiles& files = model_->found;
    return files.validRow(row) ? files.cellText(static_cast<size_t>(row), column) : std::string();
}

GridCellStyle FoundFilesGrid::cellStyle(int row, int column) const {
    const search::FoundFiles& files = model_->found;
    if (!files.validRow(row)) return {};
    const search::FoundCellFormat format =
        search::foundCellFormat(files, static_cast<size_t>(row), column, attributesNow(row));
    GridCellStyle style;
    style.symbolFont = format.font == search::CellFont::Wingdings;
    if (!format.windowText) style.text = colourRef(model_->legend.colour(format.colour));
    return style;
}

// The cells of a row are drawn one after the other: the disk is asked once per row and
// paint, and only for the rows the list draws.
std::optional<uint32_t> FoundFilesGrid::attributesNow(int row) const {
    const ULONGLONG now = GetTickCount64();
    const uint64_t generation = model_->found.generation();
    if (row != lookedUpRow_ || generation != lookedUpGeneration_ || now - lookedUpAt_ > kLookupReuseMs) {
        lookedUpRow_ = row;
        lookedUpGeneration_ = generation;
        lookedUpAt_ = now;
        lookedUpAttributes_ = model_->foundAttributesNow(static_cast<size_t>(row));
    }
    return lookedUpAttributes_;
}

void FoundFilesGrid::onCurrentRow(int row) {
    if (!moving_) model_->rowClicked(row);
}

void FoundFilesGrid::onMenu(POINT at) { showFoundFilesMenu(GetParent(grid_.hwnd()), at, *model_); }

bool FoundFilesGrid::onKey(UINT key) {
    switch (key) {
        case VK_SPACE:
            model_->toggleCurrentRow(focused());
            return true;
        case VK_DELETE:
        case VK_F8:
            model_->button_findsselectdeleteClick();
            return true;
        case VK_F6:
            model_->button_findsselectmoveClick();
            return true;
        default:
            return false;
    }
}

}  // namespace kefelo::ui
