#include <zip.h>

#include "platform/win32/win32_zip_reader.h"

namespace kefelo::platform::win32 {
namespace {

// The update's archive is read whole into memory; anything larger is not ours.
constexpr uint64_t kMaxEntrySize = 256ull << 20;

class LibzipArchive : public ZipArchive {
public:
    explicit LibzipArchive(zip_t* archive) : archive_(archive) {
        const zip_int64_t count = zip_get_num_entries(archive_, 0);
        for (zip_int64_t i = 0; i < count; ++i) {
            zip_stat_t st;
            zip_stat_init(&st);
            ZipEntryInfo info;
            if (zip_stat_index(archive_, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_GUESS, &st) == 0) {
                if (st.valid & ZIP_STAT_NAME) info.name = st.name;
                if (st.valid & ZIP_STAT_SIZE) info.size = st.size;
            }
            info.directory = !info.name.empty() && info.name.back() == '/';
            entries_.push_back(std::move(info));
        }
    }
    ~LibzipArchive() override { zip_discard(archive_); }
    LibzipArchive(const LibzipArchive&) = delete;
    LibzipArchive& operator=(const LibzipArchive&) = delete;

    const std::vector<ZipEntryInfo>& entries() const override { return entries_; }

    std::optional<std::string> read(size_t index) override {
        if (index >= entries_.size() || entries_[index].size > kMaxEntrySize) return std::nullopt;
        zip_file_t* file = zip_fopen_index(archive_, index, 0);
        if (!file) return std::nullopt;
        std::string data(entries_[index].size, '\0');
        zip_int64_t total = 0;
        bool ok = true;
        // libzip checks the CRC when the last byte has been read: a damaged entry fails here.
        while (ok) {
            char buffer[16384];
            const zip_int64_t n = zip_fread(file, buffer, sizeof buffer);
            if (n < 0) ok = false;
            if (n <= 0) break;
            if (static_cast<uint64_t>(total + n) > data.size())
                ok = false;
            else
                data.replace(static_cast<size_t>(total), static_cast<size_t>(n), buffer, static_cast<size_t>(n));
            total += n;
        }
        zip_fclose(file);
        if (!ok || static_cast<uint64_t>(total) != data.size()) return std::nullopt;
        return data;
    }

private:
    zip_t* archive_;
    std::vector<ZipEntryInfo> entries_;
};

}  // namespace

std::unique_ptr<ZipArchive> Win32ZipReader::open(const std::string& path) {
    int error = 0;
    // libzip takes UTF-8 file names on Windows.
    zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (!archive) return nullptr;
    return std::make_unique<LibzipArchive>(archive);
}

}  // namespace kefelo::platform::win32
