#include "ui/controls/sort_grid.h"

#include <algorithm>

#include "platform/win32/wide.h"
#include "ui/common/dpi.h"
#include "ui/common/window.h"

namespace kefelo::ui {
namespace {
using platform::win32::widen;

constexpr wchar_t kActiveMark = L'\u00FE';
constexpr wchar_t kInactiveMark = L'o';

UniqueFont makeFont(const wchar_t* face, int points, UINT dpi, int weight, BYTE charset) {
    LOGFONTW font{};
    font.lfHeight = -MulDiv(points, static_cast<int>(dpi), 72);
    font.lfWeight = weight;
    font.lfCharSet = charset;
    font.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
    return UniqueFont(CreateFontIndirectW(&font));
}

// The font mapper hands out a substitute when a face is missing; only the real symbol
// font has the boxes at the mark characters.
bool fontIsFace(HFONT font, const wchar_t* face) {
    const WindowDc screen(nullptr);
    if (!screen.dc()) return false;
    const SelectScope select(screen.dc(), font);
    wchar_t actual[LF_FACESIZE] = {};
    GetTextFaceW(screen.dc(), LF_FACESIZE, actual);
    return lstrcmpiW(actual, face) == 0;
}

COLORREF resolved(COLORREF colour, int systemColour) {
    return colour == CLR_DEFAULT ? GetSysColor(systemColour) : colour;
}
}  // namespace

bool SortGrid::attach(HWND listView, std::vector<Column> columns, Events events, UINT dpi) {
    hwnd_ = listView;
    columns_ = std::move(columns);
    events_ = std::move(events);
    dpi_ = dpi;
    if (!hwnd_) return false;
    ListView_SetExtendedListViewStyleEx(hwnd_, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER,
                                        LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    for (size_t i = 0; i < columns_.size(); ++i) {
        std::wstring caption = widen(columns_[i].caption);
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM | LVCF_FMT;
        column.fmt = columns_[i].rightAligned ? LVCFMT_RIGHT : LVCFMT_LEFT;
        column.pszText = caption.data();
        column.cx = scaleForDpi(columns_[i].width, dpi_);
        column.iSubItem = static_cast<int>(i);
        ListView_InsertColumn(hwnd_, static_cast<int>(i), &column);
    }
    applyFonts();
    return subclass_.attach(hwnd_, [this](HWND, UINT message, WPARAM wParam, LPARAM lParam) {
        return onListMessage(message, wParam, lParam);
    });
}

void SortGrid::setDpi(UINT dpi) {
    dpi_ = dpi;
    applyFonts();
    for (size_t i = 0; i < columns_.size(); ++i) {
        ListView_SetColumnWidth(hwnd_, static_cast<int>(i), scaleForDpi(columns_[i].width, dpi_));
    }
    fitTextColumns();
    fitLastColumn();
}

void SortGrid::applyFonts() {
    UniqueFont oldFont = std::move(font_), oldHeader = std::move(headerFont_), oldSymbol = std::move(symbolFont_);
    font_ = makeFont(L"Arial", 8, dpi_, FW_NORMAL, DEFAULT_CHARSET);
    headerFont_ = makeFont(L"Arial", 8, dpi_, FW_BOLD, DEFAULT_CHARSET);
    symbolFont_ = makeFont(L"Wingdings", 10, dpi_, FW_NORMAL, SYMBOL_CHARSET);
    symbolAvailable_ = symbolFont_ && fontIsFace(symbolFont_.get(), L"Wingdings");
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
    if (HWND header = ListView_GetHeader(hwnd_)) {
        SendMessageW(header, WM_SETFONT, reinterpret_cast<WPARAM>(headerFont_.get()), TRUE);
    }
}

void SortGrid::setRowCount(int count) {
    // The current row is read while the old count still holds it.
    const int current = currentRow();
    rowCount_ = std::max(0, count);
    ListView_SetItemCountEx(hwnd_, rowCount_, LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL);
    if (current >= rowCount_) setCurrentRow(rowCount_ - 1);
    fitTextColumns();
    redraw();
}

void SortGrid::fitTextColumns() {
    if (!hwnd_ || !events_.cellText) return;
    bool changed = false;
    for (size_t i = 0; i < columns_.size(); ++i) {
        if (!columns_[i].fitText) continue;
        const int column = static_cast<int>(i);
        int width = scaleForDpi(columns_[i].width, dpi_);
        for (int row = 0; row < rowCount_; ++row) {
            const std::wstring text = widen(events_.cellText(row, column));
            // The list's own padding on both sides of a cell.
            width = std::max(width, ListView_GetStringWidth(hwnd_, text.c_str()) + scaleForDpi(14, dpi_));
        }
        if (ListView_GetColumnWidth(hwnd_, column) != width) {
            ListView_SetColumnWidth(hwnd_, column, width);
            changed = true;
        }
    }
    if (changed) fitLastColumn();
}

void SortGrid::redraw() {
    if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

int SortGrid::currentRow() const {
    if (!hwnd_) return -1;
    const int focused = ListView_GetNextItem(hwnd_, -1, LVNI_FOCUSED);
    return focused >= 0 && focused < rowCount_ ? focused : -1;
}

void SortGrid::setCurrentRow(int row) {
    if (!hwnd_) return;
    ListView_SetItemState(hwnd_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (row < 0 || row >= rowCount_) return;
    ListView_SetItemState(hwnd_, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetSelectionMark(hwnd_, row);
    ListView_EnsureVisible(hwnd_, row, FALSE);
}

void SortGrid::setSortIndicator(int column, bool ascending) {
    HWND header = ListView_GetHeader(hwnd_);
    if (!header) return;
    const int count = Header_GetItemCount(header);
    for (int i = 0; i < count; ++i) {
        HDITEMW item{};
        item.mask = HDI_FORMAT;
        Header_GetItem(header, i, &item);
        item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
        if (i == column) item.fmt |= ascending ? HDF_SORTUP : HDF_SORTDOWN;
        Header_SetItem(header, i, &item);
    }
}

POINT SortGrid::rowMenuPoint(int row) const {
    RECT item{};
    POINT at{0, 0};
    if (row >= 0 && ListView_GetItemRect(hwnd_, row, &item, LVIR_BOUNDS)) {
        at = {item.left + scaleForDpi(columns_.empty() ? 0 : columns_[0].width, dpi_), item.bottom};
    }
    ClientToScreen(hwnd_, &at);
    return at;
}

void SortGrid::fitLastColumn() {
    if (!hwnd_ || columns_.empty() || fitting_) return;
    fitting_ = true;
    RECT client{};
    GetClientRect(hwnd_, &client);
    int others = 0;
    for (size_t i = 0; i + 1 < columns_.size(); ++i) others += ListView_GetColumnWidth(hwnd_, static_cast<int>(i));
    const int designed = scaleForDpi(columns_.back().width, dpi_);
    const int width = std::max(designed, static_cast<int>(client.right) - others);
    const int last = static_cast<int>(columns_.size()) - 1;
    if (ListView_GetColumnWidth(hwnd_, last) != width) ListView_SetColumnWidth(hwnd_, last, width);
    fitting_ = false;
}

std::optional<LRESULT> SortGrid::onListMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETDLGCODE: {
            // Enter opens the marking menu instead of pressing the dialog's default button.
            const auto* msg = reinterpret_cast<const MSG*>(lParam);
            if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) {
                return DLGC_WANTMESSAGE | DefSubclassProc(hwnd_, message, wParam, lParam);
            }
            break;
        }
        case WM_KEYDOWN:
            takenKey_ = 0;
            if (wParam == VK_RETURN) {
                dropQueuedEnter(hwnd_);  // else the menu's own loop takes it and closes at once
                const int row = currentRow();
                if (events_.menuRequested) events_.menuRequested(row, rowMenuPoint(row));
                return 0;
            }
            if (events_.keyDown && events_.keyDown(static_cast<UINT>(wParam))) {
                takenKey_ = static_cast<UINT>(wParam);
                return 0;
            }
            break;
        case WM_CHAR:
            if (wParam == VK_RETURN) return 0;  // no beep
            // A taken Space must not reach the list's search by typed letters.
            if (wParam == L' ' && takenKey_ == VK_SPACE) return 0;
            break;
        case WM_NOTIFY: {
            // The header tells its own parent, the list, of a right click.
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header && header->code == NM_RCLICK && header->hwndFrom == ListView_GetHeader(hwnd_) &&
                events_.headerRightClicked) {
                onHeaderRightClick();
                return TRUE;
            }
            break;
        }
        case WM_SIZE: {
            const LRESULT result = DefSubclassProc(hwnd_, message, wParam, lParam);
            fitLastColumn();
            return result;
        }
        default:
            break;
    }
    return std::nullopt;
}

void SortGrid::onHeaderRightClick() {
    HWND header = ListView_GetHeader(hwnd_);
    if (!header) return;
    HDHITTESTINFO hit{};
    GetCursorPos(&hit.pt);
    ScreenToClient(header, &hit.pt);
    const int column = static_cast<int>(SendMessageW(header, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (column >= 0 && (hit.flags & HHT_ONHEADER)) events_.headerRightClicked(column);
}

bool SortGrid::onNotify(const NMHDR& header, LRESULT& result) {
    if (header.hwndFrom != hwnd_) return false;
    result = 0;
    switch (header.code) {
        case LVN_GETDISPINFOW: {
            auto& info = *reinterpret_cast<NMLVDISPINFOW*>(const_cast<NMHDR*>(&header));
            if ((info.item.mask & LVIF_TEXT) && info.item.pszText && info.item.cchTextMax > 0) {
                info.item.pszText[0] = L'\0';
                // Column 0 is drawn after the row, centred, in the symbol font.
                if (info.item.iSubItem > 0 && info.item.iItem < rowCount_ && events_.cellText) {
                    const std::wstring text = widen(events_.cellText(info.item.iItem, info.item.iSubItem));
                    lstrcpynW(info.item.pszText, text.c_str(), info.item.cchTextMax);
                }
            }
            return true;
        }
        case NM_CUSTOMDRAW:
            result = onCustomDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(const_cast<NMHDR*>(&header)));
            return true;
        case LVN_COLUMNCLICK:
            if (events_.headerClicked) events_.headerClicked(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem);
            return true;
        case NM_DBLCLK: {
            const int row = reinterpret_cast<const NMITEMACTIVATE&>(header).iItem;
            if (row >= 0 && row < rowCount_ && events_.doubleClicked) events_.doubleClicked(row);
            return true;
        }
        case NM_RCLICK: {
            POINT at = reinterpret_cast<const NMITEMACTIVATE&>(header).ptAction;
            ClientToScreen(hwnd_, &at);
            if (events_.menuRequested) events_.menuRequested(currentRow(), at);
            return true;
        }
        case LVN_ITEMCHANGED: {
            const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
            const bool nowFocused = (change.uNewState & LVIS_FOCUSED) && !(change.uOldState & LVIS_FOCUSED);
            if ((change.uChanged & LVIF_STATE) && nowFocused && change.iItem >= 0 && events_.currentRowChanged) {
                events_.currentRowChanged(change.iItem);
            }
            return true;
        }
        default:
            return false;
    }
}

LRESULT SortGrid::onCustomDraw(NMLVCUSTOMDRAW& draw) {
    switch (draw.nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            return CDRF_NOTIFYITEMDRAW;
        case CDDS_ITEMPREPAINT:
            return CDRF_NOTIFYSUBITEMDRAW | CDRF_NOTIFYPOSTPAINT;
        case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
            const int row = static_cast<int>(draw.nmcd.dwItemSpec);
            GridCellStyle style;
            if (row < rowCount_ && events_.cellStyle) style = events_.cellStyle(row, draw.iSubItem);
            draw.clrText = resolved(style.text, COLOR_WINDOWTEXT);
            draw.clrTextBk = resolved(style.background, COLOR_WINDOW);
            return CDRF_NEWFONT;
        }
        case CDDS_ITEMPOSTPAINT:
            drawMark(draw.nmcd.hdc, static_cast<int>(draw.nmcd.dwItemSpec));
            return CDRF_DODEFAULT;
        default:
            return CDRF_DODEFAULT;
    }
}

void SortGrid::drawMark(HDC dc, int row) {
    if (row < 0 || row >= rowCount_ || !events_.cellText) return;
    const std::wstring mark = widen(events_.cellText(row, 0));
    if (mark.empty()) return;
    HWND header = ListView_GetHeader(hwnd_);
    RECT item{}, column{};
    if (!header || !ListView_GetItemRect(hwnd_, row, &item, LVIR_BOUNDS) || !Header_GetItemRect(header, 0, &column)) {
        return;
    }
    RECT cell{item.left + column.left, item.top, item.left + column.right, item.bottom};

    GridCellStyle style;
    if (events_.cellStyle) style = events_.cellStyle(row, 0);
    const bool selected = ListView_GetItemState(hwnd_, row, LVIS_SELECTED) & LVIS_SELECTED;
    // Without the focus a selected row keeps its own colours (or a pale grey behind them).
    const COLORREF colour =
        selected && GetFocus() == hwnd_ ? GetSysColor(COLOR_HIGHLIGHTTEXT) : resolved(style.text, COLOR_WINDOWTEXT);

    const bool box = mark == std::wstring(1, kActiveMark) || mark == std::wstring(1, kInactiveMark);
    if (style.symbolFont && box && !symbolAvailable_) {
        // No symbol font on this system: a drawn check box says the same.
        const int side = std::min<int>(cell.right - cell.left, cell.bottom - cell.top) - scaleForDpi(3, dpi_);
        if (side <= 2) return;
        RECT square{cell.left + (cell.right - cell.left - side) / 2, cell.top + (cell.bottom - cell.top - side) / 2, 0,
                    0};
        square.right = square.left + side;
        square.bottom = square.top + side;
        UINT state = DFCS_BUTTONCHECK | DFCS_FLAT;
        if (mark[0] == kActiveMark) state |= DFCS_CHECKED;
        DrawFrameControl(dc, &square, DFC_BUTTON, state);
        return;
    }
    const SelectScope select(dc, style.symbolFont ? symbolFont_.get() : font_.get());
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = SetTextColor(dc, colour);
    DrawTextW(dc, mark.c_str(), static_cast<int>(mark.size()), &cell,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
}

}  // namespace kefelo::ui
