#pragma once
// Shortcuts to the program: a plain one that opens the main window and a cleaning one
// that starts the automatic cleaning without it, on the Desktop or in the Start menu.
#include <string>
#include <string_view>
#include <vector>

#include "platform/shell_links.h"
#include "platform/ui_services.h"

namespace kefelo::integration {

inline constexpr std::string_view kShortcutGroupCaption =
    "  P a r a n c s i k o n o k   k é s z í t é s e   a   p r o g r a m h o z  ";
inline constexpr std::string_view kShortcutFunctionCaption = "  Parancsikon funkciója  ";
inline constexpr std::string_view kShortcutPlaceCaption = "  Parancsikon helye  ";
inline constexpr std::string_view kProgramRunCaption = "Általános programindítás";
inline constexpr std::string_view kRunCleanCaption = "A Takarítási folyamat elindítása";
inline constexpr std::string_view kDesktopCaption = "Asztal";
inline constexpr std::string_view kStartMenuCaption = "Start menü";
inline constexpr std::string_view kProgramRunHint = "A parancsikon elindítja, majd megjeleníti a Kefeló képernyőjét";
inline constexpr std::string_view kRunCleanHint =
    "A program képernyője nélkül indítja a Kefelót és rögtön elkezdi a Takarítási folyamatot";
inline constexpr std::string_view kDesktopHint = "Parancsikon elhelyezése az Asztalra ";
inline constexpr std::string_view kStartMenuHint = "Parancsikon elhelyezése a Start menübe";

inline constexpr std::string_view kShortcutDescription = "Kefeló - A merevlemezterület karbantartója";

// Where a shortcut goes (the numbers are the places of `CreateShortCut`).
enum class ShortcutPlace { Desktop = 0, StartMenu = 3 };

// "Kefeló.lnk" or "Kefeló - Takarítás.lnk".
std::string shortcutFileName(bool cleaning);
// Target, arguments, working folder (with its trailing backslash) and description.
platform::ShellLink shortcutLink(const std::string& executablePath, bool cleaning);

// `CreateShortCut`: writes the shortcut into the user's folder for the place, replacing
// one of the same name. A folder the shell cannot name, or a file that cannot be written,
// is told to the user; nothing is said on success. True when the file was written.
bool CreateShortCut(platform::ShellLinks& links, platform::UiServices& ui, const std::string& executablePath,
                    ShortcutPlace place, bool cleaning);

// The program's shortcuts in every place they may stand (both kinds, Desktop and Start
// menu), removed when they lead to this executable; a file of the same name that leads
// elsewhere is the user's and stays. Returns the paths that could not be removed.
std::vector<std::string> removeShortcuts(platform::ShellLinks& links, const std::string& executablePath);

}  // namespace kefelo::integration
