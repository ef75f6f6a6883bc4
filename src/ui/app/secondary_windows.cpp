#include "ui/app/secondary_windows.h"

#include "core/session/session.h"
#include "core/tools/windows_tools.h"

namespace kefelo::ui {

bool SecondaryWindows::create(HINSTANCE instance, HWND owner, session::Session& session) {
    session_ = &session;
    config::ConfigModel& config = session.config();
    ownTypes_ = std::make_unique<OwnTypesWindow>(session.masks(), session.context().platform.ui,
                                                 [&config] { return config.check_viewalerts; });
    if (!ownTypes_->create(instance, owner)) return false;
    diskTable_ = std::make_unique<DiskTableWindow>(session.context().platform, session.context().shell,
                                                   session.walker().Tag, [&config] { return config.check_viewalerts; });
    if (!diskTable_->create(instance, owner)) return false;
    uninstallList_ = std::make_unique<UninstallListWindow>(session.status());
    if (!uninstallList_->create(instance, owner)) return false;
    const session::SessionContext& context = session.context();
    UpdateWizardHooks hooks;
    hooks.endBeep = [&session] { session.shell().endBeep(false); };
    hooks.lastAttemptChanged = [&config](timeutil::TDateTime at) { config.lastUpdateSearch = at; };
    hooks.quitForRestart = [&session] { session.shell().Kilps1Click(); };
    hooks.activity = &session.walker().Tag;
    hooks.emailToAuthor = [&context] {
        context.shell.executeFile(tools::authorMailUrl(context.fileVersion), "", "", true);
    };
    updateWizard_ = std::make_unique<TfrmUpdate>(context.platform, context.shell, context.programDirectory,
                                                 context.platform.sys.executablePath(), std::move(hooks));
    if (!updateWizard_->create(instance, owner)) return false;
    zip_ = std::make_unique<ZipWindow>(
        search::ZipContext{context.platform, context.shell, zipArchives_, session.search(), session.walker().Tag,
                           session.searchView(), session.frame(), config, context.programDirectory, context.fileVersion,
                           session.ntFamily()},
        [this](HWND over) { showDiskAnalysis(over); });
    if (!zip_->create(instance, owner)) return false;
    session.search().pruneZipUndeletables = [this] { zip_->model().pruneUndeleted(); };
    session.shell().setSecondaryWindows({diskTable_.get(), ownTypes_.get(),
                                         updateWizard_.get(), uninstallList_.get()},
                                        zip_.get());
    return true;
}

void SecondaryWindows::openOwnTypes(HWND over) {
    if (!ownTypes_ || !session_) return;
    RECT r{};
    GetWindowRect(over, &r);
    session_->typeLists().menuitem_selectmytypesClick(
        ownTypes_->editor(), config::WindowBounds{r.left, r.top, r.right - r.left, r.bottom - r.top},
        [this] { ownTypes_->showModal(); });
}

void SecondaryWindows::openZipWindow(HWND over) {
    if (zip_) zip_->open(over);
}

void SecondaryWindows::showDiskAnalysis(HWND over) {
    if (diskTable_) diskTable_->showModal(over);
}

void SecondaryWindows::openUpdateWizard(HWND over) {
    if (!updateWizard_ || !session_ || session_->shell().FutValami()) return;
    updateWizard_->showModal(over);
}

void SecondaryWindows::showUninstallList(HWND over, tools::SystemStores& stores) {
    if (uninstallList_) uninstallList_->showModal(over, stores);
}

}  // namespace kefelo::ui
