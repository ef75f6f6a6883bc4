#include "core/containers/container_remove.h"

#include <string>

namespace kefelo::containers {

std::string_view emptyListHint(GridKind kind) {
    return kind == GridKind::Containers
               ? "Könyvtár-hivatkozásokat felvenni az \"Alapértékek\" vagy a \"Hozzáadás\" gomb használatával tud"
               : "Feladatokat felvenni az \"Új feladat\" gomb használatával tud";
}

namespace detail {

bool confirmRemoval(RemovalCommand command, GridKind kind, bool viewAlerts, platform::UiServices& ui) {
    if (!viewAlerts) return true;
    const bool containers = kind == GridKind::Containers;
    const char* question = nullptr;
    switch (command) {
        case RemovalCommand::Marked:
            question = containers ? "Valóban törli az összes kipipált könyvtárak hivatkozásait a listából?"
                                  : "Valóban törli az összes kipipált feladatot?";
            break;
        case RemovalCommand::Missing:
            question = containers ? "Valóban törli a nem található könyvtárak hivatkozásait a listából?"
                                  : "Valóban törli az összes nem található munkakönyvtárú feladatot?";
            break;
        case RemovalCommand::All:
            question = containers ? "Valóban törli az összes könyvtárak hivatkozást a listából?"
                                  : "Valóban törli az összes feladatot?";
            break;
    }
    return ui.message(platform::MessageKind::Confirmation, platform::Buttons::YesNo, question) == platform::Answer::Yes;
}

}  // namespace detail
}  // namespace kefelo::containers
