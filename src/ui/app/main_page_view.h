#pragma once
// The area of one page over the main page control: a child dialog from the common
// template, which the page fills with its own controls.
#include "ui/common/dialog.h"

namespace kefelo::ui {

class MainPageView : public Dialog {
public:
    bool create(HINSTANCE instance, int templateId, HWND parent);

protected:
    INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace kefelo::ui
