// The main window's stored place comes back where it was, with the work area moved off
// the screen's corner as a taskbar at the top or left moves it. Windows counts the stored
// place from the work area's corner, Wine from the screen's; the window must come back to
// the same place on the screen either way.
#include <windows.h>
#include <gtest/gtest.h>

#include "ui/common/work_area.h"

using namespace kefelo;

namespace {

class WindowPlacement : public ::testing::Test {
protected:
    RECT savedWork{};
    HWND window = nullptr;

    void SetUp() override {
        ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &savedWork, 0));
        // A taskbar 60 pixels high at the top and 40 wide at the left.
        RECT work{savedWork.left + 40, savedWork.top + 60, savedWork.right, savedWork.bottom};
        ASSERT_TRUE(SystemParametersInfoW(SPI_SETWORKAREA, 0, &work, 0));
        window = CreateWindowExW(0, L"STATIC", L"placement", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(window);
    }
    void TearDown() override {
        if (window) DestroyWindow(window);
        SystemParametersInfoW(SPI_SETWORKAREA, 0, &savedWork, 0);
    }
    config::WindowBounds stored() {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        EXPECT_TRUE(GetWindowPlacement(window, &placement));
        const RECT& r = placement.rcNormalPosition;
        return {r.left, r.top, r.right - r.left, r.bottom - r.top};
    }
    RECT onScreen() {
        RECT r{};
        GetWindowRect(window, &r);
        return r;
    }
};

TEST_F(WindowPlacement, AStoredPlaceComesBackWithoutCreeping) {
    ui::restoreWindowPlacement(window, {100, 50, 400, 300}, 200, 150);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    const RECT r = onScreen();
    // Either from the work area's corner or from the screen's, never both.
    EXPECT_TRUE((r.left == 100 && r.top == 50) || (r.left == savedWork.left + 140 && r.top == savedWork.top + 110))
        << r.left << "," << r.top;
    EXPECT_EQ(r.right - r.left, 400);
    EXPECT_EQ(r.bottom - r.top, 300);
    // Stored and restored again and again, as at every start: it stays put.
    for (int start = 0; start < 3; ++start) {
        const config::WindowBounds b = stored();
        EXPECT_EQ(b.left, 100);
        EXPECT_EQ(b.top, 50);
        ui::restoreWindowPlacement(window, b, 200, 150);
    }
    const RECT after = onScreen();
    EXPECT_EQ(after.left, r.left);
    EXPECT_EQ(after.top, r.top);
    EXPECT_TRUE(IsWindowVisible(window));
}

TEST_F(WindowPlacement, APlaceOffEveryMonitorIsCentredAndTheMinimumKept) {
    ui::restoreWindowPlacement(window, {-20000, 30000, 10, 10}, 320, 240);
    EXPECT_FALSE(IsWindowVisible(window));
    const RECT r = onScreen();
    EXPECT_EQ(r.right - r.left, 320);
    EXPECT_EQ(r.bottom - r.top, 240);
    EXPECT_TRUE(MonitorFromRect(&r, MONITOR_DEFAULTTONULL));
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(r.left, work.left + (work.right - work.left - 320) / 2);
    EXPECT_EQ(r.top, work.top + (work.bottom - work.top - 240) / 2);
}

}  // namespace
