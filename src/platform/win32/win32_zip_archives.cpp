#include "platform/win32/win32_zip_archives.h"

#include <windows.h>
#include <zip.h>
#include <zlib.h>

#include <cmath>

#include "platform/win32/handle.h"
#include "platform/win32/wide.h"

namespace kefelo::platform::win32 {
namespace {

// Deflate's normal level. (libzip's own "better of deflate and store" method ignores the
// level and packs at the slowest one, so entries that deflate made larger are stored
// afterwards instead: storeWhereLarger.)
constexpr zip_uint32_t kNormalLevel = 6;

bool needsUtf8Flag(const std::string& text) {
    for (unsigned char c : text)
        if (c >= 0x80) return true;
    return false;
}

Handle openForReading(const std::wstring& path) {
    return Handle(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
}

zip_t* openArchive(const std::wstring& path, int flags) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_win32w_create(path.c_str(), 0, -1, &error);
    zip_t* archive = source ? zip_open_from_source(source, flags, &error) : nullptr;
    if (source && !archive) zip_source_free(source);
    zip_error_fini(&error);
    return archive;
}

class Win32ZipWriter : public ZipWriter {
public:
    Win32ZipWriter(zip_t* archive, std::wstring path) : archive_(archive), path_(std::move(path)) {}
    ~Win32ZipWriter() override {
        if (archive_) zip_discard(archive_);
    }

    ZipAddResult addFile(const std::string& sourcePath, const std::string& entryName) override {
        if (!archive_) return ZipAddResult::Failed;
        const std::wstring source = widen(sourcePath);
        // libzip opens the file only while closing, where a failure would cost the whole
        // archive: a file that cannot be read now is left out instead.
        if (!openForReading(source)) return ZipAddResult::Skipped;
        zip_source_t* data = zip_source_win32w(archive_, source.c_str(), 0, -1);
        if (!data) return ZipAddResult::Failed;
        const zip_flags_t flags = needsUtf8Flag(entryName) ? ZIP_FL_ENC_UTF_8 : ZIP_FL_ENC_GUESS;
        const zip_int64_t index = zip_file_add(archive_, entryName.c_str(), data, flags);
        if (index < 0) {
            zip_source_free(data);
            return ZipAddResult::Failed;
        }
        if (zip_set_file_compression(archive_, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, kNormalLevel) != 0)
            return ZipAddResult::Failed;
        ++entries_;
        return ZipAddResult::Stored;
    }

    ZipCloseResult close(const std::function<bool(double)>& progress,
                         const std::function<std::string(size_t)>& comment) override {
        ZipCloseResult result;
        if (!archive_) return result;
        progress_ = &progress;
        zip_register_progress_callback_with_state(archive_, 0.001, &Win32ZipWriter::onProgress, nullptr, this);
        zip_register_cancel_callback_with_state(archive_, &Win32ZipWriter::onCancel, nullptr, this);
        setComment(comment, entries_);

        if (entries_ > 0 && zip_close(archive_) == 0) {
            archive_ = nullptr;
            storeWhereLarger();
            result.ok = true;
            result.kept = entries_;
            return result;
        }
        size_t kept = entries_;
        if (entries_ > 0) {
            if (!cancelled_ || zip_error_code_zip(zip_get_error(archive_)) != ZIP_ER_CANCELLED) return result;
            // Entries are written in order: those before the one being written when the user
            // stopped are kept, and the archive is finished with them alone.
            kept = std::min(entries_, static_cast<size_t>(std::floor(lastFraction_ * static_cast<double>(entries_))));
            for (size_t i = kept; i < entries_; ++i) zip_delete(archive_, i);
            zip_register_cancel_callback_with_state(archive_, nullptr, nullptr, nullptr);
            heldAt_ = lastFraction_;
            setComment(comment, kept);
            result.cancelled = true;
            if (kept > 0) {
                if (zip_close(archive_) != 0) return result;
                archive_ = nullptr;
                storeWhereLarger();
                result.ok = true;
                result.kept = kept;
                return result;
            }
        }
        // libzip removes an archive left without entries (and with it an older file of
        // that name); an empty archive with its comment is written here instead.
        zip_discard(archive_);
        archive_ = nullptr;
        result.ok = writeEmptyArchive();
        result.kept = 0;
        return result;
    }

private:
    void setComment(const std::function<std::string(size_t)>& comment, size_t entries) {
        comment_ = comment ? comment(entries).substr(0, 0xFFFF) : std::string();
        zip_set_archive_comment(archive_, comment_.data(), static_cast<zip_uint16_t>(comment_.size()));
    }

