#pragma once
// Archives held beside a FakeFileSystem: a closed archive becomes a file there (so its size
// and the replacing of an old one can be seen) and remembers its entries' contents for
// readBack. Tests can make adding or closing fail and spoil an entry's data.
#include <map>
#include <string>
#include <vector>

#include "platform/fake/fake_file_system.h"
#include "platform/zip_archive.h"

namespace kefelo::platform::fake {

uint32_t crc32Of(const std::string& bytes);

class FakeZipArchives : public ZipArchives {
public:
    explicit FakeZipArchives(FakeFileSystem& fs) : fs_(fs) {}

    struct Entry {
        std::string name;
        std::string content;
        std::string sourcePath;
        bool intact = true;
    };

    // Sources whose adding the library refuses.
    std::vector<std::string> refuseAdd;
    bool failClose = false;
    int created = 0;

    // The entries of a closed archive, in order; empty when there is none.
    const std::vector<Entry>& entries(const std::string& path) const;
    std::string comment(const std::string& path) const;
    void spoil(const std::string& path, const std::string& entryName);

    std::unique_ptr<ZipWriter> create(const std::string& path) override;
    std::optional<std::vector<ZipEntryCheck>> readBack(const std::string& path,
                                                       const std::function<bool()>& keepGoing) override;
    std::optional<FileDigest> digest(const std::string& path) override;

private:
    friend class FakeZipWriter;
    struct Archive {
        std::vector<Entry> entries;
        std::string comment;
    };
    static std::string key(const std::string& path);

    FakeFileSystem& fs_;
    std::map<std::string, Archive> archives_;
};

}  // namespace kefelo::platform::fake
