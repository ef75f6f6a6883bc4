#include "core/search/search_location.h"

#include <algorithm>

#include "core/config/config_model.h"
#include "core/search/search_texts.h"
#include "base/text/codec.h"

namespace kefelo::search {

SearchLocation::SearchLocation(config::ListBox& items, platform::FileSystem& fs, platform::UiServices& ui)
    : items_(items), fs_(fs), ui_(ui) {}

void SearchLocation::select(int index) {
    if (index < 0 || index >= static_cast<int>(items_.items.size())) {
        items_.selected = -1;
        text.clear();
        return;
    }
    items_.selected = index;
    text = items_.items[static_cast<size_t>(index)];
}

void SearchLocation::pick(int index) {
    select(index);
    edit_searchpathChange();
}

void SearchLocation::typed(std::string value) {
    text = std::move(value);
    items_.selected = -1;
    edit_searchpathChange();
}

void SearchLocation::setText(std::string value) {
    text = std::move(value);
    const auto& list = items_.items;
    const auto it =
        std::find_if(list.begin(), list.end(), [&](const std::string& item) { return text::equalsNoCase(item, text); });
    items_.selected = it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

bool SearchLocation::browseSelected() const {
    return !items_.items.empty() && items_.selected == static_cast<int>(items_.items.size()) - 1 &&
           items_.items.back() == config::kBrowseItem;
}

void SearchLocation::driveLetterToDrive() {
    size_t pos = 0;
    if (text.empty()) return;
    text::nextCodePoint(text, pos);
    if (pos == text.size()) text = text::upper(text) + ":";
}

void SearchLocation::edit_searchpathChange() {
    if (!browseSelected() && tag != 1) {
        tag = 0;
        return;
    }
    if (tag != 1) {
        const std::optional<std::string> chosen = ui_.chooseFolder(kBrowseTitle, "");
        if (!chosen) {
            select(-1);
            return;
        }
        text = *chosen;
    }
    if (text.empty()) {
        tag = 0;
        return;
    }
    driveLetterToDrive();
    if (text.back() != '\\') text += '\\';
    if (fs_.directoryExists(text)) remember();
    select(0);
    tag = 0;
}

// The newest location goes to the top; the oldest of five falls out; "Tallóz..." stays last.
void SearchLocation::remember() {
    auto& list = items_.items;
    const auto equal =
        std::find_if(list.begin(), list.end(), [&](const std::string& item) { return text::equalsNoCase(item, text); });
    if (equal == list.end()) {
        if (list.size() == kHistorySize + 1) list.erase(list.begin() + (kHistorySize - 1));
        list.insert(list.begin(), text);
        if (list.size() == kHistorySize + 1) list.back() = std::string(config::kBrowseItem);
        return;
    }
    list.erase(equal);
    list.insert(list.begin(), text);
    hint = kLocationHint;
}

}  // namespace kefelo::search
