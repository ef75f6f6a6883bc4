#pragma once
// The install wizard `TfrmInstall`: the welcome page, the settings page with the target
// folder, and the installation itself (copy, shortcuts, start of the installed copy). The
// window shows this model; every rule and text is here.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/startup_sequence.h"
#include "platform/platform.h"
#include "platform/shell.h"
#include "platform/shell_links.h"

namespace kefelo::maintenance {

inline constexpr std::string_view kInstallCaption = "A Kefeló Telepítője";
inline constexpr std::string_view kInstallFolderName = "Kefelo";
inline constexpr std::string_view kInstalledExecutableName = "kefelo.exe";
inline constexpr std::string_view kDocumentationFileName = "olvassel.txt";
inline constexpr std::string_view kChooseTargetTitle = "Válassza ki a telepítés helyét:";

// The lines of `memo_install`.
const std::vector<std::string>& installMemoLines();

// Tool tips of the wizard's controls.
namespace install_hints {
inline constexpr std::string_view button_next = "Továbblép a telepítési beállításokat tartalmazó ablakra";
inline constexpr std::string_view button_quit = "Kilépés a Telepítőből";
inline constexpr std::string_view button_noinstall =
    "Figyelem! A program segédállományai a mostani indítási helyen fognak keletkezni!";
inline constexpr std::string_view button_viewhelp =
    "A Jegyzettömbben megnyitja az automatikusan kimentett Súgó-t (olvassel.txt)";
inline constexpr std::string_view button_install = "Elindítja a telepítési folyamatot a megadott beállításokkal";
inline constexpr std::string_view button_default = "Visszaállítja az alapértelmezett telepítési helyet";
inline constexpr std::string_view check_runafterinstall =
    "A telepítés után elindítja a kefelo.exe-t immáron az új helyéről";
inline constexpr std::string_view check_findnewversion = "A Kefeló első indítása előtt frissítés keresése";
inline constexpr std::string_view check_desktopshortcut = "Egy \"piros x ikonú\" parancsikont készít az Asztal-ra";
inline constexpr std::string_view check_startmenushortcut = "Egy \"piros x ikonú\" parancsikont készít a Start menü-be";
}  // namespace install_hints

// Messages of the installation.
extern const char* const kTargetExistsQuestion;
extern const char* const kTargetNotCreated;
extern const char* const kInstallFailed;
// The question before an existing installed program is replaced; either version may be
// unknown (empty).
std::string replaceExistingQuestion(std::string_view installedVersion, std::string_view runningVersion);
std::string copyFailedMessage(std::string_view installedPath);
std::string documentationMissingMessage(std::string_view programDirectory);

// Where the program goes when the user changes nothing: "ProgramFilesDir" of the system,
// else "Program Files" on the Windows drive, else the executable's drive; always ending in
// "\Kefelo". The program runs with the user's own rights and keeps its files beside
// itself, so when this user cannot write there, the user's own programs folder is proposed
// instead, and `unwritableProgramFiles` names the folder that was passed over.
struct DefaultTarget {
    std::string folder;
    std::string unwritableProgramFiles;
};
DefaultTarget defaultInstallTarget(platform::Platform& platform, const std::string& executablePath);
// Shown under the target when the default was moved to the user's own programs folder.
std::string perUserTargetNote(std::string_view unwritableProgramFiles);
// The target for a folder picked in the browser (a drive root included).
std::string targetFromChosenFolder(std::string folder);
// The folder the browser opens at: the target's parent.
std::string parentOfTarget(const std::string& target);
// The installed executable inside a target folder.
std::string installedExecutablePath(std::string target);

// What the wizard needs besides the platform bundle and the shortcuts. Implemented by the
// window side.
class InstallServices {
public:
    virtual ~InstallServices() = default;
    // Four dotted numbers; empty when the file has none or cannot be read.
    virtual std::string fileVersion(const std::string& path) = 0;
    // The documentation for "olvassel.txt", as lines.
    virtual std::vector<std::string> documentationLines() = 0;
    // Just before the installed copy starts: this process stops answering other copies,
    // or the installed one (the same file) would hand its start over to it and end.
    virtual void handOverToInstalledCopy() = 0;
};

enum class InstallWizardResult { Quit = 0, RunHere = 1 };

class TfrmInstall {
public:
    TfrmInstall(platform::Platform& platform, platform::Shell& shell, platform::ShellLinks& links,
                InstallServices& services, std::string executablePath, std::string programDirectory);

    int page = 0;
    // The caption and hint of `button4`: a folder without trailing "\" ending in "\Kefelo".
    std::string target;
    // Why the default target is not the program-files folder; empty when it is.
    std::string targetNote;
    bool check_runafterinstall = true;
    bool check_findnewversion = false;
    bool check_findnewversionEnabled = true;
    bool check_desktopshortcut = true;
    bool check_startmenushortcut = false;
    InstallWizardResult result = InstallWizardResult::Quit;
    // Set when the wizard should close (quit, run here, or installed).
    bool closed = false;
    // The installation succeeded: the installed copy takes over and this process ends.
    bool installed = false;

    void button_nextClick();
    void button_defaultClick();
    void button4Click();
    // True when the program was installed and this process should end.
    bool button_installClick();
    void button_noinstallClick();
    void button_quitClick();
    void button_viewhelpClick();
    void check_runafterinstallClick();
    // The "olvassel.txt" this wizard wrote goes again when the wizard is discarded; one
    // that was there before, or that was changed since, stays.
    void FormDestroy();

private:
    // Copies the running executable over `installedPath` without ever leaving a half-written
    // program there: the copy goes to a temporary name first.
    bool copyProgram(const std::string& installedPath);
    void showDefaultTarget();
    // The user's own programs folder may not exist yet when the program first goes there.
    void createUserProgramsFolderFor(const std::string& folder);

    platform::Platform& platform_;
    platform::Shell& shell_;
    platform::ShellLinks& links_;
    InstallServices& services_;
    std::string executablePath_;
    std::string programDirectory_;
    // The documentation file this wizard wrote, and its bytes.
    std::string writtenDocumentation_;
    std::string writtenDocumentationBytes_;
};

}  // namespace kefelo::maintenance
