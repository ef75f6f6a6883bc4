// "Alapértékek" on the cleaning page and the exit of the welcome screen run the standard
// container discovery; the walker's events of its full search come here by activity code.
#include "ui/app/main_window_discovery.h"

#include "core/app/busy_guard.h"
#include "ui/app/main_window.h"
#include "ui/cleaning/cleaning_page_ids.h"

namespace kefelo::ui {

void DiscoveryHost::setInitialCaption(const std::string& caption) {
    CleaningPage* page = window_.cleaningPage();
    if (SelButton* button = page ? page->listButton(IDC_BUTTON_INITIAL) : nullptr) button->setCaption(caption);
}

void DiscoveryHost::showContainerGrid(bool shown) {
    CleaningPage* page = window_.cleaningPage();
    if (!page || !page->containerGrid()) return;
    EnableWindow(page->containerGrid(), shown ? TRUE : FALSE);
    ShowWindow(page->containerGrid(), shown ? SW_SHOW : SW_HIDE);
}

void DiscoveryHost::setCurrentContainerRow(int row) {
    if (CleaningPage* page = window_.cleaningPage()) page->setCurrentContainerRow(row);
}

void DiscoveryHost::showCleaningLists(bool lists) {
    window_.selectPage(app::page_clean);
    if (lists) window_.setCleaningPage(0);
}

void DiscoveryHost::setStatusText(const std::string& text) { window_.setStatusText(text); }

void DiscoveryHost::setStatusCentred(bool centred) { window_.setStatusCentred(centred); }

void DiscoveryHost::startBlinking(int tag) { window_.startBlinking(tag); }

void DiscoveryHost::stopBlinking() { window_.stopBlinking(); }

// The window has no memo for the folder being searched: the blinking status says that
// the search runs, and the rows appear in the grid when it ends.
void DiscoveryHost::showSearchedFolder(const std::string&) {}

void DiscoveryHost::listsChanged() { window_.listsChanged(); }

bool DiscoveryHost::mainWindowVisible() { return window_.mainVisible(); }

void DiscoveryHost::bringMainToFront() { window_.showMain(); }

void DiscoveryHost::repaint() { window_.repaint(); }

void MainWindow::createDiscovery() {
    discoveryHost_ = std::make_unique<DiscoveryHost>(*this);
    discovery_ = std::make_unique<containers::ContainerDiscovery>(
        containers::DiscoveryContext{services_.platform, config_, search_, services_.commandLine, *discoveryHost_,
                                     [this](const std::string& line) { tesztBe(line); }});
    if (cleaningPage_)
        cleaningPage_->connectListButton(IDC_BUTTON_INITIAL, [this] { discovery_->button_initialClick(); });
    onDiscoverContainers = [this] { discovery_->Discovery(); };

    // The walker's events of other activities keep their handlers.
    auto process = std::move(onWalkerProcess);
    onWalkerProcess = [this, process](search::TSearchFolders& sender, const std::string& dir) {
        if (sender.Tag == app::activity_containersearch) {
            discovery_->SearchFoldersProcess(dir);
        } else if (process) {
            process(sender, dir);
        }
    };
    auto changed = std::move(onWalkerChanged);
    onWalkerChanged = [this, changed](search::TSearchFolders& sender) {
        if (sender.Tag == app::activity_containersearch) {
            discovery_->SearchFoldersChanged();
        } else if (changed) {
            changed(sender);
        }
    };
}

}  // namespace kefelo::ui
