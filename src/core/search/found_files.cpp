#include "core/search/found_files.h"

#include <utility>

#include "base/text/codec.h"
#include "base/text/format.h"

namespace kefelo::search {
namespace {
namespace attr = platform::attr;
using config::Mark;

std::string summary(int64_t count, int64_t bytes) {
    return text::toDecimal(count) + " db\r\n" + text::Ezredel(text::toDecimal(bytes)) + " bájt";
}

timeutil::TDateTime localTime(platform::Clock& clock, int64_t utcTicks) {
    return timeutil::fromFileTime(clock.utcToLocal(utcTicks));
}

uint32_t extensionStart(const std::string& name) {
    const size_t dot = name.rfind('.');
    return static_cast<uint32_t>(dot == std::string::npos ? name.size() : dot);
}

// A file at the path, not a folder; nullopt when there is none or it cannot be read.
std::optional<uint32_t> fileAttributes(platform::FileSystem& fs, const std::string& path) {
    const std::optional<uint32_t> attributes = fs.getAttributes(path);
    if (!attributes || (*attributes & attr::kDirectory)) return std::nullopt;
    return attributes;
}
}  // namespace

std::string attributeLetters(uint32_t a) {
    std::string letters = "------";
    if (a & attr::kArchive) letters[0] = 'A';
    if (a & attr::kDirectory) letters[1] = 'D';
    if (a & attr::kHidden) letters[2] = 'H';
    if (a & attr::kReadOnly) letters[3] = 'R';
    if (a & attr::kSystem) letters[4] = 'S';
    if (a & attr::kVolume) letters[5] = 'V';
    return letters;
}

void FoundFiles::clear() {
    std::vector<FoundFile>().swap(rows_);
    folders_.clear();
    folderIndex_.clear();
    foundCount_ = foundBytes_ = 0;
    currentRow = 0;
    ++generation_;
}

uint32_t FoundFiles::internFolder(const std::string& folderWithSeparator) {
    std::string shown = folderWithSeparator;
    while (!shown.empty() && (shown.back() == '\\' || shown.back() == '/')) shown.pop_back();
    // The walk lists a folder's files together, so the last folder is the usual answer.
    if (!folders_.empty() && folders_.back() == shown) return static_cast<uint32_t>(folders_.size() - 1);
    const auto [it, added] = folderIndex_.try_emplace(shown, static_cast<uint32_t>(folders_.size()));
    if (added) folders_.push_back(std::move(shown));
    return it->second;
}

void FoundFiles::fill(std::vector<TFilePack> matches, const config::ProtectionTest& isProtected,
                      platform::Clock& clock) {
    clear();
    rows_.reserve(matches.size());
    for (TFilePack& match : matches) {
        if ((match.Attr & attr::kDirectory) || isProtected(match.Name)) continue;
        FoundFile row;
        row.folder = internFolder(match.Folder);
        row.extensionStart = extensionStart(match.Name);
        row.name = std::move(match.Name);
        row.size = match.Size;
        row.modified = localTime(clock, match.LastWriteUtc);
        row.attributes = row.currentAttributes = match.Attr;
        foundBytes_ += row.size;
        rows_.push_back(std::move(row));
    }
    rows_.shrink_to_fit();
    foundCount_ = static_cast<int64_t>(rows_.size());
}

std::string FoundFiles::cellText(size_t index, int column) const {
    const FoundFile& r = rows_[index];
    switch (column) {
        case col_mark:
            return config::markText(r.mark);
        case col_name:
            return r.name.substr(0, r.extensionStart);
        case col_ext:
            return r.name.substr(r.extensionStart);
        case col_folder:
            return folders_[r.folder];
        case col_size:
            return text::toDecimal(r.size);
        case col_date:
            return timeutil::formatDate(r.modified, shortDatePicture);
        case col_attrib:
            return attributeLetters(r.attributes);
        default:
            return {};
    }
}

std::string FoundFiles::fullPath(size_t index) const {
    return folders_[rows_[index].folder] + "\\" + rows_[index].name;
}

RowColour FoundFiles::rowColour(size_t index, std::optional<uint32_t> attributesNow) const {
    if (rows_[index].mark == Mark::None || !attributesNow) return RowColour::Missing;
    if (*attributesNow & attr::kReadOnly) return RowColour::ReadOnly;
    if (*attributesNow & attr::kHidden) return RowColour::Hidden;
    if (*attributesNow & attr::kSystem) return RowColour::System;
    return RowColour::Normal;
}

std::optional<uint32_t> FoundFiles::attributesNow(size_t index, platform::FileSystem& fs) const {
    return fileAttributes(fs, fullPath(index));
}

std::optional<std::string> FoundFiles::rowHint(int index) const {
    if (!validRow(index)) return std::nullopt;
    const FoundFile& r = rows_[static_cast<size_t>(index)];
    return folders_[r.folder] + "\\" + r.name.substr(0, r.extensionStart) +
           text::lower(std::string_view(r.name).substr(r.extensionStart));
}

std::string FoundFiles::foundSummary() const { return summary(foundCount_, foundBytes_); }
std::string FoundFiles::activeSummary() const { return summary(activeCount_, activeBytes_); }

void FoundFiles::recount() {
    activeCount_ = activeBytes_ = 0;
    for (const FoundFile& r : rows_) {
        if (r.mark != Mark::Active) continue;
        ++activeCount_;
        activeBytes_ += r.size;
    }
}

void FoundFiles::mark(config::MarkingCommand command) {
    for (FoundFile& r : rows_)
        if (r.mark != Mark::None) r.mark = config::markAfter(command, r.mark);
}

bool FoundFiles::toggle(int index) {
    if (!validRow(index)) return false;
    FoundFile& r = rows_[static_cast<size_t>(index)];
    if (r.mark == Mark::None) return false;
    r.mark = r.mark == Mark::Active ? Mark::Inactive : Mark::Active;
    return true;
}

void FoundFiles::selectByColumn(int column, bool keepOthers) {
    if (!validRow(currentRow)) return;
    const size_t current = static_cast<size_t>(currentRow);
    // Equal folders are one entry of the folder table, looked at once.
    std::vector<char> folderEqual;
    if (column == col_folder) {
        const std::string key = text::asciiUpper(folders_[rows_[current].folder]);
        folderEqual.resize(folders_.size());
        for (size_t f = 0; f < folders_.size(); ++f) folderEqual[f] = text::asciiUpper(folders_[f]) == key;
    }
    const std::string key = text::asciiUpper(cellText(current, column));
    for (size_t i = 0; i < rows_.size(); ++i) {
        FoundFile& r = rows_[i];
        if (r.mark == Mark::None) continue;
        const bool equal =
            column == col_folder ? folderEqual[r.folder] != 0 : text::asciiUpper(cellText(i, column)) == key;
        if (equal) {
            r.mark = Mark::Active;
        } else if (!keepOthers) {
            r.mark = Mark::Inactive;
        }
    }
}

void FoundFiles::refreshRow(size_t index, platform::FileSystem& fs, platform::Clock& clock, bool details) {
    const std::string path = fullPath(index);
    FoundFile& r = rows_[index];
    const std::optional<uint32_t> attributes = fileAttributes(fs, path);
    if (!attributes) {
        r.mark = Mark::None;
        return;
    }
    if (r.mark == Mark::None) r.mark = Mark::Inactive;
    r.currentAttributes = *attributes;
    if (!details) return;
    if (const std::optional<platform::DirEntry> entry = fs.find(path)) {
        r.size = static_cast<int64_t>(entry->size);
        r.modified = localTime(clock, entry->lastWriteUtc);
        r.attributes = r.currentAttributes = entry->attributes;
    }
}

void FoundFiles::reorder(const std::vector<uint32_t>& order) {
    std::vector<FoundFile> sorted;
    sorted.reserve(rows_.size());
    for (uint32_t from : order) sorted.push_back(std::move(rows_[from]));
    rows_ = std::move(sorted);
    ++generation_;
}

void FoundFiles::removeRows(const std::vector<char>& remove) {
    size_t kept = 0;
    foundBytes_ = 0;
    for (size_t i = 0; i < rows_.size(); ++i) {
        if (i < remove.size() && remove[i]) continue;
        foundBytes_ += rows_[i].size;
        if (kept != i) rows_[kept] = std::move(rows_[i]);
        ++kept;
    }
    rows_.resize(kept);
    foundCount_ = static_cast<int64_t>(kept);
    if (currentRow >= static_cast<int>(kept)) currentRow = kept == 0 ? 0 : static_cast<int>(kept) - 1;
    ++generation_;
}

}  // namespace kefelo::search
