#pragma once
// The cleaning page (page 0 of the main page control): the inner page control
// `pcKefelas` with the lists (page 0) and the report of a run (page 1). Its tabs are
// hidden: a run brings the report up and "Rendben" takes it away.
// The main window creates it over its page and drives it through these methods when it
// carries out what a cleaning run asks of the view; the buttons call back.
#include <functional>
#include <string>

#include "core/cleaning/cleaning_log.h"
#include "core/config/config_model.h"
#include "platform/platform.h"
#include "platform/win32/win32_shell.h"
#include "ui/cleaning/cleaning_lists_view.h"
#include "ui/cleaning/cleaning_report_view.h"
#include "ui/controls/subclass.h"

namespace kefelo::ui {

class CleaningPage {
public:
    struct Callbacks {
        std::function<void()> beginClean;       // `button_beginclean`
        std::function<void()> reportHalt;       // `button_reporthalt`
        std::function<void()> reportRunEnd;     // `button_reportrunend`
        std::function<void()> reportRunRepeat;  // `button_reportrunrepeat`
        std::function<void()> reportSave;       // `button_reportsave`
        std::function<void()> autodelBat;       // `buttonautodelbat`
        // "Nyomtatás" prints the log under this job title.
        std::function<std::string()> printJobTitle;
        // The hint of the control under the mouse, or of a grid's new current row, for
        // the status bar; empty over the background.
        std::function<void(const std::string&)> hint;
        // The user changed marks or the order of rows in the model.
        std::function<void()> listsEdited;
    };

    CleaningPage(platform::Platform& platform, platform::Shell& shell, config::ConfigModel& model);

    // `page` is the main window's page; the cleaning page fills it and follows its size.
    bool create(HINSTANCE instance, HWND page);
    bool create(HINSTANCE instance, HWND page, Callbacks callbacks) {
        callbacks_ = std::move(callbacks);
        return create(instance, page);
    }
    // What the buttons and hints call; may be filled in or changed at any time.
    Callbacks& callbacks() { return callbacks_; }

    // --- `pcKefelas` ---
    int innerPage() const { return innerPage_; }
    void setInnerPage(int page);
    // Where the focus goes when the page comes up: the log on the report, else the
    // container grid.
    void focusDefault();

    // --- the lists ---
    // Buttons of the lists whose work lives elsewhere ("Alapértékek", "Hozzáadás",
    // "Eltávolítás", "Új feladat", "Módosítás"): connecting one enables it.
    void connectListButton(int id, std::function<void()> handler);
    SelButton* listButton(int id) { return lists_.button(id); }
    HWND containerGrid() const;
    HWND taskGrid() const;
    // The rows or their folders changed in the model: redraw the grids.
    void listsChanged() { lists_.listsChanged(); }
    int currentContainerRow() const { return lists_.currentRow(containers::GridKind::Containers); }
    int currentTaskRow() const { return lists_.currentRow(containers::GridKind::Tasks); }
    void setCurrentContainerRow(int row) { lists_.setCurrentRow(containers::GridKind::Containers, row); }
    void setCurrentTaskRow(int row) { lists_.setCurrentRow(containers::GridKind::Tasks, row); }

    // --- the report ---
    void setReportCaption(const std::string& caption) { report_.setCaption(caption); }
    void showReportHalt(bool visible) { report_.showHalt(visible); }
    void showReportButtons(bool visible) { report_.showButtons(visible); }
    void hideLog() { report_.hideLog(); }
    void showLog(const cleaning::CleaningLog& log) { report_.showLog(log); }
    void setLastPathText(const std::string& text) { report_.setLastPathText(text); }
    void focusReportButtons() { report_.focusButtons(); }
    void setAutodelButtonEnabled(bool enabled) { report_.setAutodelEnabled(enabled); }
    bool printLog(const std::string& jobTitle) { return report_.printLog(jobTitle); }

private:
    void layout();

    HWND page_ = nullptr;
    int innerPage_ = 0;
    Callbacks callbacks_;
    CleaningListsView lists_;
    CleaningReportView report_;
    Subclass pageHook_;
};

}  // namespace kefelo::ui
