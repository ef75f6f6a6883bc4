#pragma once
// The tree the walker benchmarks search: 2000 folders of 100 files each (200 000 files),
// the names "file_0" .. "file_99" with fourteen extensions in turn. Made once and reused.
#include <windows.h>

#include <cstdio>
#include <iterator>
#include <string>

namespace benchtree {

inline constexpr int kTopFolders = 40;
inline constexpr int kSubFolders = 49;  // 40 + 40 * 49 = 2000 folders
inline constexpr int kFilesPerFolder = 100;

inline const wchar_t* const kExtensions[] = {L".dll", L".txt", L".jpg", L".tmp", L".html", L".docx", L".ini",
                                             L".bak", L".log", L".png", L".dat", L".exe",  L".js",   L".css"};

inline void fillFolder(const std::wstring& folder) {
    CreateDirectoryW(folder.c_str(), nullptr);
    for (int i = 0; i < kFilesPerFolder; ++i) {
        std::wstring name = folder + L"\\file_" + std::to_wstring(i) + kExtensions[i % std::size(kExtensions)];
        HANDLE h = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
}

inline void makeTree(const std::wstring& root) {
    const std::wstring marker = root + L"\\tree-complete";
    if (GetFileAttributesW(marker.c_str()) != INVALID_FILE_ATTRIBUTES) return;
    std::fprintf(stderr, "creating the tree...\n");
    CreateDirectoryW(root.c_str(), nullptr);
    for (int t = 0; t < kTopFolders; ++t) {
        const std::wstring top = root + L"\\top" + std::to_wstring(t);
        fillFolder(top);
        for (int s = 0; s < kSubFolders; ++s) fillFolder(top + L"\\sub" + std::to_wstring(s));
    }
    HANDLE h = CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
}

}  // namespace benchtree
