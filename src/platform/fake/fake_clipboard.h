#pragma once
// A clipboard that holds one text, or none.
#include <optional>
#include <string>

#include "platform/clipboard.h"

namespace kefelo::platform::fake {

class FakeClipboard : public Clipboard {
public:
    std::optional<std::string> contents;
    // False: another program holds the clipboard open, so nothing can be read or set.
    bool available = true;

    std::optional<std::string> text() override { return available ? contents : std::nullopt; }
    bool setText(const std::string& text) override {
        if (!available) return false;
        contents = text;
        return true;
    }
};

}  // namespace kefelo::platform::fake
