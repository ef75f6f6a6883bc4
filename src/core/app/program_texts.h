#pragma once
// Names and captions built from the program directory and the file version.
#include <string>
#include <string_view>

namespace kefelo::app {

inline constexpr const char* kWebAddress = "http://kefelo.hu";
inline constexpr const char* kForumAddress = "http://kefelo.hu/forum";

// The executable's directory with exactly one trailing "\".
std::string programDirectoryOf(std::string_view executablePath);

// "Kefeló v" + version: the tray hint and the first tray menu item.
std::string programTitle(std::string_view fileVersion);
// The main window caption.
std::string mainWindowCaption(std::string_view fileVersion);
// The status bar text when the main window shows: the caption with a leading blank.
std::string welcomeStatusText(std::string_view fileVersion);

// The balloon that announces the search of a handed-over directory.
std::string searchBalloonTitle(std::string_view fileVersion);
std::string searchBalloonText(std::string_view path);

// Application titles: the pre-start phase of a first run, then the working program.
inline constexpr const char* kInstallApplicationTitle = "Kefeló telepítése";
inline constexpr const char* kApplicationTitle = "Kefeló";

// Tray hints while a wizard runs before the main window.
std::string installTrayHint(std::string_view fileVersion);
std::string updateTrayHint(std::string_view fileVersion);
// The warning balloon of an update run, about a firewall that asks for confirmation.
std::string updateBalloonTitle(std::string_view fileVersion);
inline constexpr const char* kUpdateBalloonText =
    "Amennyiben tűzfala megerősítést vár, engedélyezze, hogy a Kefeló csatlakozhasson kiszolgálójához!";

// First run on a system whose language is not Hungarian.
std::string languageWarning();
// The program directory refused a new file; asks whether to open its property sheet.
std::string writabilityWarning(std::string_view programDirectory);
// The first start after an update.
std::string updatedMessage(std::string_view fileVersion);

// Texts of the start-up splash.
inline constexpr const char* kSplashLoadingText = "A Kefeló program betöltése folyamatban... Kérem várjon!";
inline constexpr const char* kSplashUpdateSearchText = "A Kefeló új változatának keresése...Kérem, várjon!";
inline constexpr const char* kSplashAutomaticText = "Az automatikus futtatás folyamatban... Kérem, várjon!";
inline constexpr const char* kSplashCancellingText = "A keresés leállítása...Kis türelmet!";
inline constexpr const char* kSplashCancelCaption = "Megszakít";
inline constexpr const char* kSplashCaption = "Kefelo";

// The welcome screen shown instead of the pages when there is no configuration yet.
inline constexpr const char* kWelcomeTitle = "Üdvözlöm a Kefeló programban!";
inline constexpr const char* kWelcomeReadHelp =
    "  Kérem, hogy a program használata előtt először figyelmesen olvassa el a program leírását:";

}  // namespace kefelo::app
