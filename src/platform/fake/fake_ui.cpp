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

std::optional<std::string> FakeUi::chooseFolder(const std::string& title, const std::string& startDir) {
    folderRequests.push_back({title, startDir});
    if (folders.empty()) return std::nullopt;
    auto result = folders.front();
    folders.pop_front();
    return result;
}

std::optional<SaveFileChoice> FakeUi::saveFileDialog(const std::string& title, const std::vector<FileFilter>& filters,
                                                     const std::string& initialDir) {
    saveFileRequests.push_back({title, filters, initialDir});
    if (saveFiles.empty()) return std::nullopt;
    auto result = saveFiles.front();
    saveFiles.pop_front();
    return result;
}

std::optional<std::string> FakeUi::openFileDialog(const std::string& title, const std::string& initialDir) {
    openFileRequests.push_back({title, initialDir});
    if (openFiles.empty()) return std::nullopt;
    auto result = openFiles.front();
    openFiles.pop_front();
    return result;
}

}  // namespace kefelo::platform::fake
