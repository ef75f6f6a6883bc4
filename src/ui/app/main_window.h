#pragma once
// The main window `TForm1`: the page control `pc` over the status bar `Status`, the tray
// icon with its menus, the welcome screen, the diagnostic console, and the secondary
// windows it owns. Its lifecycle rules live in core (app::MainShell); this class carries
// them out on the real windows.
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/app/command_line.h"
#include "core/app/main_pages.h"
#include "core/app/main_shell.h"
#include "core/cleaning/autodel_operations.h"
#include "core/cleaning/cleaning_host.h"
#include "core/cleaning/cleaning_run.h"
#include "core/cleaning/run_record.h"
#include "core/config/categories.h"
#include "core/config/config_model.h"
#include "core/integration/options_page_model.h"
#include "core/search/search_folders.h"
#include "platform/platform.h"
#include "platform/shell.h"
#include "ui/app/application_window.h"
#include "ui/app/main_page_view.h"
#include "ui/app/main_window_discovery.h"
#include "ui/app/secondary_placeholder.h"
#include "ui/app/splash_window.h"
#include "ui/app/welcome_panel.h"
#include "ui/cleaning/cleaning_page.h"
#include "ui/common/gdi.h"
#include "ui/common/window.h"
#include "ui/containers/container_list_menus.h"
#include "ui/containers/task_editor_view.h"
#include "ui/config/own_types_window.h"
#include "ui/controls/subclass.h"
#include "ui/controls/tray_icon.h"
#include "ui/options/options_page.h"
#include "ui/search/search_page.h"
#include "ui/tools/tools_page.h"

namespace kefelo::ui {

class MainWindow : public Window, private app::ShellView, private cleaning::CleaningHost {
    friend class DiscoveryHost;

public:
    struct Services {
        platform::Platform& platform;
        platform::Shell& shell;
        const app::CommandLine& commandLine;
        std::string programDirectory;  // with trailing "\"
        std::string fileVersion;
    };

    explicit MainWindow(const Services& services);
    ~MainWindow() override;

    // Created hidden and owned by the application window; its creation loads the
    // configuration. The start-up decides whether and how it is shown.
    bool create(HINSTANCE instance, HICON icon, HICON smallIcon, ApplicationWindow& application);
    // The working main window of the start-up: the configuration is loaded again, so that
    // what the wizards wrote is seen.
    void reloadConfiguration();

    // --- what the start-up needs ---
    void setPreStart(bool preStart) { shell_.preStart = preStart; }
    void enableActionsMenu(bool enabled);
    void setTrayHint(const std::string& hint) override;
    // The tray icon with the menu `pTray`, or with the empty menu `pUres` during an update run.
    void showTray(bool emptyMenu);
    void hideTray();
    void showBalloon(const std::string& title, const std::string& text, BalloonIcon icon);
    bool createSplash();
    SplashWindow* splash() { return splash_.get(); }
    // Hides and frees the splash; nothing happens once it is gone.
    void closeSplash() { hideSplash(); }
    void setKeepSplash(bool keep) { shell_.keepSplash = keep; }
    bool createSecondaryWindows();
    void tesztBe(const std::string& text) { shell_.console.TesztBe(text); }
    void markActive() { shell_.activationMark = true; }
    void showFirst(int showCommand);
    bool terminated() const { return terminated_; }
    // Keys the window sees before its controls (Esc, Ctrl+F3); true when taken.
    bool previewKey(const MSG& msg);

    // --- for the pages ---
    platform::Platform& platform() { return services_.platform; }
    config::ConfigModel& config() { return config_; }
    config::MaskTable& masks() { return masks_; }
    search::TSearchFolders& search() { return search_; }
    app::MainShell& shell() { return shell_; }
    HWND pageWindow(int page) const { return pages_[page] ? pages_[page]->hwnd() : nullptr; }
    int activePage() const;
    void selectPage(int index);
    void setStatusText(const std::string& text) override;
    std::string statusText() override;
    // Centres the status text (a run in progress) or puts it back to the left.
    void setStatusCentred(bool centred);
    // `OnHint`: the long hint of the control under the mouse.
    void showHint(const std::string& hint);
    // `Villog`: the blinking status text while long work runs; the tag is the kind of work.
    void startBlinking(int tag) override;
    void stopBlinking() override;

