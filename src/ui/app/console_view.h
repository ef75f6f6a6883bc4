#pragma once
// The diagnostic console of the main window: the memo `mTeszt` with the console's lines,
// and beside it the list of component names, the mask table `mKit` and the batch text
// `mBAT` of the last run. Shown only in diagnostic mode, below the page control.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/controls/subclass.h"

namespace kefelo::ui {

class ConsoleView {
public:
    bool create(HINSTANCE instance, HWND parent);
    // Shown with its lines, the mask table and the batch text, or hidden.
    void show(bool shown, const std::vector<std::string>& lines, const std::vector<std::string>& maskTable,
              const std::vector<std::string>& batch);
    // The batch text as a run left it; only while shown.
    void showBatch(const std::vector<std::string>& batch);
    void append(const std::string& line);
    void clear();
    void setFont(HFONT font);
    // Half the width for the console, the rest shared by the three lists.
    void place(int top, int width, int height);
    // A click on a console line: its text.
    std::function<void(const std::string&)> onLineClicked;
    // The mouse is over the console: its hint.
    std::function<void(const std::string&)> onHint;

private:
    std::string clickedLine() const;

    HWND parent_ = nullptr;
    HWND console_ = nullptr;
    HWND componentNames_ = nullptr;
    HWND maskTable_ = nullptr;
    HWND batch_ = nullptr;
    Subclass clicks_;
};

}  // namespace kefelo::ui
