#include "platform/clipboard.h"

#include <algorithm>

namespace kefelo::platform {

std::optional<std::string> pastedLine(Clipboard& clipboard) {
    std::optional<std::string> text = clipboard.text();
    if (text) text->resize(std::min(text->size(), text->find_first_of("\r\n")));
    return text;
}

}  // namespace kefelo::platform
