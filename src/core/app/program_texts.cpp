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

std::string installTrayHint(std::string_view fileVersion) {
    return programTitle(fileVersion) + " -  Telepítési folyamat";
}

std::string updateTrayHint(std::string_view fileVersion) {
    return programTitle(fileVersion) + " -  Frissítési folyamat";
}

std::string updateBalloonTitle(std::string_view fileVersion) {
    return programTitle(fileVersion) + " program - Frissítés keresése";
}

std::string languageWarning() {
    return std::string(
               "A Kefeló ezen változata magyar nyelvű, tehát a szövegek magyar ékezetes karaktereket tartalmaznak.\r\n"
               "A program érzékelte, hogy az Ön operációs rendszerének nyelve nem a magyar, ezért egyes magyar "
               "-hosszú- ékezetek nem, vagy másképp jelenhetnek meg!\r\n\r\n***\r\n\r\n"
               "Program \"Kefelo\" is a disk cleaner application with freeware licence. This version in hungarian, "
               "therefore the character set, your computer uses, may not function properly.\r\n"
               "Please visit the hompage of the program (") +
           kWebAddress + ") for other -language- versions!";
}

std::string writabilityWarning(std::string_view programDirectory) {
    return "A Kefeló könyvtára írásvédett attributummal (is) rendelkezik, illetve egyéb okból nem teszi lehetővé "
           "benne az állományok létrehozását!\r\n\r\n"
           "A program számos segédállományt készít működése során ebbe a könyvtárba, ezért ezt az állapotot meg "
           "kell szüntetnie a megfelelő működés érdekében!\r\n\r\n"
           "Szeretné megnyitni a kérdéses könyvtár tulajdonságpaneljét?\r\n(" +
           std::string(programDirectory) + ")";
}

std::string updatedMessage(std::string_view fileVersion) {
    return "Az Ön Kefeló példánya frissítve lett!\r\nAz újabb változat verziószáma: " + std::string(fileVersion) +
           "\r\n\r\nKérem, tekintse át a verzió fejlesztéseit és újdonságait!";
}

}  // namespace kefelo::app
