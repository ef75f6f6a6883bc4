#include "platform/fake/fake_zip_archives.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace kefelo::platform::fake {

uint32_t crc32Of(const std::string& bytes) {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t c = i;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char b : bytes) crc = table[(crc ^ b) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

class FakeZipWriter : public ZipWriter {
public:
    FakeZipWriter(FakeZipArchives& owner, std::string path) : owner_(owner), path_(std::move(path)) {}

    ZipAddResult addFile(const std::string& sourcePath, const std::string& entryName) override {
        const auto& refused = owner_.refuseAdd;
        if (std::find(refused.begin(), refused.end(), sourcePath) != refused.end()) return ZipAddResult::Failed;
        if (!owner_.fs_.content(sourcePath)) return ZipAddResult::Skipped;
        pending_.push_back({entryName, "", sourcePath, true});
        return ZipAddResult::Stored;
    }

    ZipCloseResult close(const std::function<bool(double)>& progress,
                         const std::function<std::string(size_t)>& comment) override {
        ZipCloseResult result;
        FakeZipArchives::Archive archive;
        for (size_t i = 0; i < pending_.size(); ++i) {
            if (progress && !progress(static_cast<double>(i) / static_cast<double>(pending_.size()))) {
                result.cancelled = true;
                break;
            }
            FakeZipArchives::Entry entry = pending_[i];
            auto content = owner_.fs_.content(entry.sourcePath);
            if (!content) return result;  // vanished before the write: the library fails
            entry.content = *content;
            archive.entries.push_back(std::move(entry));
        }
        if (owner_.failClose) return result;
        archive.comment = comment ? comment(archive.entries.size()) : std::string();
        // The archive's bytes stand for a real one: a header per entry and the data stored.
        std::string bytes(22 + archive.comment.size(), 'Z');
        for (const auto& e : archive.entries) bytes += std::string(30 + e.name.size(), 'H') + e.content;
        if (!owner_.fs_.writeFileAtomic(path_, bytes)) return result;
        result.kept = archive.entries.size();
        owner_.archives_[FakeZipArchives::key(path_)] = std::move(archive);
        result.ok = true;
        return result;
    }

private:
    FakeZipArchives& owner_;
    std::string path_;
    std::vector<FakeZipArchives::Entry> pending_;
};

std::string FakeZipArchives::key(const std::string& path) {
    std::string k = path;
    std::transform(k.begin(), k.end(), k.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return k;
}

const std::vector<FakeZipArchives::Entry>& FakeZipArchives::entries(const std::string& path) const {
    static const std::vector<Entry> none;
    auto it = archives_.find(key(path));
    return it == archives_.end() ? none : it->second.entries;
}

std::string FakeZipArchives::comment(const std::string& path) const {
    auto it = archives_.find(key(path));
    return it == archives_.end() ? std::string() : it->second.comment;
}

void FakeZipArchives::spoil(const std::string& path, const std::string& entryName) {
    auto it = archives_.find(key(path));
    if (it == archives_.end()) return;
    for (auto& e : it->second.entries)
        if (e.name == entryName) e.intact = false;
}

std::unique_ptr<ZipWriter> FakeZipArchives::create(const std::string& path) {
    ++created;
    return std::make_unique<FakeZipWriter>(*this, path);
}

std::optional<std::vector<ZipEntryCheck>> FakeZipArchives::readBack(const std::string& path,
                                                                    const std::function<bool()>& keepGoing) {
    auto it = archives_.find(key(path));
    if (it == archives_.end() || !fs_.fileExists(path)) return std::nullopt;
    std::vector<ZipEntryCheck> checks;
    // By index: what `keepGoing` runs may change the archives.
    for (size_t i = 0; i < it->second.entries.size(); ++i) {
        const Entry& e = it->second.entries[i];
        checks.push_back({e.name, e.content.size(), crc32Of(e.content), e.intact});
        if (keepGoing && !keepGoing()) return std::nullopt;
    }
    return checks;
}

std::optional<FileDigest> FakeZipArchives::digest(const std::string& path) {
    auto content = fs_.content(path);
    if (!content) return std::nullopt;
    return FileDigest{content->size(), crc32Of(*content)};
}

}  // namespace kefelo::platform::fake
