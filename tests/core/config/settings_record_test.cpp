#include "core/config/settings_record.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

using namespace kefelo;
using config::Settings;

namespace {

// Every field at its zero value, so a record of it is 2120 zero bytes.
Settings zeroSettings() {
    Settings s;
    s.autoCleanDays = 0;
    s.windowWidth = s.windowHeight = 0;
    s.viewAlerts = s.recursiveSearch = s.deleteEmptyFolders = s.beep = false;
    s.updateSearchDays = 0;
    return s;
}

struct FieldCase {
    const char* name;
    std::function<void(Settings&)> set;
    size_t offset;
    std::string bytes;  // what must appear there, and nothing else may change
};

std::string b(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out.push_back(static_cast<char>(v));
    return out;
}

std::vector<FieldCase> fieldCases() {
    std::vector<FieldCase> cases = {
        {"autoClean", [](Settings& s) { s.autoClean = true; }, 2, b({1})},
        {"goToTrayOnClose", [](Settings& s) { s.goToTrayOnClose = true; }, 3, b({1})},
        {"quitAfterAutoClean", [](Settings& s) { s.quitAfterAutoClean = true; }, 4, b({1})},
        {"autoCleanDays", [](Settings& s) { s.autoCleanDays = 0x1234; }, 6, b({0x34, 0x12})},
        // 1.5 = 0x3FF8000000000000
        {"lastCleaning", [](Settings& s) { s.lastCleaning = 1.5; }, 8, b({0, 0, 0, 0, 0, 0, 0xF8, 0x3F})},
        {"windowLeft", [](Settings& s) { s.windowLeft = -2; }, 16, b({0xFE, 0xFF, 0xFF, 0xFF})},
        {"windowTop", [](Settings& s) { s.windowTop = 0x01020304; }, 20, b({4, 3, 2, 1})},
        {"windowWidth", [](Settings& s) { s.windowWidth = 649; }, 24, b({0x89, 0x02, 0, 0})},
        {"windowHeight", [](Settings& s) { s.windowHeight = 400; }, 28, b({0x90, 0x01, 0, 0})},
        {"viewAlerts", [](Settings& s) { s.viewAlerts = true; }, 32, b({1})},
        {"startWithWindows", [](Settings& s) { s.startWithWindows = true; }, 33, b({1})},
        {"eventLogging", [](Settings& s) { s.eventLogging = true; }, 34, b({1})},
        {"stayOnTop", [](Settings& s) { s.stayOnTop = true; }, 35, b({1})},
        {"recursiveSearch", [](Settings& s) { s.recursiveSearch = true; }, 36, b({1})},
        {"deleteEmptyFolders", [](Settings& s) { s.deleteEmptyFolders = true; }, 37, b({1})},
        {"beep", [](Settings& s) { s.beep = true; }, 38, b({1})},
        {"fullSearch", [](Settings& s) { s.fullSearch = true; }, 39, b({1})},
        {"ownTypes", [](Settings& s) { s.ownTypes = "*.ő"; }, 1321, b({3, '*', '.', 0xF5})},
        {"activePage", [](Settings& s) { s.activePage = 3; }, 1580, b({3, 0, 0, 0})},
        {"zipDirectory", [](Settings& s) { s.zipDirectory = "C:\\Zip"; }, 1584, b({6, 'C', ':', '\\', 'Z', 'i', 'p'})},
        {"lastUpdateSearch", [](Settings& s) { s.lastUpdateSearch = -2.0; }, 1840, b({0, 0, 0, 0, 0, 0, 0, 0xC0})},
        {"updateSearch", [](Settings& s) { s.updateSearch = true; }, 1848, b({1})},
        {"updateSearchDays", [](Settings& s) { s.updateSearchDays = 15; }, 1852, b({15, 0, 0, 0})},
    };
    for (int i = 0; i < config::kHistorySlots; ++i) {
        cases.push_back({"history",
                         [i](Settings& s) { s.history[i] = std::string(1, static_cast<char>('A' + i)) + "é"; },
                         41 + 256 * static_cast<size_t>(i), b({2, 'A' + i, 0xE9})});
    }
    return cases;
}

}  // namespace

TEST(SettingsRecord, FreshRecordIsAllZeroAndFieldsLandAtTheirOffsets) {
    const std::string zero = config::encodeSettingsRecord(zeroSettings());
    ASSERT_EQ(zero, std::string(config::kSettingsRecordSize, '\0'));

    for (const FieldCase& c : fieldCases()) {
        SCOPED_TRACE(c.name);
        Settings s = zeroSettings();
        c.set(s);
        const std::string record = config::encodeSettingsRecord(s);
        ASSERT_EQ(record.size(), config::kSettingsRecordSize);
        EXPECT_EQ(record.substr(c.offset, c.bytes.size()), c.bytes);
        for (size_t i = 0; i < record.size(); ++i) {
            if (i >= c.offset && i < c.offset + c.bytes.size()) continue;
            ASSERT_EQ(record[i], 0) << "stray byte at " << i;
        }
        // Decoding the bytes gives the field back: the encoding of the decoded record
        // is the same record.
        auto decoded = config::decodeSettingsRecord(record);
        ASSERT_TRUE(decoded);
        EXPECT_EQ(config::encodeSettingsRecord(*decoded), record);
    }
}

