#include "core/app/long_path.h"

#include <optional>
#include <string_view>

namespace kefelo::app {
namespace {
bool isDrive(std::string_view s) { return s.size() == 2 && s[1] == ':'; }

// The part before the last separator ("C:\A\b" -> "C:\A", "C:\b" -> "C:", "\b" -> "");
// nullopt when there is no separator at all.
std::optional<std::string> parentOf(std::string_view path) {
    const size_t pos = path.find_last_of("\\/");
    if (pos == std::string_view::npos) return std::nullopt;
    return std::string(path.substr(0, pos));
}
}  // namespace

std::string ExpandLongPath(platform::FileSystem& fs, const std::string& path) {
    const auto found = fs.find(path);
    if (!found) return path;
    const std::string& last = found->name;

    auto head = parentOf(path);
    if (!head) return last;
    std::string middle;
    while (!head->empty() && !isDrive(*head)) {
        const auto entry = fs.find(*head);
        if (!entry) break;
        middle = entry->name + "\\" + middle;
        auto up = parentOf(*head);
        // A relative path has no root to put back in front.
        if (!up) return middle + last;
        head = std::move(up);
    }
    return *head + "\\" + middle + last;
}

}  // namespace kefelo::app
