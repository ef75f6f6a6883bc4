#pragma once
// The cleaning page (page 0 of the main page control): the inner page control
// `pcKefelas` with the lists (page 0) and the report of a run (page 1). Its tabs are
// hidden: a run brings the report up and "Rendben" takes it away. It is the view of the
// session's cleaning run and container discovery; the buttons call the session's models,
// the task editors and the container lists' menus live on it.
#include <functional>
#include <memory>
#include <string>

#include "core/cleaning/cleaning_log.h"
#include "core/cleaning/cleaning_page_view.h"
#include "core/containers/discovery.h"
#include "ui/app/main_page.h"
#include "ui/cleaning/cleaning_lists_view.h"
#include "ui/cleaning/cleaning_report_view.h"
#include "ui/controls/subclass.h"

namespace kefelo::ui {

class ContainerListMenus;
class TaskEditorView;

class CleaningPage : public MainPage, public cleaning::CleaningPageView, private containers::DiscoveryView {
public:
    CleaningPage();
    ~CleaningPage() override;

    // --- MainPage ---
    bool create(const MainPageContext& context) override;
    void pageChanged(app::MainPage shown) override;
    void activated() override { listsChanged(); }
    bool previewKey(const MSG& msg) override;
    bool command(UINT id) override;

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
    SelButton* listButton(int id) { return lists_->button(id); }
    HWND containerGrid() const;
    HWND taskGrid() const;
    int currentContainerRow() const { return lists_->currentRow(containers::GridKind::Containers); }
    int currentTaskRow() const { return lists_->currentRow(containers::GridKind::Tasks); }
    void setCurrentContainerRow(int row) override { lists_->setCurrentRow(containers::GridKind::Containers, row); }

    // --- cleaning::CleaningPageView ---
    void showCleaningPage() override;
    void setCleaningPage(int page) override { setInnerPage(page); }
    void setReportCaption(const std::string& caption) override { report_.setCaption(caption); }
    void showReportHalt(bool visible) override { report_.showHalt(visible); }
    void showReportButtons(bool visible) override { report_.showButtons(visible); }
    void hideLog() override { report_.hideLog(); }
    void showLog(const cleaning::CleaningLog& log) override { report_.showLog(log); }
    void setLastPathText(const std::string& text) override { report_.setLastPathText(text); }
    void focusReportButtons() override { report_.focusButtons(); }
    void setAutodelButtonEnabled(bool enabled) override { report_.setAutodelEnabled(enabled); }
    void setCurrentTaskRow(int row) override { lists_->setCurrentRow(containers::GridKind::Tasks, row); }
    // The rows or their folders changed in the model: redraw the grids.
    void listsChanged() override { lists_->listsChanged(); }
    void setContainerAddEnabled(bool enabled) override;

private:
    // --- containers::DiscoveryView ---
    void setInitialCaption(const std::string& caption) override;
    void showContainerGrid(bool shown) override;
    void showCleaningLists(bool lists) override;
    // `memotempssearch`, in the container grid's place while the profiles are searched.
    void showSearchedFolder(const std::string& folder) override;

    bool createViews(const MainPageContext& context);
    void connectTaskEditors(const MainPageContext& context);
    void layout();
    void showWaitingPanel();
    void hideWaitingPanel();
    // Puts a window over the container grid, in its place.
    void coverContainerGrid(HWND cover);

    session::Session* session_ = nullptr;
    PageHost* host_ = nullptr;
    HWND page_ = nullptr;
    HWND memotempssearch_ = nullptr;
    HWND pVarj_ = nullptr;
    int innerPage_ = 0;
    std::unique_ptr<CleaningListsView> lists_;
    CleaningReportView report_;
    std::unique_ptr<ContainerListMenus> containerMenus_;
    std::unique_ptr<TaskEditorView> taskEditorView_;
    Subclass pageHook_;
};

}  // namespace kefelo::ui
