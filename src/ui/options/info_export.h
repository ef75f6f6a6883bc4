#pragma once
// Ctrl+F3 on a page with a description box: the box's text goes to Notepad.
#include <windows.h>

#include "ui/controls/selector_page.h"

namespace kefelo::session {
class Session;
}

namespace kefelo::ui {

// True when the message was the export key (Ctrl alone with F3); the box is exported when
// it holds any text.
bool exportDescriptionOnKey(const MSG& msg, const SelectorPage& frame, session::Session& session);

}  // namespace kefelo::ui
