#pragma once
// The help page (page 4 of the main page control) with the help group `group_help`: the
// topic list `list_contents`, the font size list `list_contentsfontsize` and the view
// `memo_help2` with its menu `pSugo`. On the welcome screen the main window lends the
// page's area to the welcome panel, and the topic closes with a note on how to go on.
#include <memory>
#include <string>

#include "core/help/help_viewer.h"
#include "core/tools/windows_tools.h"
#include "ui/app/main_page.h"
#include "ui/common/dialog.h"
#include "ui/controls/hover_tracker.h"
#include "ui/controls/subclass.h"

namespace kefelo::ui {

class HelpPage : public MainPage, private PageDialog {
public:
    bool create(const MainPageContext& context) override;
    // Leaving the welcome screen takes its note away.
    void pageChanged(app::MainPage shown) override;
    // Each start shows the first topic, and the version history after an update.
    void configurationReloaded() override;

    help::HelpViewer& viewer() { return viewer_; }
    // list_contentsChange and list_contentsfontsizeChange, as the lists call them.
    void selectTopic(int index);
    void selectFontSize(int points);

private:
    void initialize() override;
    void layout() override;
    INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    void showTopic();
    void applyFont(HWND edit) const;
    void setWordWrap(bool on);
    void showMenu(POINT at);
    void copyToClipboard();
    void printCurrent();
    void printAll();
    std::string hintOf(HWND control) const;

    HWND page_ = nullptr;
    HWND view_ = nullptr;
    session::Session* session_ = nullptr;
    app::StatusLine* status_ = nullptr;
    PageHost* host_ = nullptr;
    help::HelpViewer viewer_;
    // The contact buttons' launches (home page, mail, forum).
    std::unique_ptr<tools::WindowsTools> contact_;
    bool contactShown() const;
    bool noteShown_ = false;
    // Set once the user picks word wrap from the menu; until then the welcome screen wraps.
    bool wrapChosen_ = false;
    Subclass pageHook_;
    HoverTracker hover_;
};

}  // namespace kefelo::ui
