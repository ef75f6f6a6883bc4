#pragma once
// The status bar `Status` as the work of the pages uses it: its text, centred while a run
// or a search goes on, the blinking `Villog`, and the hint of the control under the mouse.
#include <string>

namespace kefelo::app {

class StatusLine {
public:
    virtual ~StatusLine() = default;
    virtual std::string statusText() = 0;
    virtual void setStatusText(const std::string& text) = 0;
    virtual void setStatusCentred(bool centred) = 0;
    // `Villog` with its tag, the kind of work (blinkStatusText), until stopped.
    virtual void startBlinking(int tag) = 0;
    virtual void stopBlinking() = 0;
    // `OnHint`: the long hint of the control under the mouse; left out while the text
    // blinks or the mouse is held.
    virtual void showHint(const std::string& hint) = 0;
};

}  // namespace kefelo::app
