#include "core/config/grid_rules.h"

namespace kefelo::config {

std::string markText(Mark mark) {
    switch (mark) {
        case Mark::Active:
            return "\xC3\xBE";  // U+00FE
        case Mark::Inactive:
            return "o";
        case Mark::None:
            break;
    }
    return {};
}

Mark markAfter(MarkingCommand command, Mark current) {
    switch (command) {
        case MarkingCommand::SelectAll:
            return Mark::Active;
        case MarkingCommand::ClearAll:
            return Mark::Inactive;
        case MarkingCommand::Invert:
            return current == Mark::Inactive ? Mark::Active : Mark::Inactive;
    }
    return current;
}

}  // namespace kefelo::config
