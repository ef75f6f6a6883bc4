#pragma once
// The start-up splash `TfrmBetoltes`: a borderless, always-on-top box with the loading
// text, and in the automatic modes a strip at the top of the screen with the path being
// cleaned and a "Megszakít" button.
#include <functional>
#include <memory>
#include <string>

#include "core/app/shell_views.h"
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

// The splash for as long as the start-up needs it. Hiding it lets it go, and every call
// after that is a no-op; the hidden window itself stays until the holder is made anew or
// goes, as the hide may come from its own "Megszakít".
class Splash : public app::SplashView {
public:
    bool create(HINSTANCE instance, std::function<void()> onCancel);
    SplashWindow* window() { return splash_.get(); }

    void setSplashText(const std::string& text) override;
    void setSplashPath(const std::string& label, const std::string& hint) override;
    void hideSplash() override;

private:
    std::unique_ptr<SplashWindow> splash_;
    std::unique_ptr<SplashWindow> retired_;
};

}  // namespace kefelo::ui
