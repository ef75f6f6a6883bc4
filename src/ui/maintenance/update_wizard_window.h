#pragma once
// The update wizard `TfrmUpdate` on screen: shows the core wizard's state and forwards its
// buttons. Modal over the main window or, at start-up, over the desktop.
#include <windows.h>

#include <functional>
#include <memory>

#include "core/app/activity.h"
#include "core/app/main_shell.h"
#include "core/maintenance/update_wizard.h"
#include "platform/win32/win32_internet.h"
#include "platform/win32/win32_zip_reader.h"
#include "ui/common/dialog.h"
#include "ui/controls/tooltips.h"

namespace kefelo::ui {

// What the wizard asks of the program around it.
struct UpdateWizardHooks {
    std::function<void()> endBeep;
    std::function<void()> hideSplash;
    std::function<void(timeutil::TDateTime)> lastAttemptChanged;
    std::function<void()> quitForRestart;
    std::function<void()> emailToAuthor;
    // The program's activity code, which a download holds while it runs.
    app::Activity* activity = nullptr;
};

class TfrmUpdate : public Dialog, public app::SecondaryWindow, private maintenance::UpdateHost {
public:
    TfrmUpdate(platform::Platform& platform, platform::Shell& shell, const std::string& programDirectory,
               const std::string& executablePath, UpdateWizardHooks hooks);

    bool create(HINSTANCE instance, HWND owner);
    maintenance::UpdateWizard& wizard() { return *wizard_; }
    // Set by whoever shows the wizard at start-up (the splash's owner).
    UpdateWizardHooks& hooks() { return hooks_; }

    // By hand: step 1, centred over `over`; returns when closed.
    void showModal(HWND over);
    // The start-up's update run: the check first, centred on the screen; true when the
    // program is being replaced.
    bool runAutomatic();

    bool visible() override;
    void hide() override;
    void showInFront() override;

protected:
    INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void changed() override;
    void endBeep() override;
    void hideSplash() override;
    void lastAttemptChanged(timeutil::TDateTime lastAttempt) override;
    void quitForRestart() override;
    void close() override;

    void runLoop();
    void command(int id);
    void addHints();

    platform::win32::Win32Internet internet_;
    platform::win32::Win32ZipReader zip_;
    UpdateWizardHooks hooks_;
    std::unique_ptr<maintenance::UpdateWizard> wizard_;
    HWND owner_ = nullptr;
    Tooltips tooltip_;
    bool running_ = false;
    int shownPage_ = -1;
};

}  // namespace kefelo::ui
