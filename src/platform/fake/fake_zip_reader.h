#pragma once
// Archives in memory, addressed by the path they would have on disk. An entry may be
// marked damaged: reading it fails, as a CRC error would.
#include <map>
#include <string>
#include <vector>

#include "platform/zip_reader.h"

namespace kefelo::platform::fake {

struct FakeZipEntry {
    std::string name;
    std::string content;
    bool damaged = false;
};

class FakeZipReader : public ZipReader {
public:
    std::map<std::string, std::vector<FakeZipEntry>> archives;  // by path
    std::vector<std::string> entriesRead;                       // names, in order
    int openArchives = 0;

    std::unique_ptr<ZipArchive> open(const std::string& path) override;
};

}  // namespace kefelo::platform::fake
