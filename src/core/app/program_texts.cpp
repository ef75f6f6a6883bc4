#include "core/app/program_texts.h"

namespace kefelo::app {

std::string programDirectoryOf(std::string_view executablePath) {
    const size_t pos = executablePath.find_last_of("\\/");
    if (pos == std::string_view::npos) return {};  // a bare name: the current directory
    std::string dir(executablePath.substr(0, pos));
    while (!dir.empty() && (dir.back() == '\\' || dir.back() == '/')) dir.pop_back();
    return dir + "\\";
}

std::string programTitle(std::string_view fileVersion) { return "Kefeló v" + std::string(fileVersion); }

std::string mainWindowCaption(std::string_view fileVersion) {
    return programTitle(fileVersion) + " - A merevlemezterület karbantartója  <" + kWebAddress + ">";
}

std::string welcomeStatusText(std::string_view fileVersion) { return " " + mainWindowCaption(fileVersion); }

std::string searchBalloonTitle(std::string_view fileVersion) {
    return "Kefeló(v" + std::string(fileVersion) + ") program - Az állományok keresése folyamatban...";
}

std::string searchBalloonText(std::string_view path) { return "A keresés helye: " + std::string(path); }

}  // namespace kefelo::app
