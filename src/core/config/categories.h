#pragma once
// The temp-file categories: their names and the mask table the type lists are filled from.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace kefelo::config {

constexpr int kCategoryCount = 22;
constexpr int kFixedCategoryCount = 21;
// The user's own types are always the last category.
constexpr int kOwnTypesCategory = kCategoryCount - 1;

// Names as the category lists show them, in category order.
const std::array<std::string, kCategoryCount>& categoryNames();

// Masks of a fixed category, joined by "|", exactly as stored (upper case).
const std::string& fixedMaskLine(int category);

// One line per category: the 21 fixed lines, then the own-types line. The fixed lines
// never change; only the own-types line can be replaced.
class MaskTable {
public:
    MaskTable();
    explicit MaskTable(std::string ownTypes);

    int lineCount() const { return static_cast<int>(lines_.size()); }
    // The line of a category; an empty line for an index outside the table.
    const std::string& line(int category) const;
    const std::vector<std::string>& lines() const { return lines_; }

    const std::string& ownTypes() const { return lines_.back(); }
    void setOwnTypes(std::string ownTypes) { lines_.back() = std::move(ownTypes); }

private:
    std::vector<std::string> lines_;
};

// Splits a mask line the way the type lists are filled: pieces up to each "|", an empty
// piece between two bars kept, a trailing bar adding nothing ("" gives no piece).
std::vector<std::string> splitMaskLine(std::string_view line);

// A "|"-separated mask line as the folder walker takes it: masks separated by ", ".
std::string FileMask(std::string_view maskLine);

}  // namespace kefelo::config
