#pragma once
// Base of the modeless child dialogs built from .rc templates (the pages of the main
// window): the same object-pointer and no-exception rules as Window.
#include <windows.h>

namespace kefelo::ui {

class Dialog {
public:
    Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;
    virtual ~Dialog();

    HWND hwnd() const { return hwnd_; }

protected:
    HWND createModeless(HINSTANCE instance, int templateId, HWND parent);
    // From a template built in memory (a DLGTEMPLATEEX, DWORD-aligned).
    HWND createModeless(HINSTANCE instance, const void* dialogTemplate, HWND parent);

    // Return TRUE when handled; SetWindowLongPtr(DWLP_MSGRESULT) for a result.
    virtual INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static INT_PTR CALLBACK dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

// A page made from a template: its controls are set up once the template exists, placed
// again at every size change, and its owner-drawn buttons drawn; a page writes only these
// steps and the messages of its own.
class PageDialog : public Dialog {
protected:
    virtual void initialize() {}
    virtual void layout() {}
    // True when the item was one of the page's owner-drawn buttons.
    virtual bool drawItem(LPARAM /*item*/) { return false; }

    INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace kefelo::ui