    // --- the cleaning run ---
    cleaning::CleaningRun& cleaningRun() { return *run_; }
    cleaning::RunRecord& runRecord() { return record_; }
    cleaning::AutodelOperations& autodel() { return *autodel_; }
    CleaningPage* cleaningPage() { return cleaningPage_.get(); }
    ToolsPage* toolsPage() { return toolsPage_.get(); }
    OptionsPage* optionsPage() { return optionsPage_.get(); }
    integration::OptionsPageModel* options() { return options_.get(); }
    // The automatic modes start the run at once, the window hidden.
    void startAutomaticCleaning();

    // Seams the pages fill in; each may stay empty.
    std::function<void()> onTrayClean;                              // menu_trayclean
    std::function<void()> onTrayFormat;                             // menu_trayformat
    std::function<void()> onEscape;                                 // Esc: halts a search or confirms a report
    std::function<void()> onExportInfo;                             // Ctrl+F3
    std::function<void()> onDiscoverContainers;                     // leaving the welcome screen
    std::function<void(bool fromClipboard)> onAddContainer;         // pMenu "Új könyvtár felvétele"
    std::function<void(const std::string& path)> onSearchRequest;   // a handed-over directory
    std::vector<std::function<void()>> activationRefresh;           // WM_NCACTIVATE
    std::vector<std::function<void(int page)>> pageChangeHandlers;  // pcChange
    // The walker's events for the activities other than the cleaning run.
    std::function<void(search::TSearchFolders&, const std::string& dir)> onWalkerProcess;
    std::function<void(search::TSearchFolders&)> onWalkerChanged;
    std::function<void()> onTimer1;     // pVarj and the container grid after 5 s
    std::function<void()> onFirstShow;  // check_dirregistration follows the registry
    std::function<void(bool enabled)> onContainerAddEnabled;  // button_tempdiradd, by check_noadd

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static constexpr UINT_PTR kVillogTimer = 1;
    static constexpr UINT kVillogMs = 650;
    // Posted by the hand-over so that the sender is answered before the search starts.
    static constexpr UINT kStartSearchMessage = WM_APP + 10;
    static constexpr UINT kFreeSplashMessage = WM_APP + 11;

    // --- app::ShellView ---
    bool mainVisible() override;
    void hideMain() override;
    void showMain() override;
    void focusMain() override;
    void restoreApplication() override;
    void popUpMain() override;
    void storeWindowState() override;
    bool pageControlVisible() override { return !welcomeShown_; }
    void setCleaningInnerPage(int page) override { setCleaningPage(page); }
    void repaintAndPump() override;
    void terminate() override;
    void beep() override;
    bool trayMenuIsEmpty() override { return trayMenuEmpty_; }
    void hideTrayIcon() override { hideTray(); }
    void checkRestoreItem(bool checked) override;
    void enableActionsItem(bool enabled) override;
    void setSplashText(const std::string& text) override;
    void hideSplash() override;

    // --- cleaning::CleaningHost (main_window_cleaning_host.cpp) ---
    bool mainWindowVisible() override { return mainVisible(); }
    int mainPage() override { return activePage(); }
    void setMainPage(int page) override { selectPage(page); }
    void setCleaningPage(int page) override;
    void setTrayCleanCaption(const std::string& caption) override;
    void setReportCaption(const std::string& caption) override;
    void showReportHalt(bool visible) override;
    void showReportButtons(bool visible) override;
    void hideLog() override;
    void showLog(const cleaning::CleaningLog& log) override;
    void setLastPathText(const std::string& text) override;
    void focusReportButtons() override;
    void setAutodelButtonEnabled(bool enabled) override;
    void setCurrentTaskRow(int row) override;
    void listsChanged() override;
    void setStatusAlignment(cleaning::StatusAlignment alignment) override;
    void setHourglassCursor(bool on) override;
    void repaint() override;
    void showTrayBalloon(const std::string& title, const std::string& text) override;
    void showTrayIcon() override;
    void showApplicationTaskbarWindow() override;
    void setSplashPath(const std::string& label, const std::string& hint) override;
    bool windowWasVisible() override { return shell_.windowWasVisible; }
    void setWindowWasVisible(bool visible) override { shell_.windowWasVisible = visible; }
    void popUp() override { shell_.PopUp(); }
    void restoreFromTray() override;
    void searchVege() override { shell_.SearchVege(); }
    bool quitting() override { return shell_.quitting; }
    void quit() override { shell_.Kilps1Click(); }

