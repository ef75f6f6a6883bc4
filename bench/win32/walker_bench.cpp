// The walker against a bare listing of the same tree: how much the masks, records,
// events and message pumping cost on top of FindFirstFileExW/FindNextFileW. The masks are
// those of every category, as a directory start searches with.
// Usage: walker_bench [folder]   (the tree is made there once and reused)
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "bench_tree.h"
#include "core/config/categories.h"
#include "core/search/search_folders.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_ui_services.h"

namespace {

long bareWalk(const std::wstring& folder) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileExW((folder + L"\\*.*").c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr,
                                   FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) return 0;
    long entries = 0;
    do {
        ++entries;
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && wcscmp(data.cFileName, L".") != 0 &&
            wcscmp(data.cFileName, L"..") != 0)
            entries += bareWalk(folder + L"\\" + data.cFileName);
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return entries;
}

// The program's own pump, counted.
class CountingUi : public kefelo::platform::win32::Win32UiServices {
public:
    void pumpMessages() override {
        ++pumps;
        Win32UiServices::pumpMessages();
    }
    long pumps = 0;
};

double seconds(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring root = argc > 1 ? argv[1] : L"C:\\kefelo-bench";
    benchtree::makeTree(root);

    kefelo::platform::win32::Win32FileSystem fs;
    kefelo::platform::win32::Win32Clock clock;
    CountingUi ui;
    kefelo::search::TSearchFolders search(fs, clock, ui);
    search.ScanDir = kefelo::platform::win32::narrow(root);
    search.FileMask.clear();
    for (int category = 0; category < kefelo::config::kFixedCategoryCount; ++category) {
        if (!search.FileMask.empty()) search.FileMask += ", ";
        search.FileMask += kefelo::config::FileMask(kefelo::config::fixedMaskLine(category));
    }
    long folders = 0;
    search.OnProcess = [&folders](kefelo::search::TSearchFolders&, const std::string&, int64_t, int64_t) { ++folders; };

    double bestBare = 1e300, bestWalker = 1e300;
    long entries = 0;
    for (int round = 0; round < 7; ++round) {
        auto start = std::chrono::steady_clock::now();
        entries = bareWalk(root);
        bestBare = std::min(bestBare, seconds(start));

        folders = 0;
        start = std::chrono::steady_clock::now();
        search.Execute();
        bestWalker = std::min(bestWalker, seconds(start));
    }
    std::fprintf(stderr, "%ld entries, %ld folders, %lld matches, %ld pumps; bare %.3f s, walker %.3f s\n", entries,
                 folders, static_cast<long long>(search.CountFiles()), ui.pumps, bestBare, bestWalker);
    std::printf("walker_vs_bare_listing: %.3f\n", bestBare / bestWalker);
    return 0;
}
