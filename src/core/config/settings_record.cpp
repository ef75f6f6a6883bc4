#include "core/config/settings_record.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "base/text/codec.h"

namespace kefelo::config {
namespace {

// Field offsets of the record. Everything not listed (reserved and padding bytes) is
// carried over from `raw`.
constexpr size_t kAutoClean = 2;
constexpr size_t kGoToTrayOnClose = 3;
constexpr size_t kQuitAfterAutoClean = 4;
constexpr size_t kAutoCleanDays = 6;
constexpr size_t kLastCleaning = 8;
constexpr size_t kWindowLeft = 16;
constexpr size_t kWindowTop = 20;
constexpr size_t kWindowWidth = 24;
constexpr size_t kWindowHeight = 28;
constexpr size_t kViewAlerts = 32;
constexpr size_t kStartWithWindows = 33;
constexpr size_t kEventLogging = 34;
constexpr size_t kStayOnTop = 35;
constexpr size_t kRecursiveSearch = 36;
constexpr size_t kDeleteEmptyFolders = 37;
constexpr size_t kBeep = 38;
constexpr size_t kFullSearch = 39;
constexpr size_t kHistory = 41;
constexpr size_t kOwnTypes = 1321;
constexpr size_t kActivePage = 1580;
constexpr size_t kZipDirectory = 1584;
constexpr size_t kLastUpdateSearch = 1840;
constexpr size_t kUpdateSearch = 1848;
constexpr size_t kUpdateSearchDays = 1852;

// The options added later live at the end of the reserved bytes, which older copies of
// the program carry over unchanged. Those bytes may hold anything in a record another
// program wrote, so they count only behind the signature and with a matching check byte;
// otherwise the options read as off.
constexpr size_t kExtension = 2104;
constexpr char kExtensionSignature[4] = {'K', 'f', 'x', '1'};
constexpr size_t kKeepFreshHours = kExtension + 4;
constexpr size_t kRecycleRun = kExtension + 8;
constexpr size_t kRecycleFound = kExtension + 9;
constexpr size_t kExtensionCheck = kExtension + 10;
constexpr int32_t kKeepFreshHoursMax = 100'000;

// A short string: one length byte and room for 255 bytes of text.
constexpr size_t kShortStringSize = 256;
constexpr size_t kShortStringMax = 255;

class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    // Any non-zero byte reads as true, so a record written by a program that stores
    // booleans as other non-zero values still switches the option on.
    bool boolean(size_t at) const { return byte(at) != 0; }
    uint16_t u16(size_t at) const { return static_cast<uint16_t>(byte(at) | (byte(at + 1) << 8)); }
    int32_t i32(size_t at) const { return static_cast<int32_t>(u32(at)); }
    double date(size_t at) const {
        return std::bit_cast<double>(static_cast<uint64_t>(u32(at)) | (static_cast<uint64_t>(u32(at + 4)) << 32));
    }
    std::string shortString(size_t at) const { return text::cp1250ToUtf8(bytes_.substr(at + 1, byte(at))); }

private:
    uint32_t byte(size_t at) const { return static_cast<unsigned char>(bytes_[at]); }
    uint32_t u32(size_t at) const {
        return byte(at) | (byte(at + 1) << 8) | (byte(at + 2) << 16) | (byte(at + 3) << 24);
    }

    std::string_view bytes_;
};

class Writer {
public:
    explicit Writer(std::string& out) : out_(out) {}

