#pragma once
// `FutValami`: the guard every long piece of work calls before it starts, so that only one
// walk of the disk runs at a time.
#include "core/app/activity.h"
#include "platform/ui_services.h"

namespace kefelo::app {

extern const char* const kBusyWarning;

// False while idle; otherwise warns (OK) that something runs and returns true, and the
// caller then does nothing.
bool FutValami(Activity activity, platform::UiServices& ui);

}  // namespace kefelo::app