    // Files that do not compress (pictures, archives) are stored as they are. The archive
    // written is complete already; when this rewrite fails it stays as it is.
    void storeWhereLarger() {
        zip_t* archive = openArchive(path_, 0);
        if (!archive) return;
        bool any = false;
        const zip_int64_t count = zip_get_num_entries(archive, 0);
        for (zip_int64_t i = 0; i < count; ++i) {
            zip_stat_t st;
            zip_stat_init(&st);
            if (zip_stat_index(archive, static_cast<zip_uint64_t>(i), 0, &st) != 0) continue;
            const zip_uint64_t needed = ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE | ZIP_STAT_COMP_METHOD;
            if ((st.valid & needed) == needed && st.comp_method != ZIP_CM_STORE && st.comp_size >= st.size) {
                zip_set_file_compression(archive, static_cast<zip_uint64_t>(i), ZIP_CM_STORE, 0);
                any = true;
            }
        }
        if (!any || zip_close(archive) != 0) zip_discard(archive);
    }

    static void onProgress(zip_t*, double fraction, void* state) {
        auto* self = static_cast<Win32ZipWriter*>(state);
        // An archive cut short is written again with the entries it keeps: the progress stays
        // where the user stopped it rather than starting over, and the window keeps painting.
        const bool held = self->heldAt_ >= 0.0;
        if (!held) self->lastFraction_ = fraction;
        if (!self->progress_ || !*self->progress_) return;
        if (!(*self->progress_)(held ? self->heldAt_ : fraction) && !held) self->cancelled_ = true;
    }
    static int onCancel(zip_t*, void* state) { return static_cast<Win32ZipWriter*>(state)->cancelled_ ? 1 : 0; }

    bool writeEmptyArchive() {
        std::string bytes = {'P', 'K', 5, 6};
        bytes.append(16, '\0');
        bytes += static_cast<char>(comment_.size() & 0xFF);
        bytes += static_cast<char>((comment_.size() >> 8) & 0xFF);
        bytes += comment_;
        const std::wstring temp = path_ + L".~tmp";
        {
            Handle file(
                CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
            if (!file) return false;
            DWORD written = 0;
            if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
                written != bytes.size()) {
                file.reset();
                DeleteFileW(temp.c_str());
                return false;
            }
        }
        if (MoveFileExW(temp.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
        DeleteFileW(temp.c_str());
        return false;
    }

    zip_t* archive_;
    std::wstring path_;
    std::string comment_;
    size_t entries_ = 0;
    const std::function<bool(double)>* progress_ = nullptr;
    double lastFraction_ = 0.0;
    double heldAt_ = -1.0;
    bool cancelled_ = false;
};

}  // namespace

std::unique_ptr<ZipWriter> Win32ZipArchives::create(const std::string& path) {
    const std::wstring wide = widen(path);
    zip_t* archive = openArchive(wide, ZIP_CREATE | ZIP_TRUNCATE);
    if (!archive) return nullptr;
    return std::make_unique<Win32ZipWriter>(archive, wide);
}

std::optional<std::vector<ZipEntryCheck>> Win32ZipArchives::readBack(const std::string& path,
                                                                     const std::function<bool()>& keepGoing) {
    zip_t* archive = openArchive(widen(path), ZIP_RDONLY | ZIP_CHECKCONS);
    if (!archive) return std::nullopt;
    std::vector<ZipEntryCheck> checks;
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    std::string buffer(1 << 16, '\0');
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(archive, static_cast<zip_uint64_t>(i), 0, &st) != 0) continue;
        ZipEntryCheck check;
        check.name = st.name ? st.name : "";
        check.size = st.size;
        check.crc = st.crc;
        if (zip_file_t* file = zip_fopen_index(archive, static_cast<zip_uint64_t>(i), 0)) {
            // libzip compares the CRC when the data has been read to its end.
            uint64_t total = 0;
            zip_int64_t got = 0;
            while ((got = zip_fread(file, buffer.data(), buffer.size())) > 0) total += static_cast<uint64_t>(got);
            const bool closedClean = zip_fclose(file) == 0;
            check.intact = got == 0 && closedClean && total == st.size;
        }
        checks.push_back(std::move(check));
        if (keepGoing && !keepGoing()) {
            zip_discard(archive);
            return std::nullopt;
        }
    }
    zip_discard(archive);
    return checks;
}

std::optional<FileDigest> Win32ZipArchives::digest(const std::string& path) {
    Handle file = openForReading(widen(path));
    if (!file) return std::nullopt;
    FileDigest result;
    uLong crc = crc32(0L, Z_NULL, 0);
    std::string buffer(1 << 16, '\0');
    DWORD got = 0;
    while (true) {
        if (!ReadFile(file.get(), buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr)) return std::nullopt;
        if (got == 0) break;
        crc = crc32(crc, reinterpret_cast<const Bytef*>(buffer.data()), got);
        result.size += got;
    }
    result.crc = static_cast<uint32_t>(crc);
    return result;
}

}  // namespace kefelo::platform::win32
