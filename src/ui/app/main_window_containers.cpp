// The add and removal menus of the container and task grids, and the ways into adding a
// container from outside the cleaning page (the options' unlock, the tray's popup menu).
#include "ui/app/main_window.h"

namespace kefelo::ui {

void MainWindow::connectContainerMenus() {
    containerMenus_ = std::make_unique<ContainerListMenus>(services_.platform, config_, *cleaningPage_);
    containerMenus_->connect();
    onContainerAddEnabled = [this](bool enabled) { containerMenus_->setAddEnabled(enabled); };
    // The popup menu adds only while manual adding is unlocked, as the add button does.
    onAddContainer = [this](bool fromClipboard) {
        if (fromClipboard) {
            containerMenus_->addFromClipboard();
        } else {
            containerMenus_->addFromPicker();
        }
    };
}

}  // namespace kefelo::ui
