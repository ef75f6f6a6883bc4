#pragma once
// One page of the main page control: a child dialog from its template.
#include "ui/common/dialog.h"

namespace kefelo::ui {

class MainPageView : public Dialog {
public:
    bool create(HINSTANCE instance, int templateId, HWND parent);

protected:
    INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace kefelo::ui
