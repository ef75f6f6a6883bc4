#include "core/cleaning/cleaning_page_model.h"

namespace kefelo::cleaning {

std::string beginCleanHint(timeutil::TDateTime lastCleaning, std::string_view shortDatePicture) {
    std::string hint = "Az aktív könyvtárak kiürítése és az aktív feladatok végrehajtása";
    if (lastCleaning != 0.0) {
        hint += " (Utolsó teljes futtatás: " + timeutil::formatDate(lastCleaning, shortDatePicture) + ")";
    }
    return hint;
}

std::string printJobTitle(std::string_view fileVersion, std::string_view date) {
    std::string title = "Kefeló v";
    title += fileVersion;
    title += " - Takarítási napló ";
    title += date;
    return title;
}

}  // namespace kefelo::cleaning
