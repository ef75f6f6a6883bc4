#pragma once
// The settings record of "beallitasok.cfg": exactly 2120 bytes, little-endian, no header.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/time/datetime.h"

namespace kefelo::config {

constexpr size_t kSettingsRecordSize = 2120;
constexpr int kHistorySlots = 5;

// Field values of the record; strings are UTF-8 here and Windows-1250 in the file.
struct Settings {
    bool autoClean = false;               // check_autorun
    bool goToTrayOnClose = false;         // check_gototrayonclose
    bool quitAfterAutoClean = false;      // check_quitprogramwhenautorundone
    uint16_t autoCleanDays = 8;           // edit_daysofautorun
    timeutil::TDateTime lastCleaning = 0.0;
    int32_t windowLeft = 0, windowTop = 0, windowWidth = 649, windowHeight = 400;
    bool viewAlerts = true;               // check_viewalerts
    bool startWithWindows = false;        // checked_startupwithwindows
    bool eventLogging = false;            // cNaplo
    bool stayOnTop = false;               // check_stayontop
    bool recursiveSearch = true;          // check_resursivesearchmode
    bool deleteEmptyFolders = true;       // check_deleteemptyfolder
    bool beep = true;                     // check_beep
    bool fullSearch = false;              // check_fullsearch
    std::array<std::string, kHistorySlots> history;  // search-location history, newest first
    std::string ownTypes;                 // own-types mask line (masks joined by "|")
    int32_t activePage = 0;               // pc
    std::string zipDirectory;
    timeutil::TDateTime lastUpdateSearch = 0.0;
    bool updateSearch = false;            // check_updatesearch
    int32_t updateSearchDays = 15;        // edit_updatesearch
    // Kept in the record's reserved tail, behind a signature (see the .cpp).
    int32_t keepFreshHours = 0;
    bool recycleRun = false;
    bool recycleFound = false;

    // The record as last read (or all zero): reserved and padding bytes are written back
    // from here unchanged.
    std::array<uint8_t, kSettingsRecordSize> raw{};
};

// Reads the first record; nullopt when fewer than 2120 bytes are there.
std::optional<Settings> decodeSettingsRecord(std::string_view bytes);
// Exactly 2120 bytes.
std::string encodeSettingsRecord(const Settings& settings);

}  // namespace kefelo::config
