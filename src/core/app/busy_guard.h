#pragma once
// `FutValami`: the guard every long piece of work calls before it starts, so that only one
// walk of the disk runs at a time.
#include "platform/ui_services.h"

namespace kefelo::app {

// The activity codes kept in the tag of the main window's folder walker `Search`.
enum ActivityCode : int {
    activity_idle = 0,
    activity_cleaning = 1,
    activity_filesearch = 2,
    activity_containersearch = 3,
};

extern const char* const kBusyWarning;

// False while idle; otherwise warns (OK) that something runs and returns true, and the
// caller then does nothing.
bool FutValami(int activityCode, platform::UiServices& ui);

}  // namespace kefelo::app
