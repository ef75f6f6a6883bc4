#include "core/session/view_slots.h"

#include "core/cleaning/log_files.h"

namespace kefelo::session {
namespace {
// The blinking text of a cleaning run.
constexpr int kBlinkCleaning = 0;
}  // namespace

void CleaningViewSlot::setLastPathText(const std::string& text) {
    if (view_) view_->setLastPathText(text);
    if (shell_.blinkTag() == kBlinkCleaning) {
        shell_.frame().setTrayHint(cleaning::cleaningTrayHint(fileVersion_, text));
    }
}

}  // namespace kefelo::session
