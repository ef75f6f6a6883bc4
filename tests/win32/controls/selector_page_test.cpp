// The selector-page frame on a plain window standing in for a page of the main window, in
// both arrangements of its description box.
#include <windows.h>
// These need the definitions above.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ui/common/window.h"
#include "ui/controls/selector_page.h"

using namespace kefelo::ui;

namespace {
enum : int { kBox = 100, kFirstButton, kInfoBox = 110, kInfoText, kCheck = 120, kDrawn };

RECT place(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    return rect;
}

class SelectorPageTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        page = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 700, 450, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
        if (!page) GTEST_SKIP() << "no window could be created (no display?)";
        SelectorPage::Setup setup{kBox, kFirstButton, kInfoBox, kInfoText, "Csoportok", "Leírás"};
        for (const char* caption : {"Első", "Második", "Harmadik"}) setup.groups.emplace_back().caption = caption;
        setup.groups[1].command = [this](HWND, int id, int code) { commands.emplace_back(id, code); };
        setup.groups[1].describe = [](HWND control) { return "Leírás " + std::to_string(GetDlgCtrlID(control)); };
        if (GetParam()) setup.groupsHeight = [](int) { return 150; };
        setup.initialize = [this] {
            Window::createChild(frame.group(1), {.className = L"BUTTON", .style = BS_AUTOCHECKBOX, .id = kCheck});
            Window::createChild(frame.group(1), {.className = L"BUTTON", .style = BS_OWNERDRAW, .id = kDrawn});
            frame.describeOnHover(1, kCheck);
            frame.ownerDrawn(1, kDrawn);
        };
        ASSERT_TRUE(frame.create(GetModuleHandleW(nullptr), page, std::move(setup)));
    }
    void TearDown() override {
        if (page) DestroyWindow(page);
    }
    bool shows(int group) const { return GetWindowLongW(frame.group(group), GWL_STYLE) & WS_VISIBLE; }

    HWND page = nullptr;
    SelectorPage frame;
    std::vector<std::pair<int, int>> commands;
};

TEST_P(SelectorPageTest, ShowsTheChosenGroupAndKeepsItsPartsApart) {
    EXPECT_TRUE(shows(0) && !shows(1));
    SendMessageW(frame.hwnd(), WM_COMMAND, MAKEWPARAM(kFirstButton + 2, BN_CLICKED), 0);
    EXPECT_TRUE(shows(2) && !shows(0));
    EXPECT_TRUE(frame.button(kFirstButton + 2)->look() == SelButton::Look::Selected &&
                !frame.button(kFirstButton + 2)->enabled());
    EXPECT_TRUE(frame.button(kFirstButton)->look() == SelButton::Look::Normal && frame.button(kFirstButton)->enabled());

    for (SIZE size : {SIZE{420, 260}, SIZE{1000, 700}}) {
        SetWindowPos(page, nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOMOVE);
        const RECT box = place(GetDlgItem(frame.hwnd(), kBox)), info = place(GetDlgItem(frame.hwnd(), kInfoBox));
        const RECT group = place(frame.group(2));
        RECT common{};
        EXPECT_FALSE(IntersectRect(&common, &box, &info) || IntersectRect(&common, &box, &group) ||
                     IntersectRect(&common, &group, &info))
            << size.cx;
        for (int i = 0; i < 3; ++i) {
            const RECT button = place(frame.button(kFirstButton + i)->hwnd());
            EXPECT_TRUE(IntersectRect(&common, &button, &box) && EqualRect(&common, &button)) << size.cx << " " << i;
        }
    }
}

TEST_P(SelectorPageTest, DescriptionFollowsTheMouseAndCommandsReachTheGroup) {
    frame.show(1);
    const HWND check = GetDlgItem(frame.group(1), kCheck);
    SendMessageW(check, WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ(frame.description(), "Leírás 120");
    SendMessageW(frame.button(kFirstButton)->hwnd(), WM_MOUSEMOVE, 0, 0);  // a selector button clears it
    EXPECT_EQ(frame.description(), "");
    SendMessageW(GetDlgItem(frame.group(1), kDrawn), WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ(frame.description(), "Leírás 121");
    SendMessageW(frame.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
    EXPECT_EQ(frame.description(), "");

    // The box itself keeps its text, to be scrolled, but a click leaves the focus where it was.
    const HWND info = GetDlgItem(frame.hwnd(), kInfoText);
    SendMessageW(check, WM_MOUSEMOVE, 0, 0);
    SendMessageW(info, WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ(frame.description(), "Leírás 120");
    ShowWindow(page, SW_SHOW);
    SetFocus(check);
    SendMessageW(info, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(info, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(GetFocus(), check);
    SetFocus(info);
    EXPECT_EQ(GetFocus(), check);

    SendMessageW(frame.group(1), WM_COMMAND, MAKEWPARAM(kCheck, BN_CLICKED), reinterpret_cast<LPARAM>(check));
    EXPECT_EQ(commands, (std::vector<std::pair<int, int>>{{kCheck, BN_CLICKED}}));
}

INSTANTIATE_TEST_SUITE_P(BothArrangements, SelectorPageTest, ::testing::Bool());

}  // namespace
