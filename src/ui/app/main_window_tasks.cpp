// The task editors on the cleaning page and the own-types editor window they open.
#include "ui/app/main_window.h"
#include "ui/cleaning/cleaning_page_ids.h"

namespace kefelo::ui {

void MainWindow::connectTaskEditors() {
    platform::Platform& p = services_.platform;
    typeLists_ = std::make_unique<config::TypeLists>(masks_, p.ui);
    taskEditors_ = std::make_unique<containers::TaskEditors>(config_.list_projects, *typeLists_, masks_, p.fs, p.ui,
                                                             services_.shell);
    taskEditorView_ = std::make_unique<TaskEditorView>(*taskEditors_, *typeLists_);
    HWND listsDialog = GetParent(cleaningPage_->taskGrid());
    if (!listsDialog || !taskEditorView_->create(instance_, listsDialog)) return;

    taskEditorView_->hint = [this](const std::string& text) { showHint(text); };
    taskEditorView_->onStored = [this] {
        cleaningPage_->listsChanged();
        cleaningPage_->setCurrentTaskRow(taskEditors_->currentRow);
        if (cleaningPage_->callbacks().listsEdited) cleaningPage_->callbacks().listsEdited();
    };
    taskEditorView_->openOwnTypes = [this] { openOwnTypes(); };
    cleaningPage_->connectListButton(IDC_BUTTON_NEWPROJECT, [this] {
        taskEditors_->button_newprojectClick();
        taskEditorView_->refresh();
    });
    cleaningPage_->connectListButton(IDC_BUTTON_PROJECTMODIFY, [this] {
        taskEditors_->currentRow = cleaningPage_->currentTaskRow();
        if (taskEditors_->button_projectmodifyClick()) taskEditorView_->refresh();
    });
}

}  // namespace kefelo::ui
