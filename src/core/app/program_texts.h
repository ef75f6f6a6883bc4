#pragma once
// Names and captions built from the program directory and the file version.
#include <string>
#include <string_view>

namespace kefelo::app {

inline constexpr const char* kWebAddress = "http://kefelo.hu";

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

}  // namespace kefelo::app
