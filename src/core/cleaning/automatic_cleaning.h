#pragma once
// The options of the automatic cleaning: the enabling check box and the interval editor.
// (The days rule is decided at start-up; the balloon after an automatic run is the main
// window's; the hint of "Takarítás" is in cleaning_page_model.h.)
#include <functional>
#include <string>

#include "core/config/config_model.h"

namespace kefelo::cleaning {

// `check_autorunClick`: first the Run-key entry follows the options (the handler of the
// start-with-Windows option, passed in), then the interval and the close option are
// editable exactly while automatic cleaning is on.
void check_autorunClick(config::ConfigModel& config, const std::function<void()>& runKeyHandler);

// `edit_daysofautorunChange`, also of the update interval: an empty or non-numeric text
// becomes "1".
void edit_daysofautorunChange(std::string& text);

enum class IntervalStep { UpKey, DownKey, RightButton, LeftButton, Other };

// `edit_daysofautorunKeyDown` / `MouseDown`: up or the right button adds one, down or the
// left button takes one away but never below 1. Other keys and buttons only normalise.
void edit_daysofautorunStep(std::string& text, IntervalStep step);

}  // namespace kefelo::cleaning