TEST(SettingsRecord, ReservedAndPaddingBytesSurviveAndStringTailsAreCleared) {
    std::string input(config::kSettingsRecordSize, '\0');
    for (size_t i = 0; i < input.size(); ++i) input[i] = static_cast<char>(i * 7 + 3);
    // Plausible field values where they matter for the check below.
    input[41] = 3;  // history slot 0 holds three bytes
    auto decoded = config::decodeSettingsRecord(input);
    ASSERT_TRUE(decoded);
    const std::string output = config::encodeSettingsRecord(*decoded);

    std::set<size_t> kept = {0, 1, 5, 40, 1577, 1578, 1579, 1849, 1850, 1851};
    for (size_t i = 1856; i < config::kSettingsRecordSize; ++i) kept.insert(i);
    for (size_t i : kept) EXPECT_EQ(output[i], input[i]) << "byte " << i;

    EXPECT_EQ(output.substr(41, 4), input.substr(41, 4));
    EXPECT_EQ(output[45], 0);  // beyond the slot's length
    EXPECT_EQ(output[296], 0);
}

// The later options live in the reserved tail: an older copy carries them over untouched,
// a record that never used them keeps its tail as it was, and bytes that merely look like
// them (a wrong check byte, an hour count out of range) read as off.
TEST(SettingsRecord, LaterOptionsRideInTheReservedTailBehindASignature) {
    std::string input(config::kSettingsRecordSize, '\0');
    for (size_t i = 1856; i < input.size(); ++i) input[i] = static_cast<char>(i * 13 + 1);
    Settings s = *config::decodeSettingsRecord(input);
    EXPECT_EQ(s.keepFreshHours, 0);
    EXPECT_FALSE(s.recycleRun || s.recycleFound);
    EXPECT_EQ(config::encodeSettingsRecord(s).substr(1856), input.substr(1856));

    s.keepFreshHours = 48;
    s.recycleFound = true;
    const std::string written = config::encodeSettingsRecord(s);
    EXPECT_EQ(written.substr(1856, 248), input.substr(1856, 248)) << "the reserved bytes before them stay";
    const Settings back = *config::decodeSettingsRecord(written);
    EXPECT_EQ(back.keepFreshHours, 48);
    EXPECT_FALSE(back.recycleRun);
    EXPECT_TRUE(back.recycleFound);

    std::string damaged = written;
    damaged[2108] = 49;  // the hours, without the check byte following
    EXPECT_EQ(config::decodeSettingsRecord(damaged)->keepFreshHours, 0);
    EXPECT_FALSE(config::decodeSettingsRecord(damaged)->recycleFound);
}

TEST(SettingsRecord, NonZeroBooleansReadAsTrueAndAreWrittenAsOne) {
    std::string record(config::kSettingsRecordSize, '\0');
    record[2] = 7;
    record[1848] = static_cast<char>(0xFF);
    auto d = config::decodeSettingsRecord(record);
    ASSERT_TRUE(d);
    EXPECT_TRUE(d->autoClean);
    EXPECT_TRUE(d->updateSearch);
    EXPECT_FALSE(d->goToTrayOnClose);
    const std::string out = config::encodeSettingsRecord(*d);
    EXPECT_EQ(out[2], 1);
    EXPECT_EQ(out[1848], 1);
}

TEST(SettingsRecord, LongStringsAreCutTo255BytesAndNeverSpillIntoTheNextField) {
    Settings s = zeroSettings();
    s.ownTypes = std::string(300, 'x');
    s.history[0] = std::string(254, 'a') + "őő";  // accents are one byte each in the file
    s.zipDirectory = std::string(256, 'z');
    const std::string out = config::encodeSettingsRecord(s);
    EXPECT_EQ(static_cast<unsigned char>(out[1321]), 255);
    EXPECT_EQ(out.substr(1322, 255), std::string(255, 'x'));
    EXPECT_EQ(out[1577], 0);
    EXPECT_EQ(static_cast<unsigned char>(out[41]), 255);
    EXPECT_EQ(static_cast<unsigned char>(out[41 + 255]), 0xF5);
    EXPECT_EQ(out[297], 0);  // slot 1 untouched
    EXPECT_EQ(static_cast<unsigned char>(out[1584]), 255);
    EXPECT_EQ(out[1840], 0);

    auto d = config::decodeSettingsRecord(out);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->history[0], std::string(254, 'a') + "ő");
}

TEST(SettingsRecord, ShortInputIsNoRecordAndLongerInputIsReadForItsFirstRecord) {
    EXPECT_FALSE(config::decodeSettingsRecord(""));
    EXPECT_FALSE(config::decodeSettingsRecord(std::string(config::kSettingsRecordSize - 1, '\0')));

    std::string longer(config::kSettingsRecordSize + 100, static_cast<char>(0x55));
    longer[32] = 0;
    auto d = config::decodeSettingsRecord(longer);
    ASSERT_TRUE(d);
    EXPECT_FALSE(d->viewAlerts);
    EXPECT_EQ(d->activePage, 0x55555555);
    EXPECT_EQ(config::encodeSettingsRecord(*d).size(), config::kSettingsRecordSize);
}
