// The tools and options pages over pages 2 and 3 of the main page control, and what the
// page changes and activations of the window mean for the cleaning and tools pages.
#include "ui/app/main_window.h"

namespace kefelo::ui {

bool MainWindow::createToolsPage() {
    toolsPage_ = std::make_unique<ToolsPage>();
    if (!toolsPage_->create(instance_, pageWindow(app::page_tools), services_.platform.sys.platformId() >= 2)) {
        return false;
    }
    ToolsPage::Callbacks& callbacks = toolsPage_->callbacks();
    callbacks.viewAutodelFile = [this] {
        if (autodel_) autodel_->view();
    };
    callbacks.saveAutodelFile = [this] {
        if (autodel_) autodel_->saveElsewhere();
    };
    callbacks.runAutodelFile = [this] {
        if (autodel_) autodel_->registerForNextStart([this] { shell_.saveConfiguration(); }, shell_.console.enabled());
    };
    // pcChange: the undeletable-files group offers its buttons exactly while there is an
    // "autodel.bat" to work on.
    pageChangeHandlers.push_back([this](int) {
        toolsPage_->setAutodelButtonsEnabled(
            services_.platform.fs.fileExists(services_.programDirectory + "autodel.bat"));
    });
    // Both refresh the container and task lists (marks, dates, rows loaded anew): the
    // grids follow.
    pageChangeHandlers.push_back([this](int page) {
        if (!cleaningPage_) return;
        cleaningPage_->listsChanged();
        // Outside diagnostic mode the page's main control takes the focus.
        if (page == app::page_clean && !shell_.console.enabled()) cleaningPage_->focusDefault();
    });
    activationRefresh.push_back([this] {
        if (cleaningPage_) cleaningPage_->listsChanged();
    });
    return true;
}

bool MainWindow::createOptionsPage() {
    platform::Platform& p = services_.platform;
    integration::OptionsPageModel::Context context{config_,
                                                   p.registry,
                                                   p.ui,
                                                   p.sys.executablePath(),
                                                   [this](bool on) { search_.DoRecursive = on; },
                                                   [this](bool on) {
                                                       if (onContainerAddEnabled) onContainerAddEnabled(on);
                                                   },
                                                   nullptr};
    // A refused registry write is reported like any other error, except where a box would
    // stop an automatic run.
    context.reportError = [this](const std::string& text) {
        if (!services_.commandLine.isAutomatic()) {
            services_.platform.ui.message(platform::MessageKind::Error, platform::Buttons::Ok, text);
        }
    };
    options_ = std::make_unique<integration::OptionsPageModel>(std::move(context));
    optionsPage_ = std::make_unique<OptionsPage>();
    return optionsPage_->create(instance_, pageWindow(app::page_options), *options_);
}

}  // namespace kefelo::ui
