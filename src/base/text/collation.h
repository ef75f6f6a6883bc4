#pragma once
// The order in which grids sort text: letter case ignored, and accented letters of the
// code page next to their base letter, so "Árvíz" sorts after "Arc" and before "Bor".
#include <string>
#include <string_view>

namespace kefelo::text {

// A key whose byte order is that order; the accents only break ties.
std::string sortKey(std::string_view utf8);

}  // namespace kefelo::text
