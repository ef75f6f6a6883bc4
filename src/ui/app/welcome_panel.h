#pragma once
// The welcome screen `pHatter`, shown instead of the pages when the program has no
// configuration yet: a greeting and the red field `label_readhelp`, whose double-click
// leaves it.
#include <functional>

#include "ui/common/gdi.h"
#include "ui/common/window.h"

namespace kefelo::ui {

class WelcomePanel : public Window {
public:
    bool create(HINSTANCE instance, HWND parent, UINT dpi);
    void setDpi(UINT dpi);
    // Where the help text sits below the two captions, in client coordinates.
    RECT helpArea() const;

    std::function<void()> onReadHelpDoubleClick;

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void createFonts();
    RECT titleRect() const;
    RECT readHelpRect() const;
    void paint(HDC dc);

    UINT dpi_ = 96;
    UniqueFont titleFont_;
    UniqueFont textFont_;
};

}  // namespace kefelo::ui
