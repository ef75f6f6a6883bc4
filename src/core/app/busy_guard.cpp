#include "core/app/busy_guard.h"

namespace kefelo::app {

const char* const kBusyWarning =
    "A Kefeló éppen egy keresési, illetve egyéb folyamatot futtat!\r\n"
    "Várja meg annak befejeztét vagy állítsa le, mielőtt ezt a szolgáltatást használná!\r\n\r\n"
    "Nyomjon az \"OK\" gombra az éppen futó folyamat folytatásához!";

bool FutValami(Activity activity, platform::UiServices& ui) {
    if (activity == Activity::Idle) return false;
    ui.message(platform::MessageKind::Warning, platform::Buttons::Ok, kBusyWarning);
    return true;
}

}  // namespace kefelo::app
