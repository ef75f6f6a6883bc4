#pragma once
// Running the message queue from inside a long loop without paying for it on every
// entry: the queue runs when the interval has passed since it last ran, or when input
// waits. Asking the window system for waiting input costs a round trip (several
// microseconds under Wine, more than listing an entry), so it is asked at most once per
// clock tick.
#include <cstdint>

#include "platform/clock.h"
#include "platform/ui_services.h"

namespace kefelo::search {

class MessagePump {
public:
    // An interval of 0 runs the queue at every call.
    MessagePump(platform::Clock& clock, platform::UiServices& ui, uint64_t intervalMs)
        : clock_(clock), ui_(ui), intervalMs_(intervalMs), lastPumpMs_(clock.tickMs()), lastInputCheckMs_(lastPumpMs_) {}

    void pumpWhenDue() {
        const uint64_t now = clock_.tickMs();
        bool due = now - lastPumpMs_ >= intervalMs_;
        if (!due && now != lastInputCheckMs_) {
            lastInputCheckMs_ = now;
            due = ui_.inputPending();
        }
        if (due) {
            ui_.pumpMessages();
            lastPumpMs_ = now;
        }
    }

private:
    platform::Clock& clock_;
    platform::UiServices& ui_;
    const uint64_t intervalMs_;
    uint64_t lastPumpMs_;
    uint64_t lastInputCheckMs_;
};

}  // namespace kefelo::search
