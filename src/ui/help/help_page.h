#pragma once
// The help page (page 4 of the main page control): an empty page until the help viewer
// fills it.
#include "ui/app/main_page.h"

namespace kefelo::ui {

class HelpPage : public MainPage {
public:
    bool create(const MainPageContext&) override { return true; }
};

}  // namespace kefelo::ui
