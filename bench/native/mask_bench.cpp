// Time to test one file name against masks, the way the walker tests every name of a walk:
// the first temp-file category through the general matcher alone (mask_match_ns), and
// every category together through the compiled mask set a search uses
// (mask_all_categories_ns).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "core/config/categories.h"
#include "core/search/compiled_mask_set.h"
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

// Best nanoseconds per name over several rounds.
template <typename Masks>
double nsPerName(const Masks& masks, const std::vector<std::string>& names, size_t& hits) {
    double best = 1e300;
    for (int round = 0; round < 7; ++round) {
        const int repeats = 2000;
        hits = 0;
        const auto start = std::chrono::steady_clock::now();
        for (int r = 0; r < repeats; ++r)
            for (const std::string& name : names) hits += masks.Matches(name);
        const std::chrono::duration<double, std::nano> elapsed = std::chrono::steady_clock::now() - start;
        best = std::min(best, elapsed.count() / (static_cast<double>(repeats) * names.size()));
    }
    return best;
}

// What a directory start searches for: every mask of every fixed category.
std::string everyCategory() {
    std::string masks;
    for (int category = 0; category < kefelo::config::kFixedCategoryCount; ++category) {
        if (!masks.empty()) masks += ", ";
        masks += kefelo::config::FileMask(kefelo::config::fixedMaskLine(category));
    }
    return masks;
}

}  // namespace

int main() {
    const std::vector<std::string> names = sampleNames();
    size_t hits = 0;

    const kefelo::search::MaskList firstCategory(kefelo::config::FileMask(kefelo::config::fixedMaskLine(0)));
    const double oneCategory = nsPerName(firstCategory, names, hits);
    if (hits == 0) std::fprintf(stderr, "no name matched: the sample is wrong\n");

    const std::string all = everyCategory();
    const kefelo::search::CompiledMaskSet compiled(all);
    const kefelo::search::MaskList plain(all);
    size_t plainHits = 0;
    const double allCategories = nsPerName(compiled, names, hits);
    const double allPlain = nsPerName(plain, names, plainHits);
    if (hits != plainHits) std::fprintf(stderr, "the compiled set disagrees with the plain masks\n");
    std::fprintf(stderr, "%zu masks; every category through the plain matcher: %.1f ns\n", plain.size(), allPlain);

    std::printf("mask_match_ns: %.1f\n", oneCategory);
    std::printf("mask_all_categories_ns: %.1f\n", allCategories);
    return hits == plainHits ? 0 : 1;
}
