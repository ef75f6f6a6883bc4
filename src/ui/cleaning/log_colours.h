#pragma once
// The colours of the cleaning log as the screen shows them.
#include <windows.h>

#include <optional>

#include "core/cleaning/cleaning_log.h"

namespace kefelo::ui {

// None for the window-text colour, which follows the system.
inline std::optional<COLORREF> logColour(cleaning::LogColour colour) {
    switch (colour) {
        case cleaning::LogColour::Navy:
            return RGB(0, 0, 128);
        case cleaning::LogColour::Blue:
            return RGB(0, 0, 255);
        case cleaning::LogColour::Maroon:
            return RGB(128, 0, 0);
        case cleaning::LogColour::Yellow:
            return RGB(255, 255, 0);
        case cleaning::LogColour::Red:
            return RGB(255, 0, 0);
        case cleaning::LogColour::Black:
            return RGB(0, 0, 0);
        case cleaning::LogColour::WindowText:
            break;
    }
    return std::nullopt;
}

}  // namespace kefelo::ui
