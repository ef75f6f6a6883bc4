#pragma once
// One page of the main page control. Each page lives in its own folder and is registered
// in main_pages.cpp; the main window lays a page area over the page control for it,
// creates it there and tells it what happens to the window. Pages reach the program's
// models through the session and the main window through the frame roles.
#include <windows.h>

#include <memory>

#include "core/app/main_frame.h"
#include "core/app/main_pages.h"
#include "core/app/status_line.h"

namespace kefelo::session {
class Session;
}
namespace kefelo::tools {
class SystemStores;
}

namespace kefelo::ui {

// What a page may ask of the main window around it.
class PageHost {
public:
    virtual ~PageHost() = default;
    // Selects a page of the page control, as the code of the program does (no pcChange).
    virtual void showPage(app::MainPage page) = 0;
    // Whether the page is the one on screen (not while the welcome screen stands in).
    virtual bool pageShown(app::MainPage page) = 0;
    // The welcome screen stands in for the page control.
    virtual bool welcomeShown() = 0;
    // `Tfrmmytype` over the main window, modal; the type lists follow what it stored.
    virtual void openOwnTypes() = 0;
    // The disk analysis table over the main window, modal.
    virtual void showDiskAnalysis() = 0;
    // "Betömörítés": the ZIP window over the main window, modal.
    virtual void openZipWindow() {}
    // "A Kefeló program frissítése": the update wizard's first step, modal.
    virtual void openUpdateWizard() {}
    // `Tfrmuninstlist` over the main window, modal, on the stores' update-uninstall list.
    virtual void showUninstallList(tools::SystemStores& stores) = 0;
    // The diagnostic console is on ("teszt.mod").
    virtual bool diagnosticMode() = 0;
};

struct MainPageContext {
    HINSTANCE instance;
    // The page's area over the page control: the page fills it and follows its size.
    HWND page;
    session::Session& session;
    app::StatusLine& status;
    app::MainFrame& frame;
    PageHost& host;
};

class MainPage {
public:
    virtual ~MainPage() = default;
    virtual bool create(const MainPageContext& context) = 0;
    // `pcChange`: the user chose a page (or the window showed one anew); `shown` is the
    // page on screen now. The container and task lists have just been looked at again.
    virtual void pageChanged(app::MainPage /*shown*/) {}
    // The main window became active after having been inactive.
    virtual void activated() {}
    // The configuration was loaded again: the controls follow the model.
    virtual void configurationReloaded() {}
    // Keys the window sees before its controls; true when the page took the key.
    virtual bool previewKey(const MSG& /*msg*/) { return false; }
    // A command of the tray's menus that belongs to this page; true when taken.
    virtual bool command(UINT /*id*/) { return false; }
};

// The registration: the page object of each page of the page control.
std::unique_ptr<MainPage> makeMainPage(app::MainPage page);

}  // namespace kefelo::ui
