#include "platform/ui_services.h"

namespace kefelo::platform {

const char* messageTitle(MessageKind kind) {
    switch (kind) {
        case MessageKind::Warning: return "Figyelem!";
        case MessageKind::Error: return "Hiba!";
        case MessageKind::Information: return "Információ";
        case MessageKind::Confirmation: return "Megerősítés";
    }
    return "";
}

}  // namespace kefelo::platform
