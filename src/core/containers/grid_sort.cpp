#include "core/containers/grid_sort.h"

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

#include "core/containers/grid_format.h"
#include "core/text/codec.h"

namespace kefelo::containers {
namespace {
// Accented letters of the code page sort with their base letter; the accent only breaks
// ties, so "Árvíz" comes before "Bor" and after "Arc".
char32_t baseLetter(char32_t c) {
    static constexpr std::pair<std::u32string_view, char> kBases[] = {
        {U"áâäăą", 'a'}, {U"ćčç", 'c'}, {U"ďđ", 'd'},  {U"éëěę", 'e'}, {U"íî", 'i'},   {U"ĺľł", 'l'}, {U"ńň", 'n'},
        {U"óôöő", 'o'},  {U"ŕř", 'r'},  {U"śšş", 's'}, {U"ťţ", 't'},   {U"úüűů", 'u'}, {U"ý", 'y'},   {U"źžż", 'z'},
    };
    if (c < 0x80) return c;
    for (const auto& [letters, base] : kBases) {
        if (letters.find(c) != std::u32string_view::npos) return static_cast<char32_t>(base);
    }
    return c;
}

std::string sortKey(std::string_view cell) {
    const std::string folded = text::lower(cell);
    std::string key;
    key.reserve(folded.size() * 2 + 1);
    size_t pos = 0;
    while (pos < folded.size()) text::appendUtf8(key, baseLetter(text::nextCodePoint(folded, pos)));
    key += '\0';
    key += folded;
    return key;
}

template <typename Row>
void sortByColumn(std::vector<Row>& rows, SortOrder order) {
    if (order.column < 0 || rows.size() < 2) return;
    // Each key is folded once, not at every comparison.
    std::vector<std::pair<std::string, Row>> keyed;
    keyed.reserve(rows.size());
    for (Row& row : rows) keyed.emplace_back(sortKey(cellText(row, order.column)), std::move(row));
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
