#include "core/search/zip_rules.h"

#include <cstdio>
#include <vector>

#include "base/text/format.h"

namespace kefelo::search {
namespace {

std::string twoDigits(int value) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%02d", value);
    return buffer;
}

std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

}  // namespace

std::string defaultArchiveName(std::string_view directory, timeutil::TDateTime now, std::string_view language) {
    const timeutil::CivilTime t = timeutil::toCivil(now);
    const std::string year = std::to_string(t.year), month = twoDigits(t.month), day = twoDigits(t.day);
    const std::string date = lower(language) == "hun" ? year + "_" + month + "_" + day : day + "_" + month + "_" + year;
    return std::string(directory) + "\\" + date + "_" + twoDigits(t.hour) + "_" + twoDigits(t.minute) + "_" +
           twoDigits(t.second) + ".zip";
}

std::string FileAd(std::string_view name) {
    const size_t dot = name.find_last_of('.');
    const size_t separator = name.find_last_of("\\/:");
    if (dot != std::string_view::npos && (separator == std::string_view::npos || dot > separator))
        name = name.substr(0, dot);
    return std::string(name) + ".zip";
}

std::string folderOf(std::string_view path) {
    const size_t separator = path.find_last_of('\\');
    return separator == std::string_view::npos ? std::string() : std::string(path.substr(0, separator));
}

std::string fileNameOf(std::string_view path) {
    const size_t separator = path.find_last_of('\\');
    return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

std::optional<std::string> zipEntryName(std::string_view path) {
    std::string_view rest = path;
    if (rest.starts_with("\\\\?\\UNC\\")) {
        rest.remove_prefix(8);
        // \\?\UNC\server\share: the share's two parts are the drive.
        for (int part = 0; part < 2; ++part) {
            const size_t cut = rest.find('\\');
            rest = cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 1);
        }
    } else if (rest.starts_with("\\\\?\\")) {
        rest.remove_prefix(4);
    } else if (rest.starts_with("\\\\")) {
        rest.remove_prefix(2);
        for (int part = 0; part < 2; ++part) {
            const size_t cut = rest.find('\\');
            rest = cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 1);
        }
    }
    if (rest.size() >= 2 && rest[1] == ':') rest.remove_prefix(2);

    std::string name;
    size_t start = 0;
    while (start <= rest.size()) {
        size_t end = rest.find_first_of("\\/", start);
        if (end == std::string_view::npos) end = rest.size();
        const std::string_view part = rest.substr(start, end - start);
        if (!part.empty() && part != "." && part != "..") {
            if (!name.empty()) name += '/';
            name += part;
        }
        start = end + 1;
    }
    if (name.empty()) return std::nullopt;
    return name;
}

std::string spaceBalanceText(int64_t balance) {
    if (balance < 0) {
        // The magnitude of the most negative value does not fit its own type.
        const uint64_t used = static_cast<uint64_t>(-(balance + 1)) + 1;
        return "A folyamat által felhasznált hely: " + text::Ezredel(std::to_string(used)) + " bájt";
    }
    return "A folyamat által felszabadított hely: " + text::Ezredel(std::to_string(balance)) + " bájt";
}

std::string archiveComment(std::string_view webAddress, std::string_view date, size_t fileCount) {
    return "A tomoritveny a Kefelo programban(" + std::string(webAddress) +
           ") kivalasztott atmeneti allomanyokat tartalmazza.\r\nKeszites datuma: " + std::string(date) +
           " | Allomanyok szama: " + std::to_string(fileCount) + " db.";
}

}  // namespace kefelo::search
