// The search page on a plain window over a real search model and the real file system:
// a search started by its button lists the files in the virtual list, the title clicks
// sort, the context menu and Space mark, the rows take their colours from the legend,
// and Esc goes back to the settings.
#include <windows.h>
// These need the definitions above.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/app/null_views.h"
#include "core/search/search_page_model.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_ui_services.h"
#include "ui/search/search_page.h"
#include "ui/search/search_page_ids.h"

using namespace kefelo;
using platform::win32::narrow;
using platform::win32::widen;

namespace {

namespace fs = std::filesystem;

// Message boxes would wait for a user: they are recorded and answered Yes (or OK).
class QuietUi : public platform::win32::Win32UiServices {
public:
    std::vector<std::string> messages;
    platform::Answer message(platform::MessageKind, platform::Buttons buttons, const std::string& text) override {
        messages.push_back(text);
        return buttons == platform::Buttons::Ok ? platform::Answer::Ok : platform::Answer::Yes;
    }
};

struct RecordingStatus : apptest::NullStatusLine {
    std::string text, hint;
    void setStatusText(const std::string& t) override { text = t; }
    void showHint(const std::string& h) override { hint = h; }
};

// The main window: a top-level window with a page area the search page fills. It stays
// hidden, as the program's window in the tray, and Wine then waits for no window manager.
class Host {
public:
    Host() {
        static const bool registered = [] {
            INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
            InitCommonControlsEx(&controls);
            WNDCLASSW wc{};
            wc.lpfnWndProc = DefWindowProcW;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.lpszClassName = L"KefeloSearchPageTestHost";
            return RegisterClassW(&wc) != 0;
        }();
        if (!registered) return;
        window = CreateWindowExW(0, L"KefeloSearchPageTestHost", L"", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 700,
                                 420, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        if (!window) return;
        page = CreateWindowExW(WS_EX_CONTROLPARENT, L"KefeloSearchPageTestHost", L"",
                               WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 680, 360, window, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    }
    ~Host() {
        if (window) DestroyWindow(window);
    }
    HWND window = nullptr;
    HWND page = nullptr;
};

// Runs the pending messages, so that what was posted (menu keys, paints) happens.
void pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

class SearchPageTest : public ::testing::Test {
protected:
    platform::win32::Win32FileSystem files;
    platform::win32::Win32SystemInfo sys;
    platform::win32::Win32Registry registry;
    platform::win32::Win32Clock clock;
    platform::win32::Win32Clipboard clipboard;
    QuietUi ui;
    platform::Platform platform{files, sys, registry, clock, ui, clipboard};
    config::ConfigModel config;
    config::MaskTable masks;
    config::TypeLists lists{masks, ui};
    app::CommandLine commandLine;
    search::TSearchFolders walker{platform};
    RecordingStatus status;
    apptest::NullMainFrame frame;
    Host host;
    ui::SearchPage page;
    std::unique_ptr<search::SearchPageModel> model;
    fs::path folder;

    void SetUp() override {
        if (!host.page) GTEST_SKIP() << "no window could be created (no display?)";
        config.edit_searchpath.items = {std::string(config::kBrowseItem)};
        lists.list_searchext.items = {{"*.tmp", true}};
        model = std::make_unique<search::SearchPageModel>(
            search::SearchContext{platform, config, lists, walker, commandLine, page.view(), status, frame, "3.2.1.0"});
        walker.OnChanged = [this](search::TSearchFolders& w, int64_t, int64_t) {
            if (w.Tag == app::Activity::FileSearch) model->SearchFoldersChanged();
        };
        ui::SearchPage::Host pageHost{status, [] { return true; }, [] {}, {}};
        ASSERT_TRUE(page.create(GetModuleHandleW(nullptr), host.page, *model, lists, pageHost));

        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder = fs::path(temp) / L"kefelo search page test";
        clearFolder();
        fs::create_directories(folder / L"al mappa");
    }
    void TearDown() override { clearFolder(); }

    void clearFolder() {
        std::error_code ec;
        for (const auto& entry : fs::recursive_directory_iterator(folder, ec))
            SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        fs::remove_all(folder, ec);
    }
    void addFile(const std::wstring& name, size_t size, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
        const fs::path path = folder / name;
        HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, attributes, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE);
        const std::string bytes(size, 'x');
        DWORD written = 0;
        WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(h);
    }

    // A control of either inner page, by its id.
    HWND control(int id) const {
        for (HWND inner = GetWindow(page.hwnd(), GW_CHILD); inner; inner = GetWindow(inner, GW_HWNDNEXT))
            if (HWND found = GetDlgItem(inner, id)) return found;
        return nullptr;
    }
    std::string text(int id) const { return ui::windowText(control(id)); }
    // Shown on its inner page, and that page shown on the search page.
    bool shows(int id) const {
        HWND c = control(id);
        return c && (GetWindowLongW(c, GWL_STYLE) & WS_VISIBLE) &&
               (GetWindowLongW(GetParent(c), GWL_STYLE) & WS_VISIBLE);
    }
    HWND list() const { return control(IDC_LIST_FINDS); }
    int rows() const { return ListView_GetItemCount(list()); }
    std::string cell(int row, int column) const {
        wchar_t buffer[MAX_PATH] = {};
        ListView_GetItemText(list(), row, column, buffer, MAX_PATH);
        return narrow(buffer);
    }
    // The colour the list is told to draw a cell's text in, asked as the list asks.
    COLORREF drawnColour(int row, int column) const {
        NMLVCUSTOMDRAW draw{};
        draw.nmcd.hdr = {list(), static_cast<UINT_PTR>(IDC_LIST_FINDS), static_cast<UINT>(NM_CUSTOMDRAW)};
        draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT | CDDS_SUBITEM;
        draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(row);
        draw.iSubItem = column;
        SendMessageW(GetParent(list()), WM_NOTIFY, IDC_LIST_FINDS, reinterpret_cast<LPARAM>(&draw));
        return draw.clrText;
    }
    void click(int id) const { SendMessageW(control(id), BM_CLICK, 0, 0); }
    // A mouse click on a column title, as the header control gets it.
    void clickTitle(int column, bool right) const {
        HWND header = ListView_GetHeader(list());
        RECT r{};
        Header_GetItemRect(header, column, &r);
        const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        if (right) {
            POINT screen{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
            ClientToScreen(header, &screen);
            SetCursorPos(screen.x, screen.y);
        }
        SendMessageW(header, right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, right ? MK_RBUTTON : MK_LBUTTON, at);
        SendMessageW(header, right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, at);
    }
    void search() {
        SetWindowTextW(control(IDC_EDIT_SEARCHPATH), folder.wstring().c_str());
        click(IDC_BUTTON_SEARCHBEGIN);
    }
    int rowOf(const std::string& name) const {
        for (int row = 0; row < rows(); ++row)
            if (cell(row, search::col_name) + cell(row, search::col_ext) == name) return row;
        return -1;
    }
};

// While the menu's own loop runs, walks its items with the arrow keys as a user would.
UINT menuItemToPick = 0;
void CALLBACK pickMenuItem(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND menu = FindWindowW(L"#32768", nullptr);
    if (!menu) return;
    KillTimer(nullptr, timer);
    for (UINT i = 0; i <= menuItemToPick; ++i) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
}

TEST_F(SearchPageTest, SearchFromTheButtonListsTheFilesAndEscapeGoesBack) {
    addFile(L"a.tmp", 5);
    addFile(L"B.TMP", 1);
    addFile(L"keep.doc", 3);
    addFile(L"al mappa\\x.tmp.log.tmp", 2);
    EXPECT_TRUE(shows(IDC_BUTTON_SEARCHBEGIN) && !shows(IDC_LIST_FINDS));

    search();
    EXPECT_TRUE(ui.messages.empty()) << ui.messages.front();
    EXPECT_TRUE(shows(IDC_LIST_FINDS) && !shows(IDC_BUTTON_SEARCHBEGIN) && !shows(IDC_PUTOLSOALLOMANY));
    ASSERT_EQ(rows(), 3);
    EXPECT_TRUE(GetWindowLongW(list(), GWL_STYLE) & LVS_OWNERDATA);
    const int nested = rowOf("x.tmp.log.tmp");
    ASSERT_GE(nested, 0);
    EXPECT_EQ(cell(nested, search::col_ext), ".tmp");
    EXPECT_EQ(cell(nested, search::col_folder), narrow((folder / L"al mappa").wstring()));
    EXPECT_EQ(cell(rowOf("a.tmp"), search::col_size), "5");
    EXPECT_EQ(text(IDC_LABEL_FINDSABOUT), "3 db\r\n8 bájt");
    EXPECT_EQ(text(IDC_LABEL_FINDSELECT), "0 db\r\n0 bájt");
    EXPECT_EQ(text(IDC_BUTTON_SEARCHHALT), "Visszalépés");
    EXPECT_EQ(text(IDC_GROUP_FINDS).rfind("  T a l á l t   á l l o m á n y o k (\"", 0), 0u) << text(IDC_GROUP_FINDS);
    EXPECT_FALSE(IsWindowEnabled(control(IDC_BUTTON_FINDSSELECTDELETE)));
    // The location went to the top of the history, "Tallóz..." stays last.
    HWND location = control(IDC_EDIT_SEARCHPATH);
    EXPECT_EQ(SendMessageW(location, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(text(IDC_EDIT_SEARCHPATH), narrow(folder.wstring()) + "\\");

    MSG escape{list(), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
    EXPECT_TRUE(page.previewKey(escape));
    EXPECT_TRUE(shows(IDC_BUTTON_SEARCHBEGIN) && !shows(IDC_LIST_FINDS));
    EXPECT_EQ(rows(), 0);
    EXPECT_FALSE(page.previewKey(escape));  // the settings page lets Esc pass
}

TEST_F(SearchPageTest, TheVirtualListHoldsManyRowsAndSortsByItsTitles) {
    constexpr int kRows = 200000;
    std::vector<search::TFilePack> matches(kRows);
    for (int i = 0; i < kRows; ++i) {
        matches[i].Name = "f" + std::to_string(i) + ".tmp";
        matches[i].Folder = "C:\\mappa" + std::to_string(i % 100) + "\\";
        matches[i].Size = (static_cast<int64_t>(i) * 7919) % kRows;  // every size once
    }
    model->found.fill(std::move(matches), config::ProtectionTest({}), clock);
    model->pcKereses = search::search_results;
    page.view().foundFilesChanged();
    page.view().searchPageChanged();
    ASSERT_EQ(rows(), kRows);
    EXPECT_EQ(cell(kRows - 1, search::col_name), "f" + std::to_string(kRows - 1));

    // Sizes sort as numbers (as text "10" would come before "2").
    clickTitle(search::col_size, false);
    EXPECT_EQ(cell(0, search::col_size) + " " + cell(2, search::col_size) + " " + cell(10, search::col_size), "0 2 10");
    clickTitle(search::col_size, false);  // the same title again: descending
    EXPECT_EQ(cell(0, search::col_size), std::to_string(kRows - 1));
    clickTitle(search::col_name, true);  // the right button always sorts descending
    EXPECT_EQ(cell(0, search::col_name), "f99999");
    clickTitle(search::col_name, true);
    EXPECT_EQ(cell(0, search::col_name), "f99999");
}

TEST_F(SearchPageTest, MenuAndSpaceMarkRowsAndTheRowsTakeTheLegendsColours) {
    addFile(L"a.tmp", 5);
    addFile(L"b.tmp", 1, FILE_ATTRIBUTE_HIDDEN);
    addFile(L"c.tmp", 2);
    search();
    ASSERT_EQ(rows(), 3);
    const int hidden = rowOf("b.tmp"), plain = rowOf("a.tmp");
    EXPECT_EQ(drawnColour(hidden, search::col_name), RGB(128, 0, 0));
    EXPECT_EQ(drawnColour(plain, search::col_name), RGB(0, 0, 128));
    EXPECT_EQ(drawnColour(plain, search::col_mark), GetSysColor(COLOR_WINDOWTEXT));

    // Enter opens `pTalalatok`; its first item is "Mind aktív". As from the keyboard, the
    // key's character waits in the queue while the key is handled.
    SetFocus(list());
    menuItemToPick = 0;
    SetTimer(nullptr, 0, 50, pickMenuItem);
    PostMessageW(list(), WM_CHAR, VK_RETURN, 0);
    SendMessageW(list(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(text(IDC_LABEL_FINDSELECT), "3 db\r\n8 bájt");
    EXPECT_TRUE(IsWindowEnabled(control(IDC_BUTTON_FINDSSELECTDELETE)));

    ListView_SetItemState(list(), plain, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
    EXPECT_EQ(status.text, narrow((folder / L"a.tmp").wstring()));
    SendMessageW(list(), WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(text(IDC_LABEL_FINDSELECT), "2 db\r\n3 bájt");

    // A colour chosen for the legend colours the rows; a right click on a label puts it back.
    model->legendColourChosen(search::RowColour::Normal, {1, 2, 3});
    EXPECT_EQ(drawnColour(plain, search::col_name), RGB(1, 2, 3));
    SendMessageW(control(IDC_LABEL_FINDSCOLOUR_FIRST), WM_RBUTTONDOWN, MK_RBUTTON, 0);
    EXPECT_EQ(ui.messages, std::vector<std::string>{search::kResetColoursQuestion});
    EXPECT_EQ(drawnColour(plain, search::col_name), RGB(0, 0, 128));
    EXPECT_EQ(text(IDC_LABEL_FINDSCOLOUR_FIRST + 1), "Külsőleg eltávolított");

    // A file removed outside turns grey at the next activation and counts no more.
    DeleteFileW((folder / L"c.tmp").c_str());
    page.activated();
    EXPECT_EQ(drawnColour(rowOf("c.tmp"), search::col_name), RGB(128, 128, 128));
    EXPECT_EQ(text(IDC_LABEL_FINDSELECT), "1 db\r\n1 bájt");
    pump();
}

}  // namespace
