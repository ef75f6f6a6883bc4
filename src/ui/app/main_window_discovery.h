#pragma once
// The main window as the view of the standard container discovery ("Alapértékek").
#include <string>

#include "core/containers/discovery.h"

namespace kefelo::ui {

class MainWindow;

class DiscoveryHost : public containers::DiscoveryView {
public:
    explicit DiscoveryHost(MainWindow& window) : window_(window) {}

    void setInitialCaption(const std::string& caption) override;
    void showContainerGrid(bool shown) override;
    void setCurrentContainerRow(int row) override;
    void showCleaningLists(bool lists) override;
    void setStatusText(const std::string& text) override;
    void setStatusCentred(bool centred) override;
    void startBlinking(int tag) override;
    void stopBlinking() override;
    void showSearchedFolder(const std::string& folder) override;
    void listsChanged() override;
    bool mainWindowVisible() override;
    void bringMainToFront() override;
    void repaint() override;

private:
    MainWindow& window_;
};

}  // namespace kefelo::ui