    void boolean(size_t at, bool value) { out_[at] = value ? 1 : 0; }
    void u16(size_t at, uint16_t value) { put(at, value, 2); }
    void i32(size_t at, int32_t value) { put(at, static_cast<uint32_t>(value), 4); }
    void date(size_t at, double value) { put(at, std::bit_cast<uint64_t>(value), 8); }
    // Cut to 255 bytes of Windows-1250; the unused rest of the slot is zeroed so no
    // stale text of an older, longer value lingers in the file.
    void shortString(size_t at, std::string_view utf8) {
        std::string bytes = text::utf8ToCp1250(utf8);
        if (bytes.size() > kShortStringMax) bytes.resize(kShortStringMax);
        out_[at] = static_cast<char>(bytes.size());
        std::memset(&out_[at + 1], 0, kShortStringMax);
        std::memcpy(&out_[at + 1], bytes.data(), bytes.size());
    }

private:
    void put(size_t at, uint64_t value, int width) {
        for (int i = 0; i < width; ++i) out_[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }

    std::string& out_;
};

uint8_t extensionCheck(const char* record) {
    uint8_t sum = 0x5A;
    for (size_t i = kExtension; i < kExtensionCheck; ++i) sum = static_cast<uint8_t>(sum * 31 + static_cast<uint8_t>(record[i]));
    return sum;
}

}  // namespace

std::optional<Settings> decodeSettingsRecord(std::string_view bytes) {
    if (bytes.size() < kSettingsRecordSize) return std::nullopt;
    bytes = bytes.substr(0, kSettingsRecordSize);
    Reader r(bytes);
    Settings s;
    std::memcpy(s.raw.data(), bytes.data(), kSettingsRecordSize);
    s.autoClean = r.boolean(kAutoClean);
    s.goToTrayOnClose = r.boolean(kGoToTrayOnClose);
    s.quitAfterAutoClean = r.boolean(kQuitAfterAutoClean);
    s.autoCleanDays = r.u16(kAutoCleanDays);
    s.lastCleaning = r.date(kLastCleaning);
    s.windowLeft = r.i32(kWindowLeft);
    s.windowTop = r.i32(kWindowTop);
    s.windowWidth = r.i32(kWindowWidth);
    s.windowHeight = r.i32(kWindowHeight);
    s.viewAlerts = r.boolean(kViewAlerts);
    s.startWithWindows = r.boolean(kStartWithWindows);
    s.eventLogging = r.boolean(kEventLogging);
    s.stayOnTop = r.boolean(kStayOnTop);
    s.recursiveSearch = r.boolean(kRecursiveSearch);
    s.deleteEmptyFolders = r.boolean(kDeleteEmptyFolders);
    s.beep = r.boolean(kBeep);
    s.fullSearch = r.boolean(kFullSearch);
    for (int i = 0; i < kHistorySlots; ++i) s.history[i] = r.shortString(kHistory + i * kShortStringSize);
    s.ownTypes = r.shortString(kOwnTypes);
    s.activePage = r.i32(kActivePage);
    s.zipDirectory = r.shortString(kZipDirectory);
    s.lastUpdateSearch = r.date(kLastUpdateSearch);
    s.updateSearch = r.boolean(kUpdateSearch);
    s.updateSearchDays = r.i32(kUpdateSearchDays);
    if (std::memcmp(bytes.data() + kExtension, kExtensionSignature, 4) == 0 &&
        static_cast<uint8_t>(bytes[kExtensionCheck]) == extensionCheck(bytes.data())) {
        const int32_t hours = r.i32(kKeepFreshHours);
        s.keepFreshHours = hours >= 0 && hours <= kKeepFreshHoursMax ? hours : 0;
        s.recycleRun = r.boolean(kRecycleRun);
        s.recycleFound = r.boolean(kRecycleFound);
    }
    return s;
}

std::string encodeSettingsRecord(const Settings& s) {
    std::string out(reinterpret_cast<const char*>(s.raw.data()), kSettingsRecordSize);
    Writer w(out);
    w.boolean(kAutoClean, s.autoClean);
    w.boolean(kGoToTrayOnClose, s.goToTrayOnClose);
    w.boolean(kQuitAfterAutoClean, s.quitAfterAutoClean);
    w.u16(kAutoCleanDays, s.autoCleanDays);
    w.date(kLastCleaning, s.lastCleaning);
    w.i32(kWindowLeft, s.windowLeft);
    w.i32(kWindowTop, s.windowTop);
    w.i32(kWindowWidth, s.windowWidth);
    w.i32(kWindowHeight, s.windowHeight);
    w.boolean(kViewAlerts, s.viewAlerts);
    w.boolean(kStartWithWindows, s.startWithWindows);
    w.boolean(kEventLogging, s.eventLogging);
    w.boolean(kStayOnTop, s.stayOnTop);
    w.boolean(kRecursiveSearch, s.recursiveSearch);
    w.boolean(kDeleteEmptyFolders, s.deleteEmptyFolders);
    w.boolean(kBeep, s.beep);
    w.boolean(kFullSearch, s.fullSearch);
    for (int i = 0; i < kHistorySlots; ++i) w.shortString(kHistory + i * kShortStringSize, s.history[i]);
    w.shortString(kOwnTypes, s.ownTypes);
    w.i32(kActivePage, s.activePage);
    w.shortString(kZipDirectory, s.zipDirectory);
    w.date(kLastUpdateSearch, s.lastUpdateSearch);
    w.boolean(kUpdateSearch, s.updateSearch);
    w.i32(kUpdateSearchDays, s.updateSearchDays);
    // Written only once one of them is on, so a record of someone who never used them
    // stays byte for byte what an older copy would write.
    if (s.keepFreshHours != 0 || s.recycleRun || s.recycleFound ||
        std::memcmp(out.data() + kExtension, kExtensionSignature, 4) == 0) {
        std::memcpy(&out[kExtension], kExtensionSignature, 4);
        w.i32(kKeepFreshHours, std::clamp(s.keepFreshHours, 0, kKeepFreshHoursMax));
        w.boolean(kRecycleRun, s.recycleRun);
        w.boolean(kRecycleFound, s.recycleFound);
        out[kExtensionCheck] = static_cast<char>(extensionCheck(out.data()));
    }
    return out;
}

}  // namespace kefelo::config
