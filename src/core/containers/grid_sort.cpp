#include "core/containers/grid_sort.h"

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

#include "core/containers/grid_format.h"
#include "base/text/collation.h"

namespace kefelo::containers {
namespace {
template <typename Row>
void sortByColumn(std::vector<Row>& rows, SortOrder order) {
    if (order.column < 0 || rows.size() < 2) return;
    // Each key is folded once, not at every comparison.
    std::vector<std::pair<std::string, Row>> keyed;
    keyed.reserve(rows.size());
    for (Row& row : rows) keyed.emplace_back(text::sortKey(cellText(row, order.column)), std::move(row));
    std::stable_sort(keyed.begin(), keyed.end(), [&](const auto& a, const auto& b) {
        return order.ascending ? a.first < b.first : b.first < a.first;
    });
    for (size_t i = 0; i < rows.size(); ++i) rows[i] = std::move(keyed[i].second);
}
}  // namespace

std::string cellText(const config::ContainerRow& row, int column) {
    switch (column) {
        case 0:
            return markText(row.mark);
        case 1:
            return row.modified;
        case 2:
            return row.path;
        default:
            return {};
    }
}

std::string cellText(const config::TaskRow& row, int column) {
    switch (column) {
        case 0:
            return markText(row.mark);
        case 1:
            return row.location;
        case 2:
            return row.masks;
        default:
            return {};
    }
}

void sortRows(config::ContainerGrid& grid, SortOrder order) { sortByColumn(grid.rows, order); }
void sortRows(config::TaskGrid& grid, SortOrder order) { sortByColumn(grid.rows, order); }

}  // namespace kefelo::containers
