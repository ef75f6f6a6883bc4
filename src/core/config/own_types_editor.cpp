#include "core/config/own_types_editor.h"

#include <algorithm>
#include <cstdint>

#include "base/text/codec.h"
#include "base/text/format.h"
#include "core/config/list_file.h"

namespace kefelo::config {

using platform::Answer;
using platform::Buttons;
using platform::MessageKind;

const std::array<std::string_view, 4> kOwnTypesHelpLines = {
    "Új típus megadásnál használhatók a ",
    "fájlkeresési módszernél már ",
    "megszokott \"joker\" karakterek (* és ?).",
    "(Pl.: tem?.* )",
};

namespace {

constexpr const char* kAddCaption = "Saját átmeneti állomány-típus felvétele";
constexpr const char* kAddPrompt = "Egy lehetséges megadási példa: *.tmp)";
constexpr const char* kChangeCaption = "Átmeneti állomány-típus módosítása";
constexpr const char* kChangePrompt = "Egy lehetséges megadási példa: *.tmp";
constexpr const char* kExecutableWarning =
    "A megadott kiterjesztés hasonló ahhoz, amellyel a végrehajtható állományok rendelkeznek,\r\n"
    "ezért felvétele nem ajánlott!\r\n\r\nBiztosan fel kívánja venni ezt a típust?";
constexpr const char* kAlreadyListed = "A megadott típus már szerepel a felvettek között!";
constexpr const char* kRemoveQuestion = "Valóban törli a következő típust? :\r\n";

constexpr size_t kSimilarLimit = 50;

bool looksExecutable(std::string_view mask) {
    return text::containsNoCase(mask, ".exe") || text::containsNoCase(mask, ".com") ||
           text::containsNoCase(mask, ".bat");
}

// Alphabetical order the way a Hungarian reader expects it: accents of a, e, i, o, u
// sort with their base letter, ö/ő after o and ü/ű after u; letter case is ignored.
uint32_t primaryWeight(char32_t c) {
    switch (c) {
        case U'á':
            return 'a' * 4;
        case U'é':
            return 'e' * 4;
        case U'í':
            return 'i' * 4;
        case U'ó':
            return 'o' * 4;
        case U'ö':
        case U'ő':
            return 'o' * 4 + 2;
        case U'ú':
            return 'u' * 4;
        case U'ü':
        case U'ű':
            return 'u' * 4 + 2;
        default:
            return static_cast<uint32_t>(c) * 4;
    }
}

bool collatesBefore(const std::string& a, const std::string& b) {
    const std::string la = text::lower(a);
    const std::string lb = text::lower(b);
    size_t pa = 0, pb = 0;
    while (pa < la.size() && pb < lb.size()) {
        uint32_t wa = primaryWeight(text::nextCodePoint(la, pa));
        uint32_t wb = primaryWeight(text::nextCodePoint(lb, pb));
        if (wa != wb) return wa < wb;
    }
    if ((pa < la.size()) != (pb < lb.size())) return pb < lb.size();
    if (la != lb) return la < lb;
    return a < b;
}

int characterCount(std::string_view s) {
    int count = 0;
    for (size_t pos = 0; pos < s.size(); ++count) text::nextCodePoint(s, pos);
    return count;
}

}  // namespace

std::string ownTypesLine(const std::vector<std::string>& items) {
    std::string line;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i > 0) line += '|';
        line += items[i];
    }
    if (!line.empty() && line.back() == '|') line.pop_back();
    return line;
}

int ownTypesLength(const std::vector<std::string>& items) {
    int length = static_cast<int>(items.size()) - 1;
    for (const auto& item : items) length += characterCount(item);
    return length;
}

std::string fitOwnTypesLine(std::string_view line) {
    // Characters, not bytes: the record holds Windows-1250, one byte each. A bar with at
    // most the limit before it still ends a whole mask.
    size_t characters = 0;
    size_t cut = 0;
    for (size_t pos = 0; pos < line.size() && characters <= kOwnTypesStoredLength; ++characters) {
        const size_t at = pos;
        if (text::nextCodePoint(line, pos) == U'|') cut = at;
    }
    if (characters <= kOwnTypesStoredLength) return std::string(line);
    std::string fitted(line.substr(0, cut));
    // An empty mask right before the cut would leave a trailing bar.
    while (!fitted.empty() && fitted.back() == '|') fitted.pop_back();
    return fitted;
}

bool KitFigyel(const MaskTable& table, const std::string& mask, platform::UiServices& ui) {
    std::vector<std::string> kept;
    for (const auto& line : table.lines()) {
        for (auto& existing : splitMaskLine(line)) {
            if (text::containsNoCase(existing, mask)) kept.push_back(std::move(existing));
            if (kept.size() == kSimilarLimit) break;
        }
        if (kept.size() == kSimilarLimit) break;
    }
    if (kept.empty()) return true;

    std::string question =
        "A meglévő típusok között találtam hasonlót a most megadotthoz.\r\n\r\nEzek a következők:\r\n";
    for (const auto& k : kept) question += k + "\r\n";
    if (kept.size() == kSimilarLimit) {
        question += "...\r\n";
        question +=
            "\r\n(A három pont (...) azt jelenti, hogy még ezen kívűl is vannak a most megadotthoz hasonló típusok!)";
    }
    question += "\r\nBiztosan felveszi a most megadott típust?";
    return ui.message(MessageKind::Information, Buttons::YesNo, question) != Answer::No;
}

