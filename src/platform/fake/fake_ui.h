#pragma once
// Scripted answers to message boxes and input boxes, with a record of everything asked;
// a hook on every message pump lets a test press a button in the middle of a walk.
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui_services.h"

namespace kefelo::platform::fake {

struct RecordedMessage {
    MessageKind kind;
    Buttons buttons;
    std::string text;
};

class FakeUi : public UiServices {
public:
    // Answers taken in order. When none is left: OK boxes answer Ok, questions answer
    // `unscriptedAnswer`.
    std::deque<Answer> answers;
    Answer unscriptedAnswer = Answer::No;
    // Input box results in order (nullopt = Cancel). When none is left: Cancel.
    std::deque<std::optional<std::string>> inputs;

    std::vector<RecordedMessage> messages;
    std::vector<InputBoxRequest> inputRequests;

    int pumpCount = 0;
    std::function<void()> onPump;
    bool pendingInput = false;

    Answer message(MessageKind kind, Buttons buttons, const std::string& text) override;
    std::optional<std::string> inputBox(const InputBoxRequest& request) override;
    void pumpMessages() override;
    bool inputPending() override;
};

}  // namespace kefelo::platform::fake
