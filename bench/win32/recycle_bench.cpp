// Sending 5 000 small files to the Recycle Bin, in the run's batches, against deleting
// them for good. Under Wine the bin is the Linux trash, so the script points
// XDG_DATA_HOME into the build folder; without that sandbox nothing is measured.
// Usage: recycle_bench [folder]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "core/search/recycle_batch.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_shell.h"

namespace {

using namespace kefelo;

constexpr int kFiles = 5000;

std::wstring fileName(const std::wstring& folder, int i) { return folder + L"\\small_" + std::to_wstring(i) + L".tmp"; }

void makeFiles(const std::wstring& folder) {
    CreateDirectoryW(folder.c_str(), nullptr);
    for (int i = 0; i < kFiles; ++i) {
        HANDLE h = CreateFileW(fileName(folder, i).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) continue;
        DWORD written = 0;
        WriteFile(h, "temporary", 9, &written, nullptr);
        CloseHandle(h);
    }
}

double seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

}  // namespace

int wmain(int argc, wchar_t** argv) {
    wchar_t data[4096];
    const DWORD length = GetEnvironmentVariableW(L"XDG_DATA_HOME", data, 4096);
    const bool underWine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    if (underWine && (length == 0 || length >= 4096 || !wcsstr(data, L"recycle-sandbox"))) {
        std::fprintf(stderr, "XDG_DATA_HOME is no sandbox: the real trash is left alone\n");
        std::printf("recycle_vs_delete: skipped\n");
        return 0;
    }
    const std::wstring folder = argc > 1 ? argv[1] : L"C:\\kefelo-recycle-bench";

    makeFiles(folder);
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kFiles; ++i) DeleteFileW(fileName(folder, i).c_str());
    const double deleting = seconds(std::chrono::steady_clock::now() - start);

    makeFiles(folder);
    platform::win32::Win32Shell shell;
    int recycled = 0;
    search::RecycleBatch batch(shell, [&](const search::RecycleBatch::Item&, platform::Recycling outcome) {
        recycled += outcome == platform::Recycling::Recycled ? 1 : 0;
    });
    start = std::chrono::steady_clock::now();
    for (int i = 0; i < kFiles; ++i) batch.add({platform::win32::narrow(fileName(folder, i)), 9, 0});
    batch.flush();
    const double recycling = seconds(std::chrono::steady_clock::now() - start);
    RemoveDirectoryW(folder.c_str());

    std::fprintf(stderr, "%d files: delete %.3f s, recycle %.3f s (%d taken by the bin, batches of %zu)\n", kFiles,
                 deleting, recycling, recycled, search::RecycleBatch::kBatchSize);
    std::printf("recycle_vs_delete: %.3f\n", deleting / std::max(recycling, 1e-9));
    return 0;
}
