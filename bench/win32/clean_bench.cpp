// A cleaning run against a bare loop that lists and deletes the same tree: what the log,
// the protection test, the attribute handling and the message pumping of a run cost.
// And the run's preview against a bare listing of that tree: what deciding each file as
// the run would and collecting the rows cost.
// Usage: clean_bench [folder]   (the tree is made anew before every timing)
#include <windows.h>

#include <algorithm>
#include <optional>
#include <chrono>
#include <cstdio>
#include <string>

#include "core/app/command_line.h"
#include "core/cleaning/autodel_operations.h"
#include "core/cleaning/cleaning_run.h"
#include "core/cleaning/log_files.h"
#include "core/cleaning/recording_host.h"
#include "core/cleaning/run_record.h"
#include "core/config/config_model.h"
#include "core/search/search_folders.h"
#include "platform/platform.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_ui_services.h"

namespace {

using namespace kefelo;

constexpr int kTopFolders = 50;
constexpr int kSubFolders = 9;  // 50 + 50 * 9 = 500 folders
constexpr int kFilesPerFolder = 100;  // 50 000 files

void fillFolder(const std::wstring& folder) {
    CreateDirectoryW(folder.c_str(), nullptr);
    for (int i = 0; i < kFilesPerFolder; ++i) {
        std::wstring name = folder + L"\\temp_" + std::to_wstring(i) + L".tmp";
        HANDLE h = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) continue;
        DWORD written = 0;
        WriteFile(h, "temporary", 9, &written, nullptr);
        CloseHandle(h);
    }
}

void makeTree(const std::wstring& root) {
    CreateDirectoryW(root.c_str(), nullptr);
    for (int t = 0; t < kTopFolders; ++t) {
        const std::wstring top = root + L"\\top" + std::to_wstring(t);
        fillFolder(top);
        for (int s = 0; s < kSubFolders; ++s) fillFolder(top + L"\\sub" + std::to_wstring(s));
    }
}

// The least a cleaner must do: list every folder, delete its files, remove its folders.
void bareDelete(const std::wstring& folder, bool removeSelf) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileExW((folder + L"\\*.*").c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr,
                                   FIND_FIRST_EX_LARGE_FETCH);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (wcscmp(data.cFileName, L".") == 0 || wcscmp(data.cFileName, L"..") == 0) continue;
            const std::wstring path = folder + L"\\" + data.cFileName;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                bareDelete(path, true);
            } else {
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    if (removeSelf) RemoveDirectoryW(folder.c_str());
}

// The least a preview must do: list every folder of the tree.
long bareList(const std::wstring& folder) {
    long files = 0;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileExW((folder + L"\\*.*").c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr,
                                   FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) return 0;
    do {
        if (wcscmp(data.cFileName, L".") == 0 || wcscmp(data.cFileName, L"..") == 0) continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            files += bareList(folder + L"\\" + data.cFileName);
        } else {
            ++files;
        }
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return files;
}

double seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

class PumpCountingUi : public platform::win32::Win32UiServices {
public:
    long pumps = 0;
    void pumpMessages() override {
        ++pumps;
        Win32UiServices::pumpMessages();
    }
};

