#include "platform/fake/fake_zip_reader.h"

namespace kefelo::platform::fake {
namespace {

class FakeArchive : public ZipArchive {
public:
    FakeArchive(FakeZipReader& owner, std::vector<FakeZipEntry> entries) : owner_(owner), content_(std::move(entries)) {
        ++owner_.openArchives;
        for (const FakeZipEntry& e : content_) {
            const bool folder = !e.name.empty() && e.name.back() == '/';
            infos_.push_back({e.name, e.content.size(), folder});
        }
    }
    ~FakeArchive() override { --owner_.openArchives; }

    const std::vector<ZipEntryInfo>& entries() const override { return infos_; }
    std::optional<std::string> read(size_t index) override {
        if (index >= content_.size()) return std::nullopt;
        owner_.entriesRead.push_back(content_[index].name);
        if (content_[index].damaged) return std::nullopt;
        return content_[index].content;
    }

private:
    FakeZipReader& owner_;
    std::vector<FakeZipEntry> content_;
    std::vector<ZipEntryInfo> infos_;
};

}  // namespace

std::unique_ptr<ZipArchive> FakeZipReader::open(const std::string& path) {
    const auto it = archives.find(path);
    if (it == archives.end()) return nullptr;
    return std::make_unique<FakeArchive>(*this, it->second);
}

}  // namespace kefelo::platform::fake
