#include "core/search/found_files_sort.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <string>
#include <vector>

#include "base/text/collation.h"

namespace kefelo::search {
namespace {

template <typename Key>
std::vector<uint32_t> orderBy(const std::vector<Key>& keys, bool ascending) {
    std::vector<uint32_t> order(keys.size());
    std::iota(order.begin(), order.end(), 0u);
    if (ascending) {
        std::stable_sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) { return keys[a] < keys[b]; });
    } else {
        std::stable_sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) { return keys[b] < keys[a]; });
    }
    return order;
}

// Folders are few and shared by many rows: each gets a rank by its text once.
std::vector<uint32_t> folderRanks(const FoundFiles& files) {
    std::vector<std::string> keys(files.folderCount());
    for (uint32_t f = 0; f < keys.size(); ++f) keys[f] = text::sortKey(files.folder(f));
    const std::vector<uint32_t> byText = orderBy(keys, true);
    std::vector<uint32_t> rank(keys.size());
    uint32_t current = 0;
    for (size_t i = 0; i < byText.size(); ++i) {
        if (i > 0 && keys[byText[i]] != keys[byText[i - 1]]) ++current;
        rank[byText[i]] = current;
    }
    return rank;
}

}  // namespace

void sortFoundFiles(FoundFiles& files, config::SortOrder order) {
    const size_t n = files.size();
    if (order.column < 0 || n < 2) return;
    std::vector<uint32_t> sorted;
    switch (order.column) {
        case col_size: {
            std::vector<int64_t> keys(n);
            for (size_t i = 0; i < n; ++i) keys[i] = files.row(i).size;
            sorted = orderBy(keys, order.ascending);
            break;
        }
        case col_date: {
            // The cells show dates only, so rows of one day stay in their order.
            std::vector<double> keys(n);
            for (size_t i = 0; i < n; ++i) keys[i] = std::floor(files.row(i).modified);
            sorted = orderBy(keys, order.ascending);
            break;
        }
        case col_folder: {
            const std::vector<uint32_t> rank = folderRanks(files);
            std::vector<uint32_t> keys(n);
            for (size_t i = 0; i < n; ++i) keys[i] = rank[files.row(i).folder];
            sorted = orderBy(keys, order.ascending);
            break;
        }
        default: {
            std::vector<std::string> keys(n);
            for (size_t i = 0; i < n; ++i) keys[i] = text::sortKey(files.cellText(i, order.column));
            sorted = orderBy(keys, order.ascending);
            break;
        }
    }
    files.reorder(sorted);
}

bool FoundFilesSorting::titleClick(FoundFiles& files, int column, bool rightButton) {
    if (column < 0 || column >= kFoundColumnCount || files.size() < 2) return false;
    order_ = rightButton ? config::SortOrder{column, false} : order_.afterClickOn(column);
    sortFoundFiles(files, order_);
    return true;
}

}  // namespace kefelo::search
