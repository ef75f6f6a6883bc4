// Packing 200 text files of 100 KB through the program's archive writer against deflating
// the same bytes with zlib's compress2 at the same level: what the archive format, the
// CRCs and the file reading cost on top of the compression itself.
// Usage: zip_vs_zlib_bench [folder]
#include <windows.h>
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "core/search/zip_rules.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_zip_archives.h"

namespace {

using namespace kefelo;

constexpr int kFiles = 200;
constexpr size_t kFileSize = 100 * 1024;
constexpr int kLevel = 6;  // deflate's normal level, as the archive writer uses it

// Text of words in a repeatable order, compressing about as well as real logs and notes.
std::string makeText(unsigned seed) {
    static const char* const words[] = {"alma",    "körte",   "szilva", "barack", "dió",      "mogyoró", "ablak",
                                        "fájl",    "mappa",   "lemez",  "törlés", "átmeneti", "napló",   "hiba",
                                        "rendben", "keresés", "2026",   "12:00",  "C:\\Temp", "kész"};
    std::string text;
    unsigned state = seed * 2654435761u + 1;
    while (text.size() < kFileSize) {
        state = state * 1103515245u + 12345u;
        text += words[(state >> 16) % (sizeof words / sizeof *words)];
        text += (state >> 8) % 11 == 0 ? "\r\n" : " ";
    }
    text.resize(kFileSize);
    return text;
}

double seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring root = argc > 1 ? argv[1] : L"C:\\kefelo-zip-bench";
    const std::string rootUtf8 = platform::win32::narrow(root);
    CreateDirectoryW(root.c_str(), nullptr);
    std::vector<std::string> contents, paths;
    for (int i = 0; i < kFiles; ++i) {
        contents.push_back(makeText(static_cast<unsigned>(i)));
        paths.push_back(rootUtf8 + "\\file" + std::to_string(i) + ".txt");
        HANDLE file = CreateFileW(platform::win32::widen(paths.back()).c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        WriteFile(file, contents.back().data(), static_cast<DWORD>(contents.back().size()), &written, nullptr);
        CloseHandle(file);
    }

    platform::win32::Win32ZipArchives archives;
    const std::string archivePath = rootUtf8 + "\\bench.zip";
    double bestZip = 1e9, bestZlib = 1e9;
    uint64_t zipBytes = 0, zlibBytes = 0;
    // The best of five: the machine may be busy with other work.
    for (int round = 0; round < 5; ++round) {
        auto start = std::chrono::steady_clock::now();
        auto writer = archives.create(archivePath);
        for (const std::string& path : paths) writer->addFile(path, *search::zipEntryName(path));
        const auto result = writer->close([](double) { return true; }, [](size_t n) { return std::to_string(n); });
        bestZip = std::min(bestZip, seconds(std::chrono::steady_clock::now() - start));
        if (!result.ok) {
            std::fprintf(stderr, "the archive could not be written\n");
            return 1;
        }
        WIN32_FILE_ATTRIBUTE_DATA data{};
        GetFileAttributesExW(platform::win32::widen(archivePath).c_str(), GetFileExInfoStandard, &data);
        zipBytes = data.nFileSizeLow;

        start = std::chrono::steady_clock::now();
        uint64_t total = 0;
        for (const std::string& text : contents) {
            uLongf size = compressBound(static_cast<uLong>(text.size()));
            std::vector<Bytef> out(size);
            compress2(out.data(), &size, reinterpret_cast<const Bytef*>(text.data()), static_cast<uLong>(text.size()),
                      kLevel);
            total += size;
        }
        bestZlib = std::min(bestZlib, seconds(std::chrono::steady_clock::now() - start));
        zlibBytes = total;
    }
    for (const std::string& path : paths) DeleteFileW(platform::win32::widen(path).c_str());
    DeleteFileW(platform::win32::widen(archivePath).c_str());
    RemoveDirectoryW(root.c_str());

    std::fprintf(stderr, "%d files of %zu bytes; archive %.3f s (%llu bytes), compress2 %.3f s (%llu bytes)\n", kFiles,
                 kFileSize, bestZip, static_cast<unsigned long long>(zipBytes), bestZlib,
                 static_cast<unsigned long long>(zlibBytes));
    std::printf("zip_vs_zlib: %.3f\n", bestZlib / bestZip);
    return 0;
}
