#pragma once
// The rules of the web update that need no window: the server's addresses, the version
// file, whether an offer is newer, which archive entries are taken, the replacement
// script, and the caption of the last attempt.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/text/batch_quote.h"
#include "base/time/datetime.h"
#include "core/maintenance/sha256.h"
#include "platform/file_system.h"
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
// The largest archive an offer may announce. The program and its few files come to a few
// megabytes; anything near this is not an update of it, and is never fetched.
inline constexpr uint64_t kMaxArchiveSize = 64ull << 20;

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
// size of 0 or above kMaxArchiveSize, a third line that is not a digest.
std::optional<VersionOffer> parseVersionFile(std::string_view bytes);

// The offer is newer when the running executable's packed age is smaller, compared as
// signed 32-bit numbers.
bool isNewer(int64_t executableFileAge, int32_t offeredFileAge);

// The archive is the one announced: exactly its size and, when a digest came, its digest.
bool archiveMatches(std::string_view archive, const VersionOffer& offer);

// The indexes of the entries the update unpacks: only "new.exe" at the top of the archive
// (any letter case). Folders, names with a path, an absolute name or ".." are never taken.
std::vector<size_t> entriesToUnpack(const std::vector<platform::ZipEntryInfo>& entries);

// The program as the lines of its batch files name it: every path in full, so that the
// folder the script happens to be started in does not matter.
struct BatchProgram {
    std::string folder;      // the program directory, with trailing "\"
    std::string executable;  // the executable, in that folder
    std::string name;        // the executable's own (long) file name, for the one line that renames to it
};

// The forms of the program directory and the executable that a batch line can name exactly:
// the 8.3 form where it is plain ASCII (it reads right whatever code page the interpreter
// decodes the line in), else the long form where `charset` carries it; nullopt when
// neither can be written.
std::optional<BatchProgram> batchProgram(platform::FileSystem& fs, const std::string& programDirectory,
                                         const std::string& executablePath, text::BatchCharset charset);

// A file of the program directory as a batch line names it; nullopt when it cannot be
// written exactly.
std::optional<std::string> batchFileOf(const BatchProgram& program, std::string_view fileName,
                                       text::BatchCharset charset);

// The old executable's copy while the new one is put in place.
inline constexpr const char* kPreviousExecutableName = "update.old";

// "update.bat": does nothing unless the program directory still holds the script, the
// executable and new.exe. Keeps a copy of the old executable, waits until the old one can
// be deleted (the program is ending; a bounded number of tries with a pause between them),
// gives new.exe its name, starts it with "/update" and only then drops the copy. When any
// step fails, the old executable is put back under its name and started. nullopt when a
// path cannot be written exactly into the script.
inline constexpr int kBatchDeleteTries = 60;
std::optional<std::vector<std::string>> updateBatchLines(const BatchProgram& program, int tries = kBatchDeleteTries);

// A pause of about a second between two tries, by a program named in full: the folder
// the script is started in may hold anything.
const std::string& batchPauseLine();

// `UtolsoUpdCaption`'s text for `label_lastupdatedate`.
std::string lastUpdateCaption(timeutil::TDateTime lastAttempt, std::string_view shortDateFormat);

}  // namespace kefelo::maintenance
