#pragma once
// The sortable grid `TSortGrid` over a virtual report ListView: full-row select, column 0
// the mark drawn in the "Wingdings" font, per-cell colours through a format callback, a
// header click for sorting and a double-click callback. The rows live with the caller;
// the grid asks for texts and formats by row and column.
// The ListView comes from a template (LVS_REPORT | LVS_OWNERDATA); its parent forwards
// WM_NOTIFY through onNotify.
#include <windows.h>
// The common controls header needs the definitions above.
#include <commctrl.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/common/gdi.h"
#include "ui/controls/subclass.h"

namespace kefelo::ui {

struct GridCellStyle {
    COLORREF text = CLR_DEFAULT;
    COLORREF background = CLR_DEFAULT;
    bool symbolFont = false;  // column 0: the mark character in the symbol font
};

class SortGrid {
public:
    struct Column {
        std::string caption;
        int width = 0;  // pixels at 96 DPI; the last column also takes what is left over
        // Widened to its widest text when the system's font needs more than the design.
        bool fitText = false;
        bool rightAligned = false;  // not for column 0, which the list view keeps left
    };
    struct Events {
        std::function<std::string(int row, int column)> cellText;
        std::function<GridCellStyle(int row, int column)> cellStyle;
        std::function<void(int column)> headerClicked;
        std::function<void(int column)> headerRightClicked;
        std::function<void(int row)> doubleClicked;
        // The right button (at the mouse) or Enter (under the current row); screen coordinates.
        std::function<void(int row, POINT at)> menuRequested;
        std::function<void(int row)> currentRowChanged;
        // A key pressed in the list (Enter aside); true when taken, so the list does not act on it.
        std::function<bool(UINT key)> keyDown;
    };

    bool attach(HWND listView, std::vector<Column> columns, Events events, UINT dpi);
    HWND hwnd() const { return hwnd_; }

    void setDpi(UINT dpi);
    void setRowCount(int count);
    int rowCount() const { return rowCount_; }
    // Redraws the visible rows (texts and formats are asked for again).
    void redraw();
    int currentRow() const;  // -1 when there is none
    void setCurrentRow(int row);
    void setSortIndicator(int column, bool ascending);
    // The screen point under a row's first text column, where a keyboard menu opens.
    POINT rowMenuPoint(int row) const;

    bool onNotify(const NMHDR& header, LRESULT& result);

private:
    std::optional<LRESULT> onListMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onCustomDraw(NMLVCUSTOMDRAW& draw);
    void drawMark(HDC dc, int row);
    void applyFonts();
    void fitTextColumns();
    void fitLastColumn();
    void onHeaderRightClick();

    HWND hwnd_ = nullptr;
    std::vector<Column> columns_;
    Events events_;
    UINT dpi_ = 96;
    int rowCount_ = 0;
    bool symbolAvailable_ = false;
    bool fitting_ = false;
    UINT takenKey_ = 0;  // its character message is swallowed too
    UniqueFont font_, headerFont_, symbolFont_;
    Subclass subclass_;
};

}  // namespace kefelo::ui