// One cleaning run over the tree, wired as the main window wires it; with `preview` only
// its preview, which leaves the tree as it is.
double timedRun(const std::string& root, const std::string& programDir, long& pumps, int64_t& deleted,
                bool preview = false) {
    platform::win32::Win32FileSystem fs;
    platform::win32::Win32SystemInfo sys;
    platform::win32::Win32Registry registry;
    platform::win32::Win32Clock clock;
    platform::win32::Win32Shell shell;
    PumpCountingUi ui;
    platform::win32::Win32Clipboard clipboard;
    platform::Platform platform{fs, sys, registry, clock, ui, clipboard};

    config::ConfigModel model;
    model.list_temps.rows.front() = {config::Mark::Active, "", root};
    model.check_viewalerts = true;
    model.check_deleteemptyfolder = true;
    app::CommandLine commandLine;
    cleaningtest::RecordingHost host;  // a visible window that only remembers what it was told
    search::TSearchFolders Search{platform};
    cleaning::RunRecord record{[&] { return cleaning::nowTexts(clock, sys); }};
    cleaning::AutodelOperations autodel(cleaning::AutodelEnv{fs, sys, ui, shell, registry, record.batch, record.log, programDir,
                                                             [] { return true; }});
    cleaning::CleaningRun run(cleaning::CleaningRunContext{platform, model, Search, commandLine, host, host, host,
                                                           record, autodel, programDir, "3.2.1.0", true});
    Search.OnProcess = [&](search::TSearchFolders& s, const std::string& d, int64_t, int64_t) {
        if (s.Tag == app::Activity::Cleaning) run.SearchFoldersProcess(d);
    };
    Search.OnChanged = [&](search::TSearchFolders& s, int64_t, int64_t) {
        if (s.Tag == app::Activity::Cleaning) run.SearchFoldersChanged(s);
    };

    const auto start = std::chrono::steady_clock::now();
    if (preview) {
        const std::optional<cleaning::RunPreview> found = run.previewRun();
        const double elapsed = seconds(std::chrono::steady_clock::now() - start);
        deleted = found ? static_cast<int64_t>(found->files.size()) : -1;
        return elapsed;
    }
    run.button_begincleanClick();
    const double elapsed = seconds(std::chrono::steady_clock::now() - start);
    pumps = ui.pumps;
    deleted = static_cast<int64_t>(record.log.lines().size());
    return elapsed;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring root = argc > 1 ? argv[1] : L"C:\\kefelo-clean-bench";
    const std::wstring container = root + L"\\container";
    const std::wstring programDir = root + L"\\program";
    CreateDirectoryW(root.c_str(), nullptr);
    CreateDirectoryW(programDir.c_str(), nullptr);

    constexpr int kRounds = 2;
    double bestBare = 1e9, bestRun = 1e9;
    long pumps = 0;
    int64_t logLines = 0;
    double bestList = 1e9, bestPreview = 1e9;
    long listed = 0;
    int64_t previewed = 0;
    long unused = 0;
    for (int round = 0; round < kRounds; ++round) {
        makeTree(container);
        // The listing first, on a tree no timing has touched yet, then the preview: both
        // read what the system has cached alike.
        bareList(container);
        for (int pass = 0; pass < 2; ++pass) {
            auto listStart = std::chrono::steady_clock::now();
            listed = bareList(container);
            bestList = std::min(bestList, seconds(std::chrono::steady_clock::now() - listStart));
            bestPreview = std::min(bestPreview, timedRun(platform::win32::narrow(container),
                                                         platform::win32::narrow(programDir) + "\\", unused,
                                                         previewed, true));
        }
        auto start = std::chrono::steady_clock::now();
        bareDelete(container, false);
        bestBare = std::min(bestBare, seconds(std::chrono::steady_clock::now() - start));

        makeTree(container);
        bestRun = std::min(bestRun, timedRun(platform::win32::narrow(container), platform::win32::narrow(programDir) + "\\",
                                             pumps, logLines));
    }
    std::fprintf(stderr, "%d files in %d folders; bare %.3f s, run %.3f s, %ld pumps, %lld log lines\n",
                 kTopFolders * (kSubFolders + 1) * kFilesPerFolder, kTopFolders * (kSubFolders + 1), bestBare, bestRun,
                 pumps, static_cast<long long>(logLines));
    std::printf("clean_vs_bare_delete: %.3f\n", bestBare / bestRun);
    // What a preview costs before its first file: judging the locations (the guarded
    // system folders are looked up and opened), over an empty container.
    int64_t none = 0;
    const double fixed = timedRun(platform::win32::narrow(programDir), platform::win32::narrow(programDir) + "\\",
                                  unused, none, true);
    std::fprintf(stderr, "listing %ld files %.3f s, preview of %lld files %.3f s (%.3f s of it before any file)\n",
                 listed, bestList, static_cast<long long>(previewed), bestPreview, fixed);
    std::printf("preview_vs_bare_listing: %.3f\n", bestList / bestPreview);
    return 0;
}
