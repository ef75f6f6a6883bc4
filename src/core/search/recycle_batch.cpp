#include "core/search/recycle_batch.h"

#include <utility>

namespace kefelo::search {

RecycleBatch::RecycleBatch(platform::Shell& shell, Done done, size_t batchSize)
    : shell_(shell), done_(std::move(done)), batchSize_(batchSize == 0 ? 1 : batchSize) {}

void RecycleBatch::add(Item item) {
    items_.push_back(std::move(item));
    if (items_.size() >= batchSize_) flush();
}

void RecycleBatch::flush() {
    if (items_.empty()) return;
    // Taken out first: the callback may add again (it never should, but a batch must not
    // be sent twice).
    std::vector<Item> items = std::exchange(items_, {});
    std::vector<std::string> paths;
    paths.reserve(items.size());
    for (const Item& item : items) paths.push_back(item.path);
    const std::vector<platform::Recycling> outcomes = shell_.recycleFiles(paths);
    for (size_t i = 0; i < items.size(); ++i) {
        // A shell that answered for fewer files than it was given took none of the rest.
        done_(items[i], i < outcomes.size() ? outcomes[i] : platform::Recycling::Refused);
    }
}

const char* recyclingRefusalText(platform::Recycling outcome) {
    switch (outcome) {
        case platform::Recycling::NoBin:
            return "ezen a meghajtón nincs Lomtár";
        case platform::Recycling::NameRefused:
            return "a Lomtár nem fogadja el a nevét";
        case platform::Recycling::Refused:
        case platform::Recycling::Recycled:
            break;
    }
    return "a Lomtár nem vette át";
}

}  // namespace kefelo::search
