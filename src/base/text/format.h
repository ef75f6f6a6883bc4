#pragma once
// Number and date helpers shared by every page that shows counts, sizes and dates.
#include <cstdint>
#include <string>
#include <string_view>

namespace kefelo::text {

// Thousands grouping of a decimal digit string: a "." before every character that has a
// positive multiple of three characters to its right ("1234567" -> "1.234.567").
std::string Ezredel(std::string_view digits);

// Decimal text of an integer, as the interval editors and counters show it.
std::string toDecimal(int64_t value);
// Parses a whole decimal integer (optional sign, nothing else); false on anything else.
bool parseDecimal(std::string_view text, int64_t& value);

}  // namespace kefelo::text
