// Sorting the found-files list: 50 000 rows, the result of a large search, by size. The
// filling of the list from the walk's records is shown beside it.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "core/config/protected_names.h"
#include "core/search/found_files.h"
#include "core/search/found_files_sort.h"
#include "platform/fake/fake_system.h"

namespace {

constexpr size_t kRows = 50'000;

std::vector<kefelo::search::TFilePack> sampleMatches(size_t rows) {
    std::mt19937_64 random(7);
    const char* extensions[] = {".tmp", ".bak", ".old", ".chk", ".log", ".$$$", ".~mp"};
    std::vector<kefelo::search::TFilePack> matches;
    matches.reserve(rows);
    for (size_t i = 0; i < rows; ++i) {
        kefelo::search::TFilePack pack;
        pack.Folder = "C:\\Users\\user\\AppData\\Local\\Temp\\folder" + std::to_string(i / 40) + "\\";
        pack.Name = "file_" + std::to_string(random() % 100000) + extensions[i % std::size(extensions)];
        pack.Size = static_cast<int64_t>(random() % 5'000'000'000ULL);
        pack.Attr = 0x20;
        pack.LastWriteUtc = 133'000'000'000'000'000LL + static_cast<int64_t>(random() % 100'000'000'000'000ULL);
        matches.push_back(std::move(pack));
    }
    return matches;
}

double bestMs(const std::vector<kefelo::search::TFilePack>& matches, int column) {
    kefelo::platform::fake::FakeClock clock;
    const kefelo::config::ProtectionTest none({});
    double best = 1e300;
    for (int round = 0; round < 5; ++round) {
        kefelo::search::FoundFiles files;
        files.fill(matches, none, clock);
        const auto start = std::chrono::steady_clock::now();
        kefelo::search::sortFoundFiles(files, {column, true});
        const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
        best = std::min(best, elapsed.count());
        if (column == kefelo::search::col_size && files.row(0).size > files.row(files.size() - 1).size)
            std::fprintf(stderr, "not sorted\n");
    }
    return best;
}

}  // namespace

int main() {
    const std::vector<kefelo::search::TFilePack> matches = sampleMatches(kRows);
    {
        std::vector<kefelo::search::TFilePack> many = sampleMatches(10 * kRows);
        kefelo::platform::fake::FakeClock clock;
        kefelo::search::FoundFiles files;
        const auto start = std::chrono::steady_clock::now();
        files.fill(std::move(many), kefelo::config::ProtectionTest({"data.bak", "opa11.bak", "readme.txt"}), clock);
        const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
        std::fprintf(stderr, "filling %zu rows: %.1f ms\n", files.size(), elapsed.count());
    }
    std::fprintf(stderr, "by name %.1f ms, by folder %.1f ms, by date %.1f ms\n",
                 bestMs(matches, kefelo::search::col_name), bestMs(matches, kefelo::search::col_folder),
                 bestMs(matches, kefelo::search::col_date));
    std::printf("sort_50k_ms: %.1f\n", bestMs(matches, kefelo::search::col_size));
    return 0;
}
