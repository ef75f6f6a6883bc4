#include "core/containers/grid_marks.h"

#include "base/text/codec.h"

namespace kefelo::containers {
namespace {
using config::Mark;

constexpr size_t kMaxExplorerPath = 1000;
const char* const kPathTooLong = "A könyvtár elérési útja túl hosszú!\r\nNem tudom megjeleníteni!";

size_t characterCount(std::string_view utf8) {
    size_t count = 0;
    for (unsigned char c : utf8) count += (c & 0xC0) != 0x80;
    return count;
}

bool isBareDrive(std::string_view path) { return path.size() == 2 && path[1] == ':'; }

OpenLocation explorerFor(std::string parameter) {
    if (characterCount(parameter) > kMaxExplorerPath) return {{}, kPathTooLong};
    return {std::move(parameter), std::nullopt};
}
}  // namespace

const char* const kPropertiesFailed = "Nem sikerült lekérnem a kijelölt elem tulajdonságpaneljét!";

std::optional<std::string> toggleOnDoubleClick(Mark& mark, bool exists, GridKind kind) {
    if (exists) {
        mark = mark == Mark::Inactive ? Mark::Active : Mark::Inactive;
        return std::nullopt;
    }
    if (mark == Mark::None) return std::nullopt;
    return kind == GridKind::Containers ? "Az aktuális könyvtár nem található, így nem is tekető aktívvá!"
                                        : "A Feladat munkakönyvtára nem található, így nem is tekető aktívvá!";
}

OpenLocation openLocation(const config::ContainerRow& row, platform::FileSystem& fs, bool viewAlerts) {
    if (!folderExists(fs, row.path)) {
        if (!viewAlerts) return {};
        return {{}, "A következő, kijelölt könyvtár nem található:\r\n" + row.path};
    }
    // Explorer gets the short form, which also survives characters a command line mangles.
    return explorerFor(isBareDrive(row.path) ? row.path + "\\" : fs.shortPath(row.path));
}

OpenLocation openLocation(const config::TaskRow& row, platform::FileSystem& fs, bool viewAlerts) {
    if (!folderExists(fs, row.location)) {
        if (!viewAlerts) return {};
        return {{}, "A következő helyű, kijelölt feladat nem található:\r\n" + row.location};
    }
    return explorerFor(isBareDrive(row.location) ? row.location + "\\" : row.location);
}

std::string propertiesTarget(std::string_view folder) {
    std::string target(folder);
    if (isBareDrive(target)) target += '\\';
    return target;
}

std::string containerHint(const std::string& folder, platform::FileSystem& fs) {
    size_t characters = 0;
    for (size_t pos = 0; pos < folder.size(); ++characters) text::nextCodePoint(folder, pos);
    return characters > 80 ? fs.shortPath(folder) : folder;
}

}  // namespace kefelo::containers
