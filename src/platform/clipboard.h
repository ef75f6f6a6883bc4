#pragma once
// The clipboard's text.
#include <optional>
#include <string>

namespace kefelo::platform {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // The text on the clipboard, line breaks and all; nullopt when it holds no text or
    // cannot be opened.
    virtual std::optional<std::string> text() = 0;
    // Puts the text on the clipboard in place of whatever it held; false when it could
    // not be opened.
    virtual bool setText(const std::string& text) = 0;
};

// The clipboard's text as a one-line edit pastes it: up to the first line break.
std::optional<std::string> pastedLine(Clipboard& clipboard);

}  // namespace kefelo::platform
