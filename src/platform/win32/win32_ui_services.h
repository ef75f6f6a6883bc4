#pragma once
// Message boxes with the program's Hungarian titles and buttons, the input box, and the
// message pump that walks call between entries.
#include <windows.h>

#include <functional>

#include "platform/ui_services.h"

namespace kefelo::platform::win32 {

class Win32UiServices : public UiServices {
public:
    // Boxes are owned by this window (may be null until the main window exists).
    void setOwner(HWND owner) { owner_ = owner; }
    HWND owner() const { return owner_; }

    Answer message(MessageKind kind, Buttons buttons, const std::string& text) override;
    std::optional<std::string> inputBox(const InputBoxRequest& request) override;
    void pumpMessages() override;
    bool inputPending() override;
    std::optional<std::string> chooseFolder(const std::string& title, const std::string& startDir) override;
    std::optional<SaveFileChoice> saveFileDialog(const std::string& title, const std::vector<FileFilter>& filters,
                                                 const std::string& initialDir) override;
    std::optional<std::string> openFileDialog(const std::string& title, const std::string& initialDir) override;

    // What the main loop does with a message before dispatching it (the window's own keys,
    // Tab between controls); true when it was taken. A walk's pump does the same, so Esc
    // halts a search while it runs.
    std::function<bool(MSG&)> preTranslate;

    // Set when WM_QUIT was taken off the queue during a pump, so the main loop can end.
    bool quitRequested() const { return quitRequested_; }
    int quitCode() const { return quitCode_; }

private:
    HWND owner_ = nullptr;
    bool quitRequested_ = false;
    int quitCode_ = 0;
};

}  // namespace kefelo::platform::win32
