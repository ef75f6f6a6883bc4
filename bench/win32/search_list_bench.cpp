// From the end of a search that found 50 000 of 200 000 files to the found-files list
// shown and scrollable: the search page over the real walk of walker_bench's tree, timed
// from the walk's end event through the filling of the list, the virtual list's count,
// the paint, and one scroll to the top painted again. Needs a display (Xvfb will do).
// Usage: search_list_bench [folder]   (the tree is made there once and reused)
#include <windows.h>
// After windows.h.
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "bench_tree.h"
#include "core/app/null_views.h"
#include "core/config/config_model.h"
#include "core/search/search_page_model.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_ui_services.h"
#include "ui/search/search_page.h"
#include "ui/search/search_page_ids.h"

using namespace kefelo;

namespace {

// A message box would wait for a user that a benchmark does not have.
class QuietUi : public platform::win32::Win32UiServices {
public:
    platform::Answer message(platform::MessageKind, platform::Buttons, const std::string& text) override {
        std::fprintf(stderr, "message: %s\n", text.c_str());
        return platform::Answer::Ok;
    }
};

HWND findControl(HWND root, int id) {
    for (HWND child = GetWindow(root, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetDlgCtrlID(child) == id) return child;
        if (HWND found = findControl(child, id)) return found;
    }
    return nullptr;
}

double msSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring root = argc > 1 ? argv[1] : L"C:\\kefelo-bench";
    benchtree::makeTree(root);

    platform::win32::Win32FileSystem files;
    platform::win32::Win32SystemInfo sys;
    platform::win32::Win32Registry registry;
    platform::win32::Win32Clock clock;
    platform::win32::Win32Clipboard clipboard;
    QuietUi ui;
    platform::Platform platform{files, sys, registry, clock, ui, clipboard};
    config::ConfigModel config;
    config.edit_searchpath.items = {std::string(config::kBrowseItem)};
    config::MaskTable masks;
    config::TypeLists lists{masks, ui};
    // A quarter of every folder's hundred files: "file_0" .. "file_24".
    lists.list_searchext.items = {{"file_?.*", true}, {"file_1?.*", true}, {"file_2[0-4].*", true}};
    app::CommandLine commandLine;
    search::TSearchFolders walker{platform};
    apptest::NullStatusLine status;
    apptest::NullMainFrame frame;
    ui::SearchPage page;
    search::SearchPageModel model(
        search::SearchContext{platform, config, lists, walker, commandLine, page.view(), status, frame, "3.2.1.0"});

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"KefeloSearchListBench";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(0, wc.lpszClassName, L"search_list_bench", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0,
                                  0, config::kMainWindowMinWidth, config::kMainWindowMinHeight, nullptr, nullptr,
                                  wc.hInstance, nullptr);
    RECT client{};
    GetClientRect(window, &client);
    HWND pageArea = CreateWindowExW(WS_EX_CONTROLPARENT, wc.lpszClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                                    0, 0, client.right, client.bottom, window, nullptr, wc.hInstance, nullptr);
    if (!window || !pageArea ||
        !page.create(wc.hInstance, pageArea, model, lists, {status, [] { return true; }, [] {}, {}})) {
        // Not a failure of the program: the other benchmarks of the run go on.
        std::printf("search_list_ms: no display\n");
        return 0;
    }
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    HWND list = findControl(page.hwnd(), IDC_LIST_FINDS);

    auto endOfWalk = std::chrono::steady_clock::now();
    walker.OnChanged = [&](search::TSearchFolders& w, int64_t, int64_t) {
        if (w.Tag != app::Activity::FileSearch) return;
        endOfWalk = std::chrono::steady_clock::now();
        model.SearchFoldersChanged();
    };

    double best = 1e300;
    for (int round = 0; round < 5; ++round) {
        model.location.setText(platform::win32::narrow(root));
        model.button_searchbeginClick();
        // The list on screen, then scrolled from its last row (the current one) to the top.
        RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        SendMessageW(list, WM_VSCROLL, SB_TOP, 0);
        UpdateWindow(list);
        best = std::min(best, msSince(endOfWalk));
        if (round == 0) {
            std::fprintf(stderr, "%zu files listed of %lld walked, %d rows in the list\n", model.found.size(),
                         static_cast<long long>(walker.CountFiles()), ListView_GetItemCount(list));
        }
        model.button_searchhaltClick();  // "Visszalépés": back to the settings, the list emptied
    }
    std::printf("search_list_ms: %.0f\n", best);
    DestroyWindow(window);
    return 0;
}
