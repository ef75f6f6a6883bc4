#pragma once
// The walker's mask list: masks separated by commas, as in "*.tmp, *.bak".
#include <string>
#include <string_view>
#include <vector>

#include "core/search/mask.h"

namespace kefelo::search {

// Splits a mask list into its masks: leading blanks of each entry are dropped, trailing
// blanks trimmed, blanks inside kept; a comma at the very end adds no entry.
std::vector<std::string> parseMaskList(std::string_view fileMask);

class MaskList {
public:
    MaskList() = default;
    // Compiles every mask of the list; throws InvalidMask on the first bad one.
    explicit MaskList(std::string_view fileMask);

    // True when the name matches at least one mask; an empty list matches nothing.
    bool Matches(std::string_view fileName) const;
    size_t size() const { return masks_.size(); }

private:
    std::vector<TMask> masks_;
};

}  // namespace kefelo::search