    void createCleaning();
    void createDiscovery();  // main_window_discovery.cpp
    bool createCleaningPage();
    void connectContainerMenus();  // main_window_containers.cpp
    void connectTaskEditors();     // main_window_tasks.cpp
    bool createToolsPage();    // main_window_pages.cpp
    bool createSearchPage();   // main_window_search.cpp
    void openOwnTypes();       // main_window_search.cpp
    bool createOptionsPage();  // main_window_pages.cpp
    void walkerProcess(search::TSearchFolders& sender, const std::string& dir);
    void walkerChanged(search::TSearchFolders& sender);

    bool createChildren();
    void createConsole();
    void buildMenus();
    void applyConfiguration();
    void applyFont();
    void layout();
    void showSelectedPage();
    void pcChange();
    void onDpiChanged(UINT dpi, const RECT& suggested);
    void onActivated();
    void showTrayMenu();
    void showPopupMenu();
    void onCommand(UINT id);
    void showWelcome(bool show);
    void leaveWelcome();
    bool WMCopyData(const COPYDATASTRUCT& data);
    void startHandedOverSearch();
    void consoleLineClicked();

    Services services_;
    config::ConfigModel config_;
    config::MaskTable masks_;
    search::TSearchFolders search_;
    app::MainShell shell_;
    cleaning::RunRecord record_;
    std::unique_ptr<cleaning::AutodelOperations> autodel_;
    std::unique_ptr<cleaning::CleaningRun> run_;
    std::unique_ptr<CleaningPage> cleaningPage_;
    std::unique_ptr<ContainerListMenus> containerMenus_;
    std::unique_ptr<config::TypeLists> typeLists_;
    std::unique_ptr<containers::TaskEditors> taskEditors_;
    std::unique_ptr<TaskEditorView> taskEditorView_;
    std::unique_ptr<OwnTypesWindow> ownTypes_;  // `Tfrmmytype`
    std::unique_ptr<ToolsPage> toolsPage_;
    std::unique_ptr<SearchPage> searchPage_;
    std::unique_ptr<integration::OptionsPageModel> options_;
    std::unique_ptr<OptionsPage> optionsPage_;
    std::unique_ptr<DiscoveryHost> discoveryHost_;
    std::unique_ptr<containers::ContainerDiscovery> discovery_;

    HINSTANCE instance_ = nullptr;
    ApplicationWindow* application_ = nullptr;
    UINT dpi_ = 96;
    UniqueFont font_;
    HWND pc_ = nullptr;
    HWND status_ = nullptr;
    std::array<std::unique_ptr<MainPageView>, app::kMainPageCount> pages_;
    WelcomePanel welcome_;
    bool welcomeShown_ = false;

    // The diagnostic console `mTeszt`, the list of component names and the mask table `mKit`.
    HWND console_ = nullptr;
    HWND componentNames_ = nullptr;
    HWND maskTable_ = nullptr;
    Subclass consoleClicks_;

    TrayIcon tray_;
    bool trayMenuEmpty_ = false;
    HMENU trayMenu_ = nullptr;     // pTray
    HMENU actionsMenu_ = nullptr;  // menuitem_actions
    HMENU popupMenu_ = nullptr;    // pMenu
    std::unique_ptr<SplashWindow> splash_;
    std::unique_ptr<SplashWindow> retiredSplash_;
    std::vector<std::unique_ptr<SecondaryPlaceholder>> secondaries_;
    SecondaryPlaceholder* diskAnalysis_ = nullptr;
    SecondaryPlaceholder* zipWindow_ = nullptr;

    bool terminated_ = false;
    bool statusCentred_ = false;
    std::string statusText_;
    std::string pendingSearch_;
};

}  // namespace kefelo::ui
