// Compiles arbitrary mask text and matches it against names taken from the same input,
// checking the matcher against a slow, obviously correct one: a table over every
// (mask element, name position) pair. The first line read as a mask list, alone and
// together with masks of the temp-file categories, checks the compiled mask set against
// the plain list of masks.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/search/compiled_mask_set.h"
#include "core/search/mask.h"
#include "core/search/mask_list.h"
#include "base/text/codec.h"

using kefelo::search::CompiledMaskSet;
using kefelo::search::InvalidMask;
using kefelo::search::MaskList;
using kefelo::search::TMask;

namespace {

struct Element {
    enum Kind { Literal, Any, Set, End } kind = Literal;
    bool star = false;
    bool negate = false;
    char32_t literal = 0;
    std::vector<std::pair<char32_t, char32_t>> ranges;
};

char32_t up(char32_t c) { return c >= 'a' && c <= 'z' ? c - 32 : c; }

std::vector<char32_t> decode(std::string_view s) {
    std::vector<char32_t> out;
    for (size_t pos = 0; pos < s.size();) out.push_back(kefelo::text::nextCodePoint(s, pos));
    return out;
}

// Only called for masks the real compiler accepted.
std::vector<Element> elementsOf(std::string_view text) {
    std::vector<char32_t> m = decode(text);
    std::vector<Element> out;
    bool star = false;
    for (size_t i = 0; i < m.size(); ++i) {
        Element e;
        if (m[i] == '*') {
            star = true;
            continue;
        }
        if (m[i] == '?') {
            if (star) continue;
            e.kind = Element::Any;
        } else if (m[i] == '[') {
            e.kind = Element::Set;
            size_t j = i + 1;
            if (m[j] == '!') e.negate = true, ++j;
            char32_t start = 0;
            while (m[j] != ']') {
                if (m[j] == '-') {
                    e.ranges.emplace_back(start, up(m[j + 1]));
                    j += 2;
                } else {
                    start = up(m[j]);
                    e.ranges.emplace_back(start, start);
                    ++j;
                }
            }
            i = j;
        } else {
            e.literal = up(m[i]);
        }
        e.star = star;
        star = false;
        out.push_back(e);
    }
    Element end;
    end.kind = Element::End;
    end.star = star;
    out.push_back(end);
    return out;
}

bool accepts(const Element& e, char32_t c) {
    if (e.kind == Element::Any) return true;
    if (e.kind == Element::Literal) return up(c) == e.literal;
    bool in = false;
    for (auto [from, to] : e.ranges) in = in || (up(c) >= from && up(c) <= to);
    return in != e.negate;
}

bool referenceMatch(const std::vector<Element>& elems, std::string_view rawName) {
    std::vector<char32_t> name;
    const size_t lastDot = rawName.rfind('.');
    std::string folded;
    for (size_t i = 0; i < rawName.size(); ++i)
        if (rawName[i] != '.' || i == lastDot) folded += rawName[i];
    name = decode(folded);
    const size_t len = name.size();
    // next[j]: elements after the current one match name[j..].
    std::vector<char> next(len + 1, 0), cur(len + 1, 0);
    for (size_t i = elems.size(); i-- > 0;) {
        const Element& e = elems[i];
        for (size_t j = len + 1; j-- > 0;) {
            bool here = e.kind == Element::End ? j == len : j < len && accepts(e, name[j]) && next[j + 1];
            cur[j] = here || (e.star && j < len && cur[j + 1]);
        }
        std::swap(cur, next);
    }
    return next[0];
}

// Names reach the matcher from the file system and masks from edit boxes, both as valid
// UTF-8; malformed bytes are turned into U+FFFD first, as the program's conversions do.
std::string wellFormed(std::string_view raw) {
    std::string out;
    for (size_t pos = 0; pos < raw.size();) kefelo::text::appendUtf8(out, kefelo::text::nextCodePoint(raw, pos));
    return out;
}

std::string withoutWildcards(std::string_view mask) {
    std::string out;
    for (char c : mask)
        if (c != '*' && c != '?' && c != '[' && c != ']' && c != '!') out += c;
    return out;
}

// Masks of the kinds the categories hold, so that the set's quick paths meet the input.
constexpr const char* kCategoryMasks = "*.TMP, ~*.*, *.??~, *.*~, *LOG.TXT, README.TXT, FILE*._DD, CHKLIST.*, *.";

void checkSet(const std::string& list, std::vector<std::string> names) {
    bool plainFailed = false, compiledFailed = false;
    MaskList plain;
    CompiledMaskSet compiled;
    try {
        plain = MaskList(list);
    } catch (const InvalidMask&) {
        plainFailed = true;
    }
    try {
        compiled = CompiledMaskSet(list);
    } catch (const InvalidMask&) {
        compiledFailed = true;
    }
    if (plainFailed != compiledFailed) abort();
    if (plainFailed) return;
    for (const std::string& mask : kefelo::search::parseMaskList(list)) {
        const std::string literal = withoutWildcards(mask);
        for (std::string name : {literal, "x" + literal, literal + "x", "a.b." + literal, "..." + literal}) {
            names.push_back(name);
            for (char& c : name) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
            names.push_back(name);
        }
    }
    for (const std::string& name : names)
        if (plain.Matches(name) != compiled.Matches(name)) abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input = wellFormed(std::string_view(reinterpret_cast<const char*>(data), size));
    const size_t cut = input.find('\n');
    const std::string maskText = input.substr(0, cut);

    std::vector<std::string> names = {"a.b.c.txt", "README", ".htaccess", "name."};
    if (cut != std::string::npos) {
        std::string rest = input.substr(cut + 1);
        for (size_t start = 0; start <= rest.size();) {
            size_t end = rest.find('\n', start);
            if (end == std::string::npos) end = rest.size();
            names.push_back(rest.substr(start, end - start));
            start = end + 1;
        }
    }
    names.push_back(withoutWildcards(maskText));

    try {
        const TMask mask(maskText);
        const std::vector<Element> elems = elementsOf(maskText);
        for (const std::string& name : names)
            if (mask.Matches(name) != referenceMatch(elems, name)) abort();
    } catch (const InvalidMask& e) {
        if (e.position() < 1 || e.position() > static_cast<int>(decode(maskText).size()) + 1) abort();
    }
    // The set reads names as bytes where it can: malformed ones must not fool it.
    const std::string_view raw(reinterpret_cast<const char*>(data), size);
    for (size_t start = raw.find('\n'); start != std::string_view::npos; start = raw.find('\n', start + 1))
        names.emplace_back(raw.substr(start + 1, raw.find('\n', start + 1) - start - 1));
    checkSet(maskText, names);
    checkSet(maskText + ", " + kCategoryMasks, names);
    return 0;
}
