#include "core/cleaning/automatic_cleaning.h"

#include <cstdint>
#include <limits>

#include "base/text/format.h"

namespace kefelo::cleaning {

void check_autorunClick(config::ConfigModel& config, const std::function<void()>& runKeyHandler) {
    if (runKeyHandler) runKeyHandler();
    config.edit_daysofautorunEnabled = config.check_autorun;
    config.check_quitprogramwhenautorundoneEnabled = config.check_autorun;
}

void edit_daysofautorunChange(std::string& text) {
    int64_t value = 0;
    if (!text::parseDecimal(text, value)) text = "1";
}

void edit_daysofautorunStep(std::string& text, IntervalStep step) {
    edit_daysofautorunChange(text);
    int64_t value = 1;
    text::parseDecimal(text, value);
    switch (step) {
        case IntervalStep::UpKey:
        case IntervalStep::RightButton:
            if (value < std::numeric_limits<int64_t>::max()) value += 1;
            break;
        case IntervalStep::DownKey:
        case IntervalStep::LeftButton:
            if (value > 1) value -= 1;
            break;
        case IntervalStep::Other:
            return;
    }
    text = text::toDecimal(value);
}

}  // namespace kefelo::cleaning
