// The reusable controls on real windows under Wine: the rich text of the cleaning log,
// the sortable grid over a virtual ListView, and the hover tracking of the hints and
// description boxes.
#include <windows.h>
// These need the definitions above.
#include <commctrl.h>
#include <gtest/gtest.h>
#include <richedit.h>

#include <string>
#include <vector>

#include "ui/controls/hover_tracker.h"
#include "ui/controls/rich_text.h"
#include "ui/controls/sort_grid.h"

using namespace kefelo::ui;

namespace {

// A top-level window (never shown) whose notifications go to whoever listens.
class Host {
public:
    Host() {
        static const bool registered = [] {
            INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
            InitCommonControlsEx(&controls);
            WNDCLASSW wc{};
            wc.lpfnWndProc = &Host::procedure;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.lpszClassName = L"KefeloControlsTestHost";
            return RegisterClassW(&wc) != 0;
        }();
        if (!registered) return;
        hwnd = CreateWindowExW(0, L"KefeloControlsTestHost", L"", WS_OVERLAPPEDWINDOW, 0, 0, 500, 300, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
        if (hwnd) SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~Host() {
        if (hwnd) DestroyWindow(hwnd);
    }

    HWND hwnd = nullptr;
    SortGrid* grid = nullptr;

private:
    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<Host*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        LRESULT result = 0;
        if (message == WM_NOTIFY && self && self->grid &&
            self->grid->onNotify(*reinterpret_cast<const NMHDR*>(lParam), result)) {
            return result;
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
};

std::wstring richText(HWND edit) {
    const int length = GetWindowTextLengthW(edit);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(edit, text.data(), length + 1)));
    return text;
}

CHARFORMAT2W formatAt(HWND edit, LONG position) {
    CHARRANGE range{position, position + 1};
    SendMessageW(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    SendMessageW(edit, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    return format;
}

}  // namespace

// Windows need a display; under Wine without one (no X server) these tests cannot run.
#define REQUIRE_WINDOW(window) \
    if (!(window)) GTEST_SKIP() << "no window could be created (no display?)"

TEST(RichText, DocumentEscapesTextAndSharesColours) {
    const COLORREF navy = RGB(0, 0, 128), red = RGB(255, 0, 0);
    const std::string rtf = richTextDocument({{L"a\\b{c}\r\n", {true, true, std::nullopt}},
                                              {L"\u0151 \u2603", {false, false, navy}},
                                              {L"x", {false, false, navy}},
                                              {L"y", {false, false, red}}},
                                             L"Tahoma", 16);
    EXPECT_NE(rtf.find("{\\colortbl ;\\red0\\green0\\blue128;\\red255\\green0\\blue0;}"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\cf0\\b\\ul a\\\\b\\{c\\}\\par"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\cf1\\b0\\ulnone \\u337? \\u9731?"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\cf1\\b0\\ulnone x\\cf2\\b0\\ulnone y"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("{\\fonttbl{\\f0\\fnil Tahoma;}}"), std::string::npos) << rtf;
}

TEST(RichText, StreamedLogKeepsTextStylesAndColours) {
    Host host;
    REQUIRE_WINDOW(host.hwnd);
    HWND edit = createRichEdit(host.hwnd, 1, WS_CHILD | ES_MULTILINE | ES_READONLY, 0);
    ASSERT_NE(edit, nullptr);
    const COLORREF navy = RGB(0, 0, 128);
    setRichText(edit, {{L"Fej {1}\r\n", {true, false, std::nullopt}},
                       {L"C:\\Temp\\\u0151r.tmp  (2 b\u00e1jt )\r\n", {false, false, navy}},
                       {L"\u00d6sszegz\u00e9s:", {true, true, std::nullopt}}});
    const std::wstring text = richText(edit);
    EXPECT_EQ(text.substr(0, 7), L"Fej {1}");
    EXPECT_NE(text.find(L"C:\\Temp\\\u0151r.tmp  (2 b\u00e1jt )"), std::wstring::npos);
    EXPECT_NE(text.find(L"\u00d6sszegz\u00e9s:"), std::wstring::npos);

    const CHARFORMAT2W heading = formatAt(edit, 0);
    EXPECT_TRUE(heading.dwEffects & CFE_BOLD);
    EXPECT_TRUE(heading.dwEffects & CFE_AUTOCOLOR);
    const CHARFORMAT2W line = formatAt(edit, static_cast<LONG>(text.find(L"C:\\")));
    EXPECT_FALSE(line.dwEffects & CFE_BOLD);
    EXPECT_FALSE(line.dwEffects & CFE_AUTOCOLOR);
    EXPECT_EQ(line.crTextColor, navy);
    const CHARFORMAT2W summary = formatAt(edit, static_cast<LONG>(text.find(L"\u00d6sszegz")));
    EXPECT_TRUE(summary.dwEffects & CFE_UNDERLINE);
}

class SortGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        REQUIRE_WINDOW(host.hwnd);
        list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDATA, 0, 0, 300, 200,
                               host.hwnd, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(list, nullptr);
        SortGrid::Events events;
        events.cellText = [this](int row, int column) { return rows.at(row).at(column); };
        events.cellStyle = [](int, int) { return GridCellStyle{}; };
        events.headerClicked = [this](int column) { clickedColumns.push_back(column); };
        events.menuRequested = [this](int row, POINT) { menuRows.push_back(row); };
        events.currentRowChanged = [this](int row) { currentRows.push_back(row); };
        ASSERT_TRUE(grid.attach(list, {{"", 15}, {"Módosítva", 40, true}, {"Hely", 70}}, events, 96));
        host.grid = &grid;
        grid.setRowCount(static_cast<int>(rows.size()));
    }

    std::wstring shownText(int row, int column) {
        wchar_t buffer[256] = {};
        ListView_GetItemText(list, row, column, buffer, 256);
        return buffer;
    }

    Host host;
    HWND list = nullptr;
    SortGrid grid;
    std::vector<std::vector<std::string>> rows{
        {"\xC3\xBE", "2026. 12. 08.", "C:\\Temp"},
        {"o", "0", "D:\\Régi\\Temp"},
        {"", "", ""},
    };
    std::vector<int> clickedColumns, menuRows, currentRows;
};

TEST_F(SortGridTest, ShowsTheCallersTextsExceptTheDrawnMark) {
    EXPECT_EQ(ListView_GetItemCount(list), 3);
    EXPECT_EQ(shownText(1, 2), L"D:\\R\u00e9gi\\Temp");
    EXPECT_EQ(shownText(0, 1), L"2026. 12. 08.");
    // The mark is drawn in the symbol font after the row, not as the cell's text.
    EXPECT_EQ(shownText(0, 0), L"");
    // The date column grew to its text; the last one fills the rest.
    const int dateWidth = ListView_GetColumnWidth(list, 1);
    EXPECT_GT(dateWidth, ListView_GetStringWidth(list, L"2026. 12. 08."));
    RECT client{};
    GetClientRect(list, &client);
    EXPECT_EQ(ListView_GetColumnWidth(list, 0) + dateWidth + ListView_GetColumnWidth(list, 2), client.right);
}

TEST_F(SortGridTest, CurrentRowFollowsAndShrinksWithTheRows) {
    grid.setCurrentRow(2);
    EXPECT_EQ(grid.currentRow(), 2);
    ASSERT_FALSE(currentRows.empty());
    EXPECT_EQ(currentRows.back(), 2);
    rows.pop_back();
    grid.setRowCount(2);
    EXPECT_EQ(grid.currentRow(), 1);
    grid.setCurrentRow(-1);
    EXPECT_EQ(grid.currentRow(), -1);
}

TEST_F(SortGridTest, EnterAndHeaderClicksReachTheCaller) {
    grid.setCurrentRow(1);
    MSG enter{list, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    EXPECT_TRUE(SendMessageW(list, WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&enter)) & DLGC_WANTMESSAGE);
    SendMessageW(list, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(menuRows, std::vector<int>{1});

    HWND header = ListView_GetHeader(list);
    RECT column{};
    ASSERT_TRUE(Header_GetItemRect(header, 2, &column));
    const LPARAM at = MAKELPARAM((column.left + column.right) / 2, (column.top + column.bottom) / 2);
    SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(header, WM_LBUTTONUP, 0, at);
    EXPECT_EQ(clickedColumns, std::vector<int>{2});

    grid.setSortIndicator(2, false);
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    Header_GetItem(header, 2, &item);
    EXPECT_TRUE(item.fmt & HDF_SORTDOWN);
    grid.setSortIndicator(1, true);
    Header_GetItem(header, 2, &item);
    EXPECT_FALSE(item.fmt & (HDF_SORTDOWN | HDF_SORTUP));
}

TEST(HoverTracker, FindsDisabledControlsAndTheBackground) {
    Host host;
    REQUIRE_WINDOW(host.hwnd);
    auto button = [&](int x, bool enabled) {
        HWND b = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | (enabled ? 0 : WS_DISABLED), x, 10, 80, 30,
                                 host.hwnd, nullptr, GetModuleHandleW(nullptr), nullptr);
        EXPECT_NE(b, nullptr);
        return b;
    };
    HWND enabled = button(10, true);
    HWND disabled = button(110, false);
    HWND untracked = button(210, true);
    std::vector<HWND> seen;
    HoverTracker tracker;
    tracker.trackControl(enabled);
    tracker.trackControl(disabled);
    tracker.setCallback([&](HWND window) { seen.push_back(window); });

    // A disabled control gets no mouse messages: its parent does, at the control's place.
    SendMessageW(host.hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(150, 20));
    SendMessageW(enabled, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageW(host.hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(400, 200));
    // An untracked control counts as nothing: its own messages are not looked at.
    SendMessageW(untracked, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(seen, (std::vector<HWND>{disabled, enabled, host.hwnd}));
}
