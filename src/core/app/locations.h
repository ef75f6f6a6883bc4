#pragma once
// One spelling for every folder location. Windows reads "C:/", "C:\\", "C:\." and
// "c:\WINDOWS\..\WINDOWS" as the same folder, so every rule that decides about a location
// (duplicates, the Windows directory, drives, protected folders) compares this form, never
// the text the user typed. The lists keep that text; only the decisions use this.
//
// The form: "C:\" for a drive root, "C:\A\B" below it, "\\server\share" and
// "\\server\share\A" on the network; "/" read as "\", runs of separators collapsed, "."
// and ".." applied (never above the root), trailing separators, dots and blanks trimmed,
// the "\\?\" and "\\?\UNC\" prefixes taken off, the drive letter upper case.
//
// A relative path ("Temp", "\Temp", "C:Temp") depends on a current folder that can be
// anything when a run starts, and a path with a stream (":"), a wildcard or a device name
// is no plain folder; none of them is a location, so none can ever be a container.
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace kefelo::app {

// The text alone; nullopt when the text names no folder by a full path. A bare drive
// ("D:") means its root, as the container list has always stored whole drives.
std::optional<std::string> NormalPath(std::string_view path);

// NormalPath, then the long names the file system reports where the folder exists
// ("C:\PROGRA~1" -> "C:\Program Files").
std::optional<std::string> NormalLocation(platform::FileSystem& fs, std::string_view path);

// A drive root ("C:\") or a network share root ("\\server\share"). Takes a normal form.
bool IsRootLocation(std::string_view normal);

// Normal forms compared without regard to letter case (accented letters included).
bool SameLocation(std::string_view a, std::string_view b);
// `inner` is `outer` itself or a folder somewhere below it.
bool IsWithinLocation(std::string_view inner, std::string_view outer);
// The folder above a normal form; empty for a root.
std::string ParentLocation(std::string_view normal);

// Both texts through NormalLocation, then SameLocation; texts that are no location are
// compared as typed, letter case ignored, so two identical odd lines still count as one.
bool SameFolder(platform::FileSystem& fs, std::string_view a, std::string_view b);

}  // namespace kefelo::app
