#pragma once
// The rules of the web update that need no window: the server's addresses, the version
// file, whether an offer is newer, which archive entries are taken, the replacement
// script, and the caption of the last attempt.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/time/datetime.h"
#include "core/maintenance/sha256.h"
#include "platform/zip_reader.h"

namespace kefelo::maintenance {

inline constexpr const char* kDefaultUpdateServer = "https://kefelo.hu";
inline constexpr const char* kVersionFilePath = "/update/kefelo/update.txt";
inline constexpr const char* kArchivePath = "/update/kefelo/new.zip";
inline constexpr const char* kVersionFileName = "update.txt";
inline constexpr const char* kArchiveName = "new.zip";
inline constexpr std::string_view kWebUpdateHint = "A frissítés a Kefeló kiszolgálójáról történik";
inline constexpr const char* kNewExecutableName = "new.exe";
inline constexpr const char* kBatchName = "update.bat";
// The version file is short; whatever comes after this many bytes is not read.
inline constexpr size_t kVersionFileLimit = 1024;

// The base address: the environment's override when it is set and not blank, else the
// program's own site; without a trailing "/".
std::string updateServerBase(const std::optional<std::string>& environmentValue);

struct VersionOffer {
    int32_t fileAge = 0;  // packed DOS date and time of the offered executable
    uint64_t size = 0;    // of new.zip, never 0
    std::optional<Sha256Digest> sha256;
};

// Line 1 the file age, line 2 the archive size (decimal), an optional line 3 the SHA-256 of
// the archive in hexadecimal. nullopt for anything else: a missing or non-numeric line, a
// size of 0, a third line that is not a digest.
std::optional<VersionOffer> parseVersionFile(std::string_view bytes);

// The offer is newer when the running executable's packed age is smaller, compared as
// signed 32-bit numbers.
bool isNewer(int64_t executableFileAge, int32_t offeredFileAge);

// The archive is the one announced: exactly its size and, when a digest came, its digest.
bool archiveMatches(std::string_view archive, const VersionOffer& offer);

// The indexes of the entries the update unpacks: only "new.exe" at the top of the archive
// (any letter case). Folders, names with a path, an absolute name or ".." are never taken.
std::vector<size_t> entriesToUnpack(const std::vector<platform::ZipEntryInfo>& entries);

// "update.bat": waits for the old executable to go (a bounded number of tries with a pause
// between them), gives new.exe its name and starts it with "/update". Run from any folder.
// nullopt when the name cannot be written exactly into the script.
std::optional<std::vector<std::string>> updateBatchLines(const std::string& executableName);
inline constexpr int kBatchDeleteTries = 60;

// `UtolsoUpdCaption`'s text for `label_lastupdatedate`.
std::string lastUpdateCaption(timeutil::TDateTime lastAttempt, std::string_view shortDateFormat);

}  // namespace kefelo::maintenance
