#include <windows.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <string>
#include <string_view>

#include "platform/win32/handle.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"

namespace kefelo::platform::win32 {
namespace {

// Past this length the plain form of a path stops working; the "\\?\" form takes any
// length but skips the normalisation of "." and "..", which GetFullPathNameW does first.
constexpr size_t kPlainPathLimit = 240;

// Whole-file reads are for the program's own small files; a huge file is refused with
// "not enough memory" rather than tried (the fake uses the same limit).
constexpr uint64_t kMaxReadSize = 256ull << 20;

std::wstring toWide(const std::string& path) {
    std::wstring w = widen(path);
    if (w.size() < kPlainPathLimit || w.rfind(L"\\\\?\\", 0) == 0) return w;
    DWORD need = GetFullPathNameW(w.c_str(), 0, nullptr, nullptr);
    if (need == 0) return w;
    std::wstring full(need, L'\0');
    DWORD got = GetFullPathNameW(w.c_str(), need, full.data(), nullptr);
    if (got == 0 || got >= need) return w;
    full.resize(got);
    if (full.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

// "C", "C:" and "C:\" all name the root of drive C.
std::wstring rootOf(const std::string& root) {
    std::wstring w = widen(root);
    if (w.size() == 1) w += L':';
    if (!w.empty() && w.back() != L'\\') w += L'\\';
    return w;
}

// An empty removable drive answers with an error instead of the system's "no disk" box.
class QuietDriveErrors {
public:
    QuietDriveErrors() { SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &old_); }
    ~QuietDriveErrors() { SetThreadErrorMode(old_, nullptr); }
    QuietDriveErrors(const QuietDriveErrors&) = delete;
    QuietDriveErrors& operator=(const QuietDriveErrors&) = delete;

private:
    DWORD old_ = 0;
};

int64_t ticksOf(const FILETIME& ft) {
    return static_cast<int64_t>((static_cast<uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime);
}

DirEntry entryOf(const WIN32_FIND_DATAW& data) {
    DirEntry e;
    e.name = narrow(data.cFileName);
    e.shortName = narrow(data.cAlternateFileName);
    e.attributes = data.dwFileAttributes;
    e.size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    e.lastWriteUtc = ticksOf(data.ftLastWriteTime);
    return e;
}

class Win32Listing : public Listing {
public:
    Win32Listing(HANDLE find, const WIN32_FIND_DATAW& first) : find_(find), data_(first), pending_(true) {}
    Win32Listing() = default;
    ~Win32Listing() override {
        if (find_ != INVALID_HANDLE_VALUE) FindClose(find_);
    }
    bool next(DirEntry& entry) override {
        if (!pending_) {
            if (find_ == INVALID_HANDLE_VALUE || !FindNextFileW(find_, &data_)) return false;
        }
        pending_ = false;
        entry = entryOf(data_);
        return true;
    }

private:
    HANDLE find_ = INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAW data_{};
    bool pending_ = false;
};

// Attribute bits SetFileAttributesW accepts; the directory bit and the like are the
// volume's to decide.
constexpr DWORD kSettable = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                            FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_OFFLINE |
                            FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

std::atomic<unsigned> tempCounter{0};

}  // namespace

std::unique_ptr<Listing> Win32FileSystem::list(const std::string& pattern) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileExW(toWide(pattern).c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr,
                                   FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        // A folder with nothing that matches is listable, just empty.
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES) return std::make_unique<Win32Listing>();
        lastError_ = error;
        return nullptr;
    }
    return std::make_unique<Win32Listing>(find, data);
}

std::optional<DirEntry> Win32FileSystem::find(const std::string& path) {
    WIN32_FIND_DATAW data;
    // The standard information level, so that the 8.3 alias comes along.
    HANDLE h = FindFirstFileExW(toWide(path).c_str(), FindExInfoStandard, &data, FindExSearchNameMatch, nullptr, 0);
    if (h == INVALID_HANDLE_VALUE) {
        lastError_ = GetLastError();
        return std::nullopt;
    }
    FindClose(h);
    return entryOf(data);
}

std::optional<uint32_t> Win32FileSystem::getAttributes(const std::string& path) {
    DWORD a = GetFileAttributesW(toWide(path).c_str());
    if (a == INVALID_FILE_ATTRIBUTES) {
        lastError_ = GetLastError();
        return std::nullopt;
    }
    return a;
}

bool Win32FileSystem::setAttributes(const std::string& path, uint32_t attributes) {
    DWORD a = attributes & kSettable;
    if (SetFileAttributesW(toWide(path).c_str(), a ? a : FILE_ATTRIBUTE_NORMAL)) return true;
    lastError_ = GetLastError();
    return false;
}

bool Win32FileSystem::fileExists(const std::string& path) {
    auto a = getAttributes(path);
    return a && !(*a & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::directoryExists(const std::string& path) {
    auto a = getAttributes(path);
    return a && (*a & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::deleteFile(const std::string& path) {
    if (DeleteFileW(toWide(path).c_str())) return true;
    lastError_ = GetLastError();
    return false;
}

bool Win32FileSystem::removeDirectory(const std::string& path) {
    if (RemoveDirectoryW(toWide(path).c_str())) return true;
    lastError_ = GetLastError();
    return false;
}

bool Win32FileSystem::createDirectory(const std::string& path) {
    if (CreateDirectoryW(toWide(path).c_str(), nullptr)) return true;
    lastError_ = GetLastError();
    return false;
}

bool Win32FileSystem::moveFile(const std::string& from, const std::string& to) {
    // The flags of plain MoveFile: files may go to another drive, an existing target stays.
    if (MoveFileExW(toWide(from).c_str(), toWide(to).c_str(), MOVEFILE_COPY_ALLOWED)) return true;
    lastError_ = GetLastError();
    return false;
}

bool Win32FileSystem::deleteAtRestart(const std::string& path) {
    // Recorded by the system and carried out at its next start, before programs run.
    if (MoveFileExW(toWide(path).c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT)) return true;
    lastError_ = GetLastError();
    return false;
}

bool Win32FileSystem::copyFile(const std::string& from, const std::string& to, bool failIfExists) {
    std::wstring target = toWide(to);
    // Windows refuses to overwrite a read-only or hidden file; some file systems under
    // other hosts would not, and a protected file must stay protected everywhere.
    DWORD existing = failIfExists ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(target.c_str());
    if (existing != INVALID_FILE_ATTRIBUTES && (existing & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN)) &&
        !(existing & FILE_ATTRIBUTE_DIRECTORY)) {
        lastError_ = ERROR_ACCESS_DENIED;
        return false;
    }
    if (CopyFileW(toWide(from).c_str(), target.c_str(), failIfExists)) return true;
    lastError_ = GetLastError();
    return false;
}

std::optional<FolderIdentity> Win32FileSystem::identify(const std::string& path) {
    QuietDriveErrors quiet;
    // No access rights are asked for: only the identity is read, so a folder the user may
    // not list still answers, and nobody else's use of it is disturbed.
    Handle handle(CreateFileW(toWide(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!handle) {
        lastError_ = GetLastError();
        return std::nullopt;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(handle.get(), &info)) {
        lastError_ = GetLastError();
        return std::nullopt;
    }
    std::wstring final(MAX_PATH, L'\0');
    DWORD got = GetFinalPathNameByHandleW(handle.get(), final.data(), static_cast<DWORD>(final.size()),
                                          FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (got >= final.size()) {
        final.resize(got + 1);
        got = GetFinalPathNameByHandleW(handle.get(), final.data(), static_cast<DWORD>(final.size()),
                                        FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    }
    if (got == 0 || got >= final.size()) {
        lastError_ = got ? ERROR_INSUFFICIENT_BUFFER : GetLastError();
        return std::nullopt;
    }
    final.resize(got);
    if (final.rfind(L"\\\\?\\UNC\\", 0) == 0) {
        final = L"\\\\" + final.substr(8);
    } else if (final.rfind(L"\\\\?\\", 0) == 0) {
        final = final.substr(4);
    }
    FolderIdentity identity;
    identity.finalPath = narrow(final);
    identity.volumeSerial = info.dwVolumeSerialNumber;
    identity.fileId = (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    return identity;
}

std::string Win32FileSystem::shortPath(const std::string& path) {
    std::wstring w = widen(path);
    DWORD need = GetShortPathNameW(w.c_str(), nullptr, 0);
    if (need == 0) {
        lastError_ = GetLastError();
        return path;
    }
    std::wstring out(need, L'\0');
    DWORD got = GetShortPathNameW(w.c_str(), out.data(), need);
    if (got == 0 || got >= need) {
        lastError_ = got ? ERROR_INSUFFICIENT_BUFFER : GetLastError();
        return path;
    }
    out.resize(got);
    return narrow(out);
}

std::optional<std::string> Win32FileSystem::readFile(const std::string& path) {
    Handle file(CreateFileW(toWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) {
        lastError_ = GetLastError();
        return std::nullopt;
    }
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.get(), &size)) {
        lastError_ = GetLastError();
        return std::nullopt;
    }
    if (static_cast<uint64_t>(size.QuadPart) > kMaxReadSize) {
        lastError_ = ERROR_NOT_ENOUGH_MEMORY;
        return std::nullopt;
    }
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD got = 0;
        DWORD want = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 24));
        if (!ReadFile(file.get(), bytes.data() + done, want, &got, nullptr)) {
            lastError_ = GetLastError();
            return std::nullopt;
        }
        if (got == 0) break;  // the file shrank while we read it
        done += got;
    }
    bytes.resize(done);
    return bytes;
}

namespace {

// A rename may replace a read-only file on some file systems; Windows refuses, and so do
// we everywhere, so a file the user protected stays as it is.
bool refusesReplace(const std::wstring& target) {
    const DWORD existing = GetFileAttributesW(target.c_str());
    return existing != INVALID_FILE_ATTRIBUTES && (existing & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY));
}

class Win32AtomicWriter : public AtomicWriter {
public:
    Win32AtomicWriter(std::wstring target, std::wstring temp, Handle file, uint32_t& lastError)
        : target_(std::move(target)), temp_(std::move(temp)), file_(std::move(file)), lastError_(lastError) {}
    ~Win32AtomicWriter() override { discard(); }

    bool write(std::string_view bytes) override {
        while (ok_ && file_ && !bytes.empty()) {
            DWORD wrote = 0;
            const DWORD want = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 24));
            ok_ = WriteFile(file_.get(), bytes.data(), want, &wrote, nullptr) && wrote > 0;
            if (!ok_) lastError_ = GetLastError();
            bytes.remove_prefix(std::min<size_t>(wrote, bytes.size()));
        }
        return ok_ && file_;
    }

    bool commit() override {
        if (!ok_ || !file_) return false;
        // The bytes must be on the disk before the rename makes them the file.
        if (!FlushFileBuffers(file_.get())) return fail(GetLastError());
        file_.reset();
        if (refusesReplace(target_)) return fail(ERROR_ACCESS_DENIED);
        if (!MoveFileExW(temp_.c_str(), target_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return fail(GetLastError());
        temp_.clear();
        return true;
    }

private:
    bool fail(DWORD error) {
        lastError_ = error;
        discard();
        return false;
    }
    void discard() {
        ok_ = false;
        file_.reset();
        if (!temp_.empty()) DeleteFileW(temp_.c_str());
        temp_.clear();
    }

    std::wstring target_;
    std::wstring temp_;  // empty once renamed or deleted
    Handle file_;
    uint32_t& lastError_;
    bool ok_ = true;
};

}  // namespace

std::unique_ptr<AtomicWriter> Win32FileSystem::beginAtomicWrite(const std::string& path) {
    std::wstring target = toWide(path);
    if (refusesReplace(target)) {
        lastError_ = ERROR_ACCESS_DENIED;
        return nullptr;
    }
    // Beside the target, so the rename stays on one volume; unique per process and call.
    std::wstring temp = target + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" +
                        std::to_wstring(tempCounter.fetch_add(1)) + L".tmp";
    Handle file(CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        lastError_ = GetLastError();
        return nullptr;
    }
    return std::make_unique<Win32AtomicWriter>(std::move(target), std::move(temp), std::move(file), lastError_);
}

bool Win32FileSystem::writeFileAtomic(const std::string& path, const std::string& bytes) {
    const std::unique_ptr<AtomicWriter> writer = beginAtomicWrite(path);
    return writer && writer->write(bytes) && writer->commit();
}

std::string Win32FileSystem::currentDirectory() {
    DWORD need = GetCurrentDirectoryW(0, nullptr);
    std::wstring dir(need, L'\0');
    DWORD got = GetCurrentDirectoryW(need, dir.data());
    dir.resize(got < need ? got : 0);
    return narrow(dir);
}

bool Win32FileSystem::setCurrentDirectory(const std::string& path) {
    if (SetCurrentDirectoryW(toWide(path).c_str())) return true;
    lastError_ = GetLastError();
    return false;
}

uint32_t Win32FileSystem::logicalDrives() { return GetLogicalDrives(); }

DriveType Win32FileSystem::driveType(const std::string& root) {
    return static_cast<DriveType>(GetDriveTypeW(rootOf(root).c_str()));
}

std::optional<DiskSpace> Win32FileSystem::diskSpace(const std::string& root) {
    const QuietDriveErrors quiet;
    ULARGE_INTEGER caller, total, free;
    if (!GetDiskFreeSpaceExW(rootOf(root).c_str(), &caller, &total, &free)) {
        lastError_ = GetLastError();
        return std::nullopt;
    }
    return DiskSpace{caller.QuadPart, total.QuadPart, free.QuadPart};
}

std::optional<std::string> Win32FileSystem::volumeLabel(const std::string& root) {
    const QuietDriveErrors quiet;
    wchar_t label[MAX_PATH + 1] = {};
    if (!GetVolumeInformationW(rootOf(root).c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0)) {
        lastError_ = GetLastError();
        return std::nullopt;
    }
    return narrow(label);
}

uint32_t Win32FileSystem::lastError() { return lastError_; }

}  // namespace kefelo::platform::win32
