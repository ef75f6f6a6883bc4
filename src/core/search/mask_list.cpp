#include "core/search/mask_list.h"

#include "base/text/codec.h"

namespace kefelo::search {

std::vector<std::string> parseMaskList(std::string_view fileMask) {
    std::vector<std::string> masks;
    std::string current;
    for (char c : fileMask) {
        if (c == ',') {
            masks.push_back(text::trimRightBlanks(current));
            current.clear();
        } else if (c != ' ' || !current.empty()) {
            current.push_back(c);
        }
    }
    if (!current.empty()) masks.push_back(text::trimRightBlanks(current));
    return masks;
}

MaskList::MaskList(std::string_view fileMask) {
    const std::vector<std::string> texts = parseMaskList(fileMask);
    masks_.reserve(texts.size());
    for (const std::string& text : texts) masks_.emplace_back(text);
}

bool MaskList::Matches(std::string_view fileName) const {
    const FoldedName name(fileName);
    for (const TMask& mask : masks_)
        if (mask.Matches(name)) return true;
    return false;
}

}  // namespace kefelo::search
