#pragma once
// The start-up splash `TfrmBetoltes`: a borderless, always-on-top box with the loading
// text, and in the automatic modes a strip at the top of the screen with the path being
// cleaned and a "Megszakít" button.
#include <functional>
#include <string>

#include "ui/common/gdi.h"
#include "ui/common/window.h"
#include "ui/controls/sel_button.h"

namespace kefelo::ui {

class SplashWindow : public Window {
public:
    bool create(HINSTANCE instance);

    // label_programloading
    void setStatusText(const std::string& text);
    // label_programautosearch: the path being worked on during an automatic run, with its hint.
    void setAutoSearchText(const std::string& text, const std::string& hint);
    // On top, cancel button hidden, shown and painted at once.
    void showCentred();
    // 415 x 45 at the top of the screen, with the cancel button and the path panel.
    void makeStrip(const std::string& text);
    void hide();

    // `button_autoruncancelClick`, after the text has changed.
    std::function<void()> onCancel;

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void layout();
    void paint(HDC dc);
    int scaled(int pixels) const;

    HWND cancel_ = nullptr;
    SelButton cancelButton_;  // button_autoruncancel
    HWND tooltip_ = nullptr;
    UniqueFont font_;
    std::wstring status_;
    std::wstring autoSearch_;
    std::wstring autoSearchHint_;
    bool strip_ = false;
    UINT dpi_ = 96;
    RECT statusPanel_{};
    RECT autoSearchPanel_{};
};

}  // namespace kefelo::ui
