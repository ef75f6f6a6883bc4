// The pages of the main page control, one line each, in the order of app::MainPage.
#include "ui/app/main_page.h"
#include "ui/cleaning/cleaning_page.h"
#include "ui/help/help_page.h"
#include "ui/options/options_page.h"
#include "ui/search/search_page.h"
#include "ui/tools/tools_page.h"

namespace kefelo::ui {

std::unique_ptr<MainPage> makeMainPage(app::MainPage page) {
    switch (page) {
        case app::page_clean:
            return std::make_unique<CleaningPage>();
        case app::page_filesearch:
            return std::make_unique<SearchPage>();
        case app::page_tools:
            return std::make_unique<ToolsPage>();
        case app::page_options:
            return std::make_unique<OptionsPage>();
        case app::page_help:
            return std::make_unique<HelpPage>();
    }
    return nullptr;
}

}  // namespace kefelo::ui
