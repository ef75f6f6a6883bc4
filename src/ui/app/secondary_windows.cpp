#include "ui/app/secondary_windows.h"

#include "core/session/session.h"

namespace kefelo::ui {
namespace {
enum Placeholder { kUpdateWizard, kUninstallList, kZip };
constexpr const char* kTitles[] = {"Kefeló frissítése", "Frissítések eltávolító könyvtárai", "Tömörítés"};
}  // namespace

bool SecondaryWindows::create(HINSTANCE instance, HWND owner, session::Session& session) {
    session_ = &session;
    placeholders_.clear();
    for (const char* title : kTitles) {
        auto window = std::make_unique<SecondaryPlaceholder>();
        if (!window->create(instance, owner, title)) return false;
        placeholders_.push_back(std::move(window));
    }
    config::ConfigModel& config = session.config();
    ownTypes_ = std::make_unique<OwnTypesWindow>(session.masks(), session.context().platform.ui,
                                                 [&config] { return config.check_viewalerts; });
    if (!ownTypes_->create(instance, owner)) return false;
    diskTable_ = std::make_unique<DiskTableWindow>(session.context().platform, session.context().shell,
                                                   [&config] { return config.check_viewalerts; });
    if (!diskTable_->create(instance, owner)) return false;
    session.shell().setSecondaryWindows({diskTable_.get(), ownTypes_.get(),
                                         placeholders_[kUpdateWizard].get(), placeholders_[kUninstallList].get()},
                                        placeholders_[kZip].get());
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

void SecondaryWindows::showDiskAnalysis(HWND over) {
    if (diskTable_) diskTable_->showModal(over);
}

}  // namespace kefelo::ui
