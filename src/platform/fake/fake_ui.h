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

struct FolderRequest {
    std::string title;
    std::string startDir;
};

struct SaveFileRequest {
    std::string title;
    std::vector<FileFilter> filters;
    std::string initialDir;
};

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

    // Folder picker and save dialog results in order (nullopt = Cancel). When none is
    // left: Cancel.
    std::deque<std::optional<std::string>> folders;
    std::deque<std::optional<SaveFileChoice>> saveFiles;
    std::deque<std::optional<std::string>> openFiles;

    std::vector<RecordedMessage> messages;
    std::vector<InputBoxRequest> inputRequests;
    std::vector<FolderRequest> folderRequests;
    std::vector<SaveFileRequest> saveFileRequests;
    std::vector<FolderRequest> openFileRequests;  // title and initial folder

    int pumpCount = 0;
    std::function<void()> onPump;
    bool pendingInput = false;

    Answer message(MessageKind kind, Buttons buttons, const std::string& text) override;
    std::optional<std::string> inputBox(const InputBoxRequest& request) override;
    void pumpMessages() override;
    bool inputPending() override;
    std::optional<std::string> chooseFolder(const std::string& title, const std::string& startDir) override;
    std::optional<SaveFileChoice> saveFileDialog(const std::string& title, const std::vector<FileFilter>& filters,
                                                 const std::string& initialDir) override;
    std::optional<std::string> openFileDialog(const std::string& title, const std::string& initialDir) override;
};

}  // namespace kefelo::platform::fake
