// Process entry: the platform objects and the start-up sequence.
#include <windows.h>
// The common controls header needs the definitions above.
#include <commctrl.h>

#include "app/startup_host.h"
#include "core/app/program_texts.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"
#include "ui/common/version_info.h"

namespace {
using namespace kefelo;

int run(HINSTANCE instance, int showCommand) {
    platform::win32::Win32SystemInfo system;
    platform::win32::Win32FileSystem fs;
    platform::win32::Win32Clock clock;
    platform::win32::Win32Registry registry;
    platform::win32::Win32UiServices ui;
    platform::win32::Win32Shell shell;
    platform::win32::Win32Clipboard clipboard;
    platform::Platform platform{fs, system, registry, clock, ui, clipboard};
    const timeutil::TDateTime startTime = clock.now();

    app::StartupState state;
    state.commandLine = app::CommandLine(app::splitCommandLine(platform::win32::narrow(GetCommandLineW())));
    state.executablePath = system.executablePath();
    state.programDirectory = app::programDirectoryOf(state.executablePath);
    state.fileVersion = ui::fileVersionOf(platform::win32::widen(state.executablePath));

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    Win32Startup host(instance, showCommand, platform, ui, shell, state);
    if (!host.initialise(startTime)) return 1;
    return app::runStartup(host, platform, shell, state).exitCode;
}
}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    try {
        return run(instance, showCommand);
    } catch (...) {
        return 1;
    }
}
