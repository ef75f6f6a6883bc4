// Time to test one file name against the masks of the first temp-file category, the way
// the walker tests every name of a walk.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "core/search/mask_list.h"

namespace {

// Names of the kinds a system drive holds: program files, documents, profile clutter,
// a few temporary files.
std::vector<std::string> sampleNames() {
    const char* stems[] = {"setup",        "kernel32",
                           "Document1",    "IMG_20240612_101530",
                           "~WRL0001",     "index",
                           "a.b.c",        "README",
                           "msvcp140",     "Thumbs",
                           "desktop",      "ntuser",
                           "~$jelentés",   "értékelés_2025",
                           "photo.backup", "AcroRd32",
                           "log",          "x"};
    const char* extensions[] = {".dll", ".exe", ".docx", ".jpg", ".tmp", ".html", ".txt", "",     ".ini",
                                ".db",  ".dat", ".log",  ".bak", ".sys", ".png",  ".js",  ".$$$", ".ba~"};
    std::vector<std::string> names;
    for (const char* stem : stems)
        for (const char* ext : extensions) names.push_back(std::string(stem) + ext);
    return names;
}

}  // namespace

int main() {
    const kefelo::search::MaskList masks(
        "*.TMP, *.TEMP, *.$$$, *.FND, *.~MP, *.~*, ~*.*, *.??~, *.??$, *.^*, *.*~, *.___, *._DD, *._MP");
    const std::vector<std::string> names = sampleNames();

    double best = 1e300;
    size_t hits = 0;
    for (int round = 0; round < 7; ++round) {
        const int repeats = 2000;
        hits = 0;
        const auto start = std::chrono::steady_clock::now();
        for (int r = 0; r < repeats; ++r)
            for (const std::string& name : names) hits += masks.Matches(name);
        const std::chrono::duration<double, std::nano> elapsed = std::chrono::steady_clock::now() - start;
        best = std::min(best, elapsed.count() / (static_cast<double>(repeats) * names.size()));
    }
    if (hits == 0) std::fprintf(stderr, "no name matched: the sample is wrong\n");
    std::printf("mask_match_ns: %.1f\n", best);
    return 0;
}
