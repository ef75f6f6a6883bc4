#include "ui/common/dialog.h"

#include <string>

#include "ui/common/window_faults.h"

namespace kefelo::ui {

Dialog::~Dialog() {
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
        DestroyWindow(hwnd_);
    }
}

HWND Dialog::createModeless(HINSTANCE instance, int templateId, HWND parent) {
    return CreateDialogParamW(instance, MAKEINTRESOURCEW(templateId), parent, &Dialog::dialogProc,
                              reinterpret_cast<LPARAM>(this));
}

HWND Dialog::createModeless(HINSTANCE instance, const void* dialogTemplate, HWND parent) {
    return CreateDialogIndirectParamW(instance, static_cast<const DLGTEMPLATE*>(dialogTemplate), parent,
                                      &Dialog::dialogProc, reinterpret_cast<LPARAM>(this));
}

INT_PTR Dialog::handleMessage(UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

INT_PTR PageDialog::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            initialize();
            return FALSE;  // the page sets its own focus
        case WM_SIZE:
            layout();
            return TRUE;
        case WM_DRAWITEM:
            if (drawItem(lParam)) return TRUE;
            break;
        default:
            break;
    }
    return Dialog::handleMessage(message, wParam, lParam);
}

INT_PTR CALLBACK Dialog::dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Dialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    } else {
        self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    }
    if (!self) return FALSE;

    INT_PTR result = FALSE;
    std::string fault;
    try {
        result = self->handleMessage(message, wParam, lParam);
    } catch (...) {
        fault = currentFaultText();
    }
    if (!fault.empty()) {
        reportWindowFault(hwnd, message, wParam, lParam, fault);
        result = FALSE;  // let the dialog manager's default handling run
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

}  // namespace kefelo::ui
