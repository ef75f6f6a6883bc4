#pragma once
// `button_uninstallClick` of the tools page's Kefeló group: the uninstaller for the running
// program, with its session's main window, tray and walker.
#include "core/session/session.h"

namespace kefelo::ui {

// True when the program is ending.
bool uninstallProgram(session::Session& session);

}  // namespace kefelo::ui
