#include "base/text/collation.h"

#include <utility>

#include "base/text/codec.h"

namespace kefelo::text {
namespace {

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

}  // namespace

std::string sortKey(std::string_view utf8) {
    const std::string folded = lower(utf8);
    std::string key;
    key.reserve(folded.size() * 2 + 1);
    size_t pos = 0;
    while (pos < folded.size()) appendUtf8(key, baseLetter(nextCodePoint(folded, pos)));
    key += '\0';
    key += folded;
    return key;
}

}  // namespace kefelo::text
