#pragma once
// Faults that a window handler let out: the window procedures catch them so the program
// keeps running, and this tells the developer (the diagnostic console) and, for a command
// the user gave, the user (an error box) what went wrong.
#include <functional>
#include <string>
#include <string_view>

namespace kefelo::app {

// A command of the user (a click, a key, a menu item) or anything else the window does by
// itself (painting, timers, layout), which may repeat many times a second.
enum class FaultSource { UserCommand, Background };

// The console line: where it happened and what the exception said.
std::string faultConsoleLine(std::string_view where, std::string_view what);
// The text of the error box.
std::string faultMessage(std::string_view what);

class FaultReporter {
public:
    // `TesztBe` of the main window; it writes nothing outside diagnostic mode.
    std::function<void(const std::string&)> console;
    // Shows a "Hiba!" box with OK.
    std::function<void(const std::string&)> showError;
    // An automatic run has no one to click a box away.
    bool quiet = false;

    // Every fault goes to the console. A failed user command also gets a box, unless the
    // run is automatic or a box about an earlier fault is still open. Background faults
    // never get one: a fault in painting would otherwise stack a box on every repaint.
    void report(FaultSource source, std::string_view where, std::string_view what);

private:
    bool writingConsole_ = false;
    bool boxOpen_ = false;
};

}  // namespace kefelo::app
