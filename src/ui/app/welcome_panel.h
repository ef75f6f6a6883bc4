#pragma once
// The welcome screen `pHatter`, shown instead of the pages when the program has no
// configuration yet: a greeting, the red field `label_readhelp`, whose double-click
// leaves it, and below them the help group, lent by the help page for the while.
#include <functional>
#include <string>

#include "ui/common/gdi.h"
#include "ui/common/window.h"

namespace kefelo::ui {

class WelcomePanel : public Window {
public:
    bool create(HINSTANCE instance, HWND parent, UINT dpi);
    void setDpi(UINT dpi);
    // Where the help text sits below the two captions, in client coordinates.
    RECT helpArea() const;
    // Takes the window into the help area; null gives a lent window back to `home`, on
    // top of its siblings there.
    void lendHelp(HWND help, HWND home);

    std::function<void()> onReadHelpDoubleClick;
    // The hint of the control under the mouse (empty off the red field).
    std::function<void(const std::string&)> onHint;

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // `label_readhelp`: a control of its own, so that it can be found and double-clicked
    // like any other.
    class ReadHelpLabel : public Window {
    public:
        bool create(HINSTANCE instance, WelcomePanel& panel);

    protected:
        LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    private:
        WelcomePanel* panel_ = nullptr;
    };

    void createFonts();
    RECT titleRect() const;
    RECT readHelpRect() const;
    void paint(HDC dc);
    void paintReadHelp(HDC dc, const RECT& field);
    void placeHelp();
    void showHint(const std::string& hint);

    ReadHelpLabel readHelp_;
    HWND help_ = nullptr;
    std::string hint_;

    UINT dpi_ = 96;
    UniqueFont titleFont_;
    UniqueFont textFont_;
};

}  // namespace kefelo::ui
