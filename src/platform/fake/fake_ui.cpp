#include "platform/fake/fake_ui.h"

namespace kefelo::platform::fake {

Answer FakeUi::message(MessageKind kind, Buttons buttons, const std::string& text) {
    messages.push_back({kind, buttons, text});
    if (buttons == Buttons::Ok) {
        return Answer::Ok;
    }
    if (answers.empty()) return unscriptedAnswer;
    Answer a = answers.front();
    answers.pop_front();
    return a;
}

std::optional<std::string> FakeUi::inputBox(const InputBoxRequest& request) {
    inputRequests.push_back(request);
    if (inputs.empty()) return std::nullopt;
    auto result = inputs.front();
    inputs.pop_front();
    if (result && result->size() > 255) result->resize(255);
    return result;
}

void FakeUi::pumpMessages() {
    ++pumpCount;
    if (onPump) onPump();
}

bool FakeUi::inputPending() { return pendingInput; }

}  // namespace kefelo::platform::fake
