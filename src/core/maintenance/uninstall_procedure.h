#pragma once
// The uninstaller (`button_uninstallClick`): three confirmations, then the program's own
// files go through "uninstall.bat", which runs on after the program has ended, and the
// registry entries and shortcuts the program made are removed.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/activity.h"
#include "core/app/main_shell.h"
#include "core/maintenance/update_rules.h"
#include "platform/platform.h"
#include "platform/shell.h"
#include "platform/shell_links.h"

namespace kefelo::maintenance {

inline constexpr std::string_view kUninstallBatchName = "uninstall.bat";
inline constexpr std::string_view kUninstallCaption = "A Kefeló eltávolítása (uninstall)";
inline constexpr std::string_view kUninstallHint = "A Kefeló program és segédállományainak VÉGLEGES eltávolítása ";

extern const char* const kUninstallFirstQuestion;
extern const char* const kUninstallSecondQuestion;
extern const char* const kUninstallFailed;
// The last question, naming the program directory (given with its trailing "\").
std::string uninstallDirectoryQuestion(std::string_view programDirectory, bool hasZipped);

// How many times the script tries again while the program still holds its executable,
// about a second apart, before it gives up.
inline constexpr int kUninstallRetries = 60;

// The files of the program directory that the program writes and the script deletes,
// besides the executable and the script itself.
const std::vector<std::string>& uninstalledFileNames();

// The script's lines, every file named by its full path in the program directory
// (`program`, see batchProgram), so the folder it is started in does not matter; it does
// nothing when the program directory no longer holds the script and the executable.
// `ntCommandLine` false leaves out the " /q" and the code-page switch
// (text::batchCodePageSwitch), which the Windows 9x interpreter does not know, and keeps
// the lines in ASCII. nullopt when a path cannot be written exactly.
std::optional<std::vector<std::string>> uninstallBatchLines(const BatchProgram& program, bool ntCommandLine,
                                                            int retries = kUninstallRetries);

// What the procedure needs of the main window and of the other integrations.
class UninstallHost {
public:
    virtual ~UninstallHost() = default;
    // The tray's "Műveletek" item marked and disabled for the duration, or back to normal.
    virtual void markActionsMenu(bool marked) = 0;
    virtual bool mainWindowVisible() = 0;
    virtual void showMainWindowInFront() = 0;
    // Stops the walker, repaints, pumps, hides the tray icon and ends the program without
    // saving the settings again.
    virtual void terminate() = 0;
};

struct UninstallContext {
    platform::Platform& platform;
    platform::Shell& shell;
    platform::ShellLinks& links;
    std::string executablePath;
    std::string programDirectory;  // with trailing "\"
    app::Activity activity = app::Activity::Idle;
    // The diagnostic console, told which Windows the script is written for.
    std::function<void(const std::string&)> console;
};

// The whole procedure; true when the program was told to end.
bool button_uninstallClick(UninstallHost& host, const UninstallContext& context);
// The same for the running program, with its main window and tray.
bool button_uninstallClick(app::MainShell& shell, const UninstallContext& context);

// The temporary files of a save that was cut off, beside the program's own files, by the
// exact form of their names.
void removeInterruptedSaves(platform::FileSystem& fs, const std::string& programDirectory);
// The line that calls this program's autodel.bat goes from the Windows drive's
// autoexec.bat; any other line, another copy's call included, stays.
void removeAutodelCall(platform::FileSystem& fs, platform::SystemInfo& sys, const std::string& programDirectory);

}  // namespace kefelo::maintenance
