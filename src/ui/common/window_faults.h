#pragma once
// What becomes of an exception that a window procedure catches: the program's fault
// reporter hears where and what (the diagnostic console, and an error box when a command
// of the user failed).
#include <windows.h>

#include <string>

#include "core/app/fault_report.h"

namespace kefelo::ui {

// The one reporter of every window procedure; the program connects its outlets at start.
app::FaultReporter& windowFaults();

// The text of the exception being handled. Call it only inside a catch block.
std::string currentFaultText() noexcept;

// Whether a message carries a command of the user or is the window's own business.
app::FaultSource faultSourceOf(UINT message, WPARAM wParam, LPARAM lParam);

// Reports a fault of the handler of this message; never throws.
void reportWindowFault(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, const std::string& what) noexcept;

}  // namespace kefelo::ui
