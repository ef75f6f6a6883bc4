#pragma once
// The install wizard on screen: a modal dialog over no window (the main window is not shown
// yet), its two pages, tool tips with the controls' hints. The core wizard decides.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "core/maintenance/install_wizard.h"
#include "ui/controls/tooltips.h"

namespace kefelo::ui {

class InstallWizardWindow : private maintenance::InstallServices {
public:
    // `setMessageOwner` gives the message boxes an owner while the wizard is up;
    // `stopAnsweringCopies` makes this process invisible to the copy it is about to start.
    InstallWizardWindow(platform::Platform& platform, platform::Shell& shell, platform::ShellLinks& links,
                        std::string executablePath, std::string programDirectory,
                        std::function<void(HWND)> setMessageOwner, std::function<void()> stopAnsweringCopies);

    enum class Outcome { Quit, RunHere, Installed };
    // Shows the wizard on its first page and returns when it closes.
    Outcome run(HINSTANCE instance, HICON icon);

private:
    std::string fileVersion(const std::string& path) override;
    std::vector<std::string> documentationLines() override;
    void handOverToInstalledCopy() override;

    static INT_PTR CALLBACK dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR handle(UINT message, WPARAM wParam);
    void initialise();
    void showPage();
    // The model's boxes and target onto the controls, and the ticks back.
    void showState();
    void readChecks();
    void command(int id);

    maintenance::TfrmInstall model_;
    std::function<void(HWND)> setMessageOwner_;
    std::function<void()> stopAnsweringCopies_;
    HWND hwnd_ = nullptr;
    Tooltips tips_;
    HFONT bold_ = nullptr;
    HICON icon_ = nullptr;
};

}  // namespace kefelo::ui
