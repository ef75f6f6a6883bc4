#pragma once
// Everything core needs of the system, handed around as one bundle.
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "platform/system_info.h"
#include "platform/ui_services.h"

namespace kefelo::platform {

struct Platform {
    FileSystem& fs;
    SystemInfo& sys;
    Registry& registry;
    Clock& clock;
    UiServices& ui;
    Clipboard& clipboard;
};

}  // namespace kefelo::platform
