#pragma once
// Modal interaction and message pumping. Core calls these; the Win32 side shows real
// boxes and runs the message queue, the test fake answers from a script.
#include <optional>
#include <string>
#include <vector>

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

// One entry of a file dialog's type list: "Sima szöveg (.txt)" and "*.txt".
struct FileFilter {
    std::string description;
    std::string pattern;
};

struct SaveFileChoice {
    std::string path;
    int filterIndex = 1;  // 1-based, the type chosen in the dialog
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

    // The folder picker, opening at startDir. nullopt when nothing was chosen.
    virtual std::optional<std::string> chooseFolder(const std::string& title, const std::string& startDir) = 0;
    // The save dialog with an empty file name and the first filter selected; it does not ask
    // about overwriting (callers ask in their own words). nullopt when cancelled.
    virtual std::optional<SaveFileChoice> saveFileDialog(const std::string& title,
                                                         const std::vector<FileFilter>& filters,
                                                         const std::string& initialDir) = 0;
    // The open dialog for one existing file, opening in initialDir, every file shown.
    // nullopt when cancelled.
    virtual std::optional<std::string> openFileDialog(const std::string& title, const std::string& initialDir) = 0;
};

// The titles of the four message kinds.
const char* messageTitle(MessageKind kind);

}  // namespace kefelo::platform
