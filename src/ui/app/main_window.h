#pragma once
// The main window `TForm1`: the page control `pc` over the status bar `Status`.
#include <array>
#include <memory>
#include <string>

#include "core/app/main_pages.h"
#include "ui/app/main_page_view.h"
#include "ui/common/gdi.h"
#include "ui/common/window.h"

namespace kefelo::ui {

class MainWindow : public Window {
public:
    struct Texts {
        std::string caption;     // the window title
        std::string statusText;  // shown in the status bar whenever the window is shown
    };

    // Created hidden; the start-up decides whether and how it is shown.
    bool create(HINSTANCE instance, const Texts& texts, HICON icon, HICON smallIcon);

    int activePage() const;
    void selectPage(int index);
    void setStatusText(const std::string& text);

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool createChildren();
    void applyFont();
    void layout();
    void showSelectedPage();
    void onDpiChanged(UINT dpi, const RECT& suggested);

    HINSTANCE instance_ = nullptr;
    Texts texts_;
    UINT dpi_ = 96;
    UniqueFont font_;
    HWND pc_ = nullptr;
    HWND status_ = nullptr;
    std::array<std::unique_ptr<MainPageView>, app::kMainPageCount> pages_;
};

}  // namespace kefelo::ui
