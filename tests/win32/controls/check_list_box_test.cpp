// The check list on a real list box under Wine: what the user does with the mouse and
// the keys reaches the owner as toggles and popup requests, and the box shows the list.
#include <windows.h>
// These need the definitions above.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "ui/controls/check_list_box.h"

using namespace kefelo::ui;

namespace {

class CheckListBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        parent = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
        if (!parent) GTEST_SKIP() << "no window could be created (no display?)";
        list.items = {{"*.TMP", false}, {"*.BAK", true}, {"*.OLD", false}};
        ASSERT_TRUE(box.create(parent, 7, nullptr, [this] { return source; }));
        MoveWindow(box.hwnd(), 0, 0, 300, 200, FALSE);
        box.onToggle = [this](int index) { toggles.push_back(index); };
        box.onPopup = [this](POINT, bool rightClick) { popups.push_back(rightClick); };
        box.refill();
    }
    void TearDown() override {
        if (parent) DestroyWindow(parent);
    }
    int itemHeight() const { return static_cast<int>(SendMessageW(box.hwnd(), LB_GETITEMHEIGHT, 0, 0)); }
    void click(UINT down, int x, int item) {
        const LPARAM at = MAKELPARAM(x, item * itemHeight() + itemHeight() / 2);
        SendMessageW(box.hwnd(), down, MK_LBUTTON, at);
        SendMessageW(box.hwnd(), WM_LBUTTONUP, 0, at);
    }

    HWND parent = nullptr;
    kefelo::config::CheckList list;
    kefelo::config::CheckList* source = &list;
    CheckListBox box;
    std::vector<int> toggles;
    std::vector<bool> popups;
};

TEST_F(CheckListBoxTest, ShowsTheListAndFollowsItsChanges) {
    EXPECT_EQ(SendMessageW(box.hwnd(), LB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageW(box.hwnd(), LB_GETCURSEL, 0, 0), LB_ERR);
    wchar_t text[16]{};
    SendMessageW(box.hwnd(), LB_GETTEXT, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"*.BAK");

    list.items.pop_back();
    list.selected = 1;
    box.refill();
    EXPECT_EQ(SendMessageW(box.hwnd(), LB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(box.hwnd(), LB_GETCURSEL, 0, 0), 1);

    // The task editors switch lists under the same box; no list leaves it empty.
    source = nullptr;
    box.refill();
    EXPECT_EQ(SendMessageW(box.hwnd(), LB_GETCOUNT, 0, 0), 0);
}

TEST_F(CheckListBoxTest, TheTickBoxTogglesTheTextOnlySelects) {
    click(WM_LBUTTONDOWN, 2, 2);
    EXPECT_EQ(toggles, std::vector<int>{2});
    // A click on the text selects, and the list learns the selection.
    click(WM_LBUTTONDOWN, 150, 1);
    EXPECT_EQ(toggles, std::vector<int>{2});
    EXPECT_EQ(list.selected, 1);
    // A double-click on the text toggles the item under it.
    click(WM_LBUTTONDBLCLK, 150, 1);
    EXPECT_EQ(toggles, (std::vector<int>{2, 1}));
    EXPECT_TRUE(popups.empty());
}

TEST_F(CheckListBoxTest, KeysToggleAndAskForThePopup) {
    SendMessageW(box.hwnd(), LB_SETCURSEL, 0, 0);
    SendMessageW(box.hwnd(), WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(toggles, std::vector<int>{0});
    // As from the keyboard, the key's character waits in the queue while the key is handled;
    // the popup's menu loop must not find it there.
    PostMessageW(box.hwnd(), WM_CHAR, VK_RETURN, 0);
    SendMessageW(box.hwnd(), WM_KEYDOWN, VK_RETURN, 0);
    MSG queued;
    EXPECT_FALSE(PeekMessageW(&queued, box.hwnd(), WM_CHAR, WM_CHAR, PM_REMOVE));
    // Enter must reach the list inside a dialog instead of pressing the default button.
    MSG enter{box.hwnd(), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    EXPECT_TRUE(SendMessageW(box.hwnd(), WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&enter)) &
                DLGC_WANTALLKEYS);
    SendMessageW(parent, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(box.hwnd()), MAKELPARAM(10, 10));
    EXPECT_EQ(popups, (std::vector<bool>{false, true}));
    // Nothing selected: Space has no item to toggle.
    SendMessageW(box.hwnd(), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SendMessageW(box.hwnd(), WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(toggles, std::vector<int>{0});
}

}  // namespace
