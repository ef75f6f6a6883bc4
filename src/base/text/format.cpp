#include "base/text/format.h"

#include <charconv>

namespace kefelo::text {

std::string Ezredel(std::string_view digits) {
    std::string out;
    out.reserve(digits.size() + digits.size() / 3);
    for (size_t i = 0; i < digits.size(); ++i) {
        size_t right = digits.size() - i;
        if (i > 0 && right % 3 == 0) out.push_back('.');
        out.push_back(digits[i]);
    }
    return out;
}

std::string toDecimal(int64_t value) { return std::to_string(value); }

bool parseDecimal(std::string_view text, int64_t& value) {
    if (text.empty()) return false;
    size_t start = (text[0] == '+') ? 1 : 0;
    if (start == text.size()) return false;
    auto res = std::from_chars(text.data() + start, text.data() + text.size(), value);
    return res.ec == std::errc() && res.ptr == text.data() + text.size();
}

}  // namespace kefelo::text
