#pragma once
// The launches of the tools page and the contact buttons: the Windows defragmenter and
// disk clean-up, the floppy format dialog, the last cleaning log in Notepad, Explorer on
// the program and archive folders, the web pages, the author's mail and two downloads.
// The two Windows tools are looked for once; a button whose tool is missing carries the
// reason in its hint and tells it when clicked.
#include <string>
#include <string_view>

#include "core/app/activity.h"
#include "core/app/program_texts.h"
#include "core/config/config_model.h"
#include "platform/platform.h"
#include "platform/shell.h"
#include "platform/system_info.h"

namespace kefelo::tools {

// The implementer's choice of addresses.
inline constexpr std::string_view kHomePage = app::kWebAddress;
inline constexpr std::string_view kForumPage = app::kForumAddress;
inline constexpr std::string_view kAuthorMail = "kefelo@kefelo.hu";
inline constexpr std::string_view kDataRecoveryHomePage = "http://www.pcinspector.de";
inline constexpr std::string_view kRegistryToolHomePage = "http://www.jv16.org";
inline constexpr std::string_view kDataRecoveryFile = "/update/kefelo/fr40.exe";
inline constexpr std::string_view kRegistryToolFile = "/update/kefelo/jv16.exe";

inline constexpr std::string_view kDefragNotFound =
    "A lemeztöredezedettség-mentesítő segédprogram (defrag.exe vagy dfrg.msc)\r\nnem található!";
inline constexpr std::string_view kDiskCleanupNotFound =
    "A lemezkezelő segédprogram (defrag.exe vagy cleanmgr.exe) nem található!";
inline constexpr std::string_view kFloppyDriveNotFound = "A kislemez-meghajtó (A:) nem található!";
inline constexpr std::string_view kArchiveDirectoryMissing =
    "A könyvtár nem található!\r\n(A következő tömörítvény készítéskor automatikusan újból létrejön)";
inline constexpr std::string_view kLastLogTooLong = "A napló elérési útja túl hosszú!\r\nNem tudom megjeleníteni!";

// The buttons that tell about themselves in the description box.
enum class ToolButton {
    Defrag,
    DiskCleanup,
    FormatFloppy,
    LastLog,
    ProgramDirectory,
    ArchiveDirectory,
    Forum,
    DataRecoveryDownload,
    DataRecoveryHomePage,
    RegistryToolDownload,
    RegistryToolHomePage,
    DiskInfo,
};

// A hint that starts with "A " names a tool that was not found.
bool isNotFoundHint(std::string_view hint);

// The command each Windows tool is started with, or its not-found text. On the NT family
// the tool the running version has (the defragmenter's window is "dfrgui.exe" from
// Windows 7 on, the "dfrg.msc" console before), named as the shell finds it, when it is
// in System32.
struct ToolCommands {
    std::string defrag;
    std::string diskCleanup;
};
ToolCommands findToolCommands(platform::FileSystem& fs, const std::string& windowsDirectory, bool ntFamily,
                              platform::WindowsVersion version);

// Where the ZIP archives go: the folder of the last archive, the "Zipped" folder of the
// program when none is known.
std::string archiveDirectory(const config::ConfigModel& config, const std::string& programDirectory);

// The mail to the author, the subject naming the program's version: the contact button of
// the help page and the update wizard's.
std::string authorMailUrl(const std::string& fileVersion);

struct WindowsToolsContext {
    platform::Platform& platform;
    platform::Shell& shell;
    const config::ConfigModel& config;
    std::string programDirectory;  // with trailing "\"
    std::string fileVersion;
    bool ntFamily = true;
    // The update server's base address, where the two downloads are.
    std::string updateServer;
};

class WindowsTools {
public:
    // Looks for the two Windows tools. With `activity` (the program's activity code) the
    // buttons are refused while an operation runs.
    explicit WindowsTools(const WindowsToolsContext& context, const app::Activity* activity = nullptr);

    const ToolCommands& commands() const { return commands_; }
    // The status-bar hint of a button; for the two Windows tools the command (or why not),
    // for the home-page buttons the address.
    std::string hint(ToolButton button) const;
    // The text of the description box; empty for a Windows tool that was not found.
    std::string description(ToolButton button) const;

    // A click on the button. False, after the busy warning, while an operation runs: a
    // tool started then would work on the disk or files that operation is changing. For
    // the disk table, true means the page may open it.
    bool run(ToolButton button);

    void openHomePage();
    void mailToAuthor();
    // The forum page at the form for a new entry.
    void writeToForum();

private:
    void startTool(const std::string& command);
    void formatFloppy();
    void viewLastLog();
    void openArchiveDirectory();
    void open(const std::string& target);

    WindowsToolsContext ctx_;
    const app::Activity* activity_;
    ToolCommands commands_;
};

}  // namespace kefelo::tools
