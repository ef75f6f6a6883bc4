#pragma once
// Modal interaction and message pumping. Core calls these; the Win32 side shows real
// boxes and runs the message queue, the test fake answers from a script.
#include <optional>
#include <string>

namespace kefelo::platform {

enum class MessageKind { Warning, Error, Information, Confirmation };  // "Figyelem!", "Hiba!", ...
enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

struct InputBoxRequest {
    std::string caption;
    std::string prompt;
    std::string initial;
    // Placement: screen-centred unless a point is given.
    std::optional<int> x, y;
};

class UiServices {
public:
    virtual ~UiServices() = default;
    virtual Answer message(MessageKind kind, Buttons buttons, const std::string& text) = 0;
    // nullopt when cancelled; the text is at most 255 characters.
    virtual std::optional<std::string> inputBox(const InputBoxRequest& request) = 0;
    // Runs all pending window messages (Application.ProcessMessages).
    virtual void pumpMessages() = 0;
    // True when keyboard or mouse input waits in the queue.
    virtual bool inputPending() = 0;
};

// The titles of the four message kinds.
const char* messageTitle(MessageKind kind);

}  // namespace kefelo::platform