Tfrmmytype::Tfrmmytype(MaskTable& table, platform::UiServices& ui) : table_(table), ui_(ui) {}

void Tfrmmytype::open() {
    list_mytypes.items.clear();
    // Every piece before a bar counts, so "a|" opens as "a" and an empty item.
    const std::string line = table_.ownTypes() + "|";
    if (line.size() > 1) {
        size_t start = 0;
        for (size_t bar = line.find('|'); bar != std::string::npos; bar = line.find('|', start)) {
            insert(line.substr(start, bar - start));
            start = bar + 1;
        }
    }
    list_mytypes.selected = list_mytypes.items.empty() ? -1 : 0;
    result = 0;
    visible = true;
}

void Tfrmmytype::add() {
    std::string initial;
    for (;;) {
        platform::InputBoxRequest request{kAddCaption, kAddPrompt, initial, bounds.left, bounds.top};
        initial.clear();
        auto entry = ui_.inputBox(request);
        if (!entry || entry->empty()) return;
        // Refused before the questions, which would be asked in vain; the box opens again on
        // the text, so one letter can be corrected.
        if (refuseUnstorable(ui_, *entry)) {
            initial = std::move(*entry);
            continue;
        }
        if (looksExecutable(*entry) &&
            ui_.message(MessageKind::Warning, Buttons::YesNo, kExecutableWarning) != Answer::Yes)
            return;
        if (!KitFigyel(*entry)) continue;
        if (indexOfNoCase(*entry) >= 0) {
            ui_.message(MessageKind::Information, Buttons::Ok, kAlreadyListed);
            return;
        }
        list_mytypes.selected = insert(*entry);
        return;
    }
}

void Tfrmmytype::change() {
    if (!list_mytypes.hasSelection()) return;
    const size_t index = static_cast<size_t>(list_mytypes.selected);
    const std::string old = list_mytypes.items[index];
    auto entry = ui_.inputBox({kChangeCaption, kChangePrompt, old, std::nullopt, std::nullopt});
    // Cancel keeps the old text, which changes nothing.
    if (!entry || entry->empty()) return;
    if (refuseUnstorable(ui_, *entry)) return;
    if (indexOfNoCase(*entry) >= 0 && *entry != old) {
        ui_.message(MessageKind::Information, Buttons::Ok, kAlreadyListed);
        return;
    }
    if (check_mytypessorted) {
        list_mytypes.items.erase(list_mytypes.items.begin() + static_cast<std::ptrdiff_t>(index));
        list_mytypes.selected = insert(*entry);
    } else {
        list_mytypes.items[index] = *entry;
    }
}

void Tfrmmytype::remove(bool viewAlerts) {
    if (!list_mytypes.hasSelection()) return;
    const int index = list_mytypes.selected;
    auto& items = list_mytypes.items;
    if (viewAlerts && ui_.message(MessageKind::Confirmation, Buttons::YesNo,
                                  kRemoveQuestion + items[static_cast<size_t>(index)]) != Answer::Yes)
        return;
    items.erase(items.begin() + index);
    // The first item hands the selection to its successor; any other to its predecessor.
    list_mytypes.selected = index == 0 ? (items.empty() ? -1 : 0) : index - 1;
}

void Tfrmmytype::setSorted(bool sorted) {
    check_mytypessorted = sorted;
    if (!sorted) return;
    auto& items = list_mytypes.items;
    std::vector<size_t> order(items.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return collatesBefore(items[a], items[b]); });
    std::vector<std::string> sortedItems;
    sortedItems.reserve(items.size());
    int newSelected = -1;
    for (size_t i = 0; i < order.size(); ++i) {
        if (static_cast<int>(order[i]) == list_mytypes.selected) newSelected = static_cast<int>(i);
        sortedItems.push_back(std::move(items[order[i]]));
    }
    items = std::move(sortedItems);
    list_mytypes.selected = newSelected;
}

void Tfrmmytype::store() {
    visible = false;
    table_.setOwnTypes(ownTypesLine(list_mytypes.items));
}

void Tfrmmytype::cancel() {
    result = kResultCancelled;
    visible = false;
}

void Tfrmmytype::escape() { visible = false; }

std::string Tfrmmytype::hint(bool overList) const {
    if (overList) return "Az eddig felvett típusok listája";
    return "Figyelem! A felvett típusok összmérete nem lehet 255 karakternél hosszabb! (jelenlegi méret: " +
           text::toDecimal(ownTypesLength(list_mytypes.items)) + ")";
}

int Tfrmmytype::insert(std::string text) {
    auto& items = list_mytypes.items;
    if (!check_mytypessorted) {
        items.push_back(std::move(text));
        return static_cast<int>(items.size()) - 1;
    }
    auto at = std::upper_bound(items.begin(), items.end(), text,
                               [](const std::string& a, const std::string& b) { return collatesBefore(a, b); });
    // Insert first, then measure: begin() taken before the insert may be stale once the
    // vector grows, and the two operands of "-" may be evaluated in either order.
    const auto inserted = items.insert(at, std::move(text));
    return static_cast<int>(inserted - items.begin());
}

int Tfrmmytype::indexOfNoCase(std::string_view text) const {
    const auto& items = list_mytypes.items;
    for (size_t i = 0; i < items.size(); ++i)
        if (text::equalsNoCase(items[i], text)) return static_cast<int>(i);
    return -1;
}

}  // namespace kefelo::config
