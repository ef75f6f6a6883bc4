#pragma once
// The rules of the ZIP window that need no window: the archive's default name, the ".zip"
// ending, the names of the entries and the texts of the space balance.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/time/datetime.h"

namespace kefelo::search {

// The target directory + "\" + the date and time: year_month_day_... on a Hungarian
// system ("hun"), day_month_year_... elsewhere; hour, minute and second follow.
std::string defaultArchiveName(std::string_view directory, timeutil::TDateTime now, std::string_view language);

// `FileAd`: the name's extension (from its last dot, when that dot is in the file name) is
// replaced by ".zip".
std::string FileAd(std::string_view name);

// The folder part of a path, without the trailing backslash ("C:" for a file in the root).
std::string folderOf(std::string_view path);
std::string fileNameOf(std::string_view path);

// The entry name of a file: its path without the drive ("C:" or "\\server\share"), "/"
// between the folders, "." and ".." parts left out, so that unpacking stays inside the
// chosen folder. nullopt when nothing would be left.
std::optional<std::string> zipEntryName(std::string_view path);

// The result of the deletion: what the archive took and the deleted files gave back.
std::string spaceBalanceText(int64_t balance);

// The archive comment with the number of files stored.
std::string archiveComment(std::string_view webAddress, std::string_view date, size_t fileCount);

}  // namespace kefelo::search
