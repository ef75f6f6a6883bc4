#pragma once
// `list_finds`: the sortable grid over the core's found files. The rows stay in the core;
// the list view is virtual and asks for the cells it draws, so a search that finds half a
// million files lists them at once. Marks, colours, sorting and the row hint are the
// core's; this view turns clicks and keys into its commands.
#include <windows.h>

#include <cstdint>
#include <optional>

#include "core/search/search_page_model.h"
#include "ui/controls/sort_grid.h"

namespace kefelo::ui {

class FoundFilesGrid {
public:
    // The list view comes from the results page's template.
    bool attach(HWND listView, search::SearchPageModel& model, UINT dpi);
    HWND hwnd() const { return grid_.hwnd(); }
    void setDpi(UINT dpi);

    // The rows, their order or marks or the colours changed: the count, the sort mark and
    // the current row follow the core, and the visible rows are drawn again.
    void rowsChanged();
    // The core moved the current row.
    void showCurrentRow();

    bool onNotify(const NMHDR& header, LRESULT& result) { return grid_.onNotify(header, result); }

private:
    void fitDateColumn(UINT dpi);
    std::string cellText(int row, int column) const;
    GridCellStyle cellStyle(int row, int column) const;
    std::optional<uint32_t> attributesNow(int row) const;
    void onCurrentRow(int row);
    void onMenu(POINT at);
    bool onKey(UINT key);
    bool focused() const { return GetFocus() == grid_.hwnd(); }

    SortGrid grid_;
    search::SearchPageModel* model_ = nullptr;
    // Set while the view moves the current row itself: the core knows it already.
    bool moving_ = false;
    // The last row whose file was looked at, for the other cells of the same row.
    static constexpr ULONGLONG kLookupReuseMs = 50;
    mutable int lookedUpRow_ = -1;
    mutable uint64_t lookedUpGeneration_ = 0;
    mutable ULONGLONG lookedUpAt_ = 0;
    mutable std::optional<uint32_t> lookedUpAttributes_;
};

}  // namespace kefelo::ui
