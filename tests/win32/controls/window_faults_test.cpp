// Exceptions that escape a handler of the program's windows: the window lives on, and the
// fault reporter hears where and what, with a box only for a command of the user.
#include <windows.h>
// These need the definitions above.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "ui/common/window.h"
#include "ui/common/window_faults.h"
#include "ui/controls/subclass.h"

using namespace kefelo::ui;

namespace {

class FaultyWindow : public Window {
public:
    bool create() {
        WindowClassArgs wc;
        wc.className = L"KefeloFaultyWindow";
        if (!registerClass(GetModuleHandleW(nullptr), wc)) return false;
        CreateArgs args;
        args.className = wc.className;
        return Window::create(GetModuleHandleW(nullptr), args) != nullptr;
    }

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND || message == WM_TIMER || message == WM_NOTIFY) {
            throw std::runtime_error("nem sikerült");
        }
        if (message == WM_APP) return 42;
        return Window::handleMessage(message, wParam, lParam);
    }
};

class WindowFaults : public ::testing::Test {
protected:
    std::vector<std::string> console, boxes;
    WindowFaults() {
        windowFaults().console = [this](const std::string& line) { console.push_back(line); };
        windowFaults().showError = [this](const std::string& text) { boxes.push_back(text); };
    }
    ~WindowFaults() override {
        windowFaults().console = nullptr;
        windowFaults().showError = nullptr;
    }
};

}  // namespace

TEST_F(WindowFaults, AFailedCommandIsReportedAndTheWindowLivesOn) {
    FaultyWindow window;
    ASSERT_TRUE(window.create());
    SendMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(7, BN_CLICKED), 0);
    ASSERT_EQ(console.size(), 1u);
    EXPECT_EQ(console[0], "! Varatlan hiba (ablak: KefeloFaultyWindow, uzenet: 0x0111, azonosito: 7): nem sikerült !");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find("nem sikerült"), std::string::npos);

    // Timers and custom drawing fail quietly into the console.
    SendMessageW(window.hwnd(), WM_TIMER, 1, 0);
    NMHDR paint{window.hwnd(), 1, static_cast<UINT>(NM_CUSTOMDRAW)};
    SendMessageW(window.hwnd(), WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&paint));
    EXPECT_EQ(console.size(), 3u);
    EXPECT_EQ(boxes.size(), 1u);
    NMHDR click{window.hwnd(), 1, static_cast<UINT>(NM_DBLCLK)};
    SendMessageW(window.hwnd(), WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ(boxes.size(), 2u);

    EXPECT_EQ(SendMessageW(window.hwnd(), WM_APP, 0, 0), 42);
}

TEST_F(WindowFaults, ASubclassedControlReportsAFailedKeyAndStillHandlesIt) {
    HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_OVERLAPPED, 0, 0, 100, 20, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(edit);
    Subclass hook;
    hook.attach(edit, [](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_CHAR) throw std::runtime_error("billentyű");
        return std::nullopt;
    });
    SendMessageW(edit, WM_CHAR, L'x', 0);
    EXPECT_EQ(boxes.size(), 1u);
    ASSERT_EQ(console.size(), 1u);
    EXPECT_NE(console[0].find("billentyű"), std::string::npos);
    // The edit control's own handling still ran.
    wchar_t text[8] = {};
    GetWindowTextW(edit, text, 8);
    EXPECT_EQ(std::wstring(text), L"x");
    hook.detach();
    DestroyWindow(edit);
}
