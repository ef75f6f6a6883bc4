// Process entry: reads the command line, decides the run mode and runs the main window.
#include <windows.h>
// The common controls header needs the definitions above.
#include <commctrl.h>

#include "app/resource.h"
#include "core/app/command_line.h"
#include "core/app/program_texts.h"
#include "core/app/run_decision.h"
#include "core/config/config_save.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"
#include "ui/app/main_window.h"
#include "ui/common/version_info.h"

namespace {
using namespace kefelo;

HICON loadProgramIcon(HINSTANCE instance, int widthMetric, int heightMetric) {
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_KEFELO), IMAGE_ICON,
                                         GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric), LR_SHARED));
}

int runMessageLoop(HWND mainWindow) {
    MSG msg;
    BOOL got;
    while ((got = GetMessageW(&msg, nullptr, 0, 0)) != 0) {
        if (got == -1) return 1;
        // Tab and arrow keys move between the controls of the pages.
        if (mainWindow && IsWindow(mainWindow) && IsDialogMessageW(mainWindow, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

int run(HINSTANCE instance, int showCommand) {
    platform::win32::Win32SystemInfo system;
    platform::win32::Win32FileSystem fs;
    platform::win32::Win32Clock clock;

    const app::CommandLine commandLine(app::splitCommandLine(platform::win32::narrow(GetCommandLineW())));
    const std::string executable = system.executablePath();
    const std::string programDirectory = app::programDirectoryOf(executable);

    // The last save left these read-only.
    config::clearConfigFileAttributes(fs, programDirectory);

    const app::StartDecision start = app::decideRun(fs, programDirectory, commandLine, clock.now());
    if (start.decision == app::RunDecision::Quit) return 0;

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    const std::string version = ui::fileVersionOf(platform::win32::widen(executable));
    ui::MainWindow mainWindow;
    const ui::MainWindow::Texts texts{app::mainWindowCaption(version), app::welcomeStatusText(version)};
    if (!mainWindow.create(instance, texts, loadProgramIcon(instance, SM_CXICON, SM_CYICON),
                           loadProgramIcon(instance, SM_CXSMICON, SM_CYSMICON))) {
        return 1;
    }

    const bool directoryStart = app::isDirectoryStart(fs, commandLine);
    if (app::mainWindowStartsVisible(commandLine, directoryStart)) {
        ShowWindow(mainWindow.hwnd(), showCommand);
        UpdateWindow(mainWindow.hwnd());
    }
    return runMessageLoop(mainWindow.hwnd());
}
}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    try {
        return run(instance, showCommand);
    } catch (...) {
        return 1;
    }
}
