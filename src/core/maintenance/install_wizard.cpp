#include "core/maintenance/install_wizard.h"

#include "base/text/codec.h"
#include "core/integration/shortcuts.h"

namespace kefelo::maintenance {
namespace {
using platform::Answer;
using platform::Buttons;
using platform::MessageKind;

constexpr const char* kCurrentVersionKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

std::string withoutTrailingSeparator(std::string path) {
    if (!path.empty() && (path.back() == '\\' || path.back() == '/')) path.pop_back();
    return path;
}

// Whether this user may make a folder inside `folder`, as the installation does. The probe
// takes a name nobody uses and removes only what it made.
bool mayCreateIn(platform::FileSystem& fs, const std::string& folder) {
    for (int n = 0; n < 100; ++n) {
        const std::string probe = folder + "\\~kefelo" + std::to_string(n) + ".tmp";
        if (fs.getAttributes(probe)) continue;
        if (!fs.createDirectory(probe)) return false;
        fs.removeDirectory(probe);
        return true;
    }
    return false;
}
}  // namespace

const char* const kTargetExistsQuestion =
    "A megadott könyvtár már létezik, biztosan ide szeretné másolni az új kefelo-programállományt?";
const char* const kTargetNotCreated =
    "A megadott könyvtárat nem sikerült létrehozni!\r\n\r\nEllenőrizze, hogy van-e írási jogosultsága a "
    "létrehozáshoz, illetve helyesen írta-e be a könyvtárnevet!";
const char* const kInstallFailed =
    "Hiba lépett fel a telepítés folyamán!\r\n\r\nEllenőrizze a következőket:\r\n - Van-e elegendő (3MB) szabad "
    "lemezterület a merevlemezen;\r\n - Írási jogosultság a megadott telepítés helyére;\r\n - stb.\r\n\r\nA "
    "telepítés félbeszakadt!";

const std::vector<std::string>& installMemoLines() {
    static const std::vector<std::string> lines = {
        "A Varázsló a Kefeló program telepítésében segít Önnek.",
        "",
        "Ajánlott minden programot bezárni a telepítés előtt! Kérem, ezt tegye is meg!",
        "",
        "A programot az első használat előtt célszerű telepíteni, ahol beállíthat rögtön néhány",
        "fontos programtulajdonságot is, melyek beállításához kattintson a \"Tovább\" gombra.",
        "",
        "A telepítés azonban nem kötelező! A program telepítés nélküli futtatásához kattintson",
        "a \"Futtatás a mostani helyről..\" felíratú, a kilépéshez pedig a \"Kilépés\" felíratú gombra!",
        "",
        "Ha az egeret rajta hagyja hosszabb ideig az ablak egyes összetevőin, akkor azokról",
        "bővebben olvashat a felbukkanó cimkében.",
        "",
        "",
    };
    return lines;
}

std::string replaceExistingQuestion(std::string_view installedVersion, std::string_view runningVersion) {
    std::string text = "A választott helyen már létezik a Kefeló programállománya (kefelo.exe)";
    if (!installedVersion.empty()) text += ", melynek verziószáma: " + std::string(installedVersion);
    text += " !\r\n\r\nFelülírja a most telepítettel";
    if (!runningVersion.empty()) text += ", melynek verziószáma: " + std::string(runningVersion);
    text += "?\r\n\r\n(Ha nem, válasszon másik helyet!)";
    return text;
}

std::string copyFailedMessage(std::string_view installedPath) {
    return "Nem sikerült telepíteni a Kefeló programállományát a következő helyre:\r\n" + std::string(installedPath) +
           "\r\n\r\nEllenőrizze, hogy van-e megfelelő jogosultsága a file-létrehozáshoz!";
}

std::string documentationMissingMessage(std::string_view programDirectory) {
    return "Az olvassel.txt állomány nem található a következő helyen:\r\n" + std::string(programDirectory);
}

DefaultTarget defaultInstallTarget(platform::Platform& platform, const std::string& executablePath) {
    std::string base =
        platform.registry.readString(platform::RegistryRoot::LocalMachine, kCurrentVersionKey, "ProgramFilesDir")
            .value_or("");
    if (base.empty()) {
        const std::string windows = platform.sys.windowsDirectory();
        base = std::string(1, windows.empty() ? 'C' : windows[0]) + ":\\Program Files";
    }
    if (!platform.fs.directoryExists(base))
        base = std::string(1, executablePath.empty() ? 'C' : executablePath[0]) + ":";
    base = withoutTrailingSeparator(base);
    DefaultTarget result{base + "\\" + std::string(kInstallFolderName), {}};

    // A program folder that is already there has to take the new files; otherwise the
    // folder above it has to take the program folder.
    const bool reusable = platform.fs.directoryExists(result.folder);
    if (mayCreateIn(platform.fs, reusable ? result.folder : base)) return result;
    const std::optional<std::string> own = platform.sys.userProgramsDirectory();
    if (!own || own->empty()) return result;
    result.folder = withoutTrailingSeparator(*own) + "\\" + std::string(kInstallFolderName);
    result.unwritableProgramFiles = reusable ? base + "\\" + std::string(kInstallFolderName) : base;
    return result;
}

std::string perUserTargetNote(std::string_view unwritableProgramFiles) {
    return "Nincs írási jogosultsága a programok közös könyvtárába (" + std::string(unwritableProgramFiles) +
           "), ezért az alapértelmezett telepítési hely az Ön saját programkönyvtára, ahová rendszergazdai jog "
           "nélkül is telepíthet.";
}

std::string targetFromChosenFolder(std::string folder) {
    if (!folder.empty() && folder.back() == '\\') folder.pop_back();
    return folder + "\\" + std::string(kInstallFolderName);
}

std::string parentOfTarget(const std::string& target) {
    const size_t slash = target.find_last_of('\\');
    if (slash == std::string::npos) return target;
    std::string parent = target.substr(0, slash);
    // The browser needs a drive root with its backslash.
    if (parent.size() == 2 && parent[1] == ':') parent += '\\';
    return parent;
}

std::string installedExecutablePath(std::string target) {
    return withoutTrailingSeparator(std::move(target)) + "\\" + std::string(kInstalledExecutableName);
}

TfrmInstall::TfrmInstall(platform::Platform& platform, platform::Shell& shell, platform::ShellLinks& links,
                         InstallServices& services, std::string executablePath, std::string programDirectory)
    : platform_(platform),
      shell_(shell),
      links_(links),
      services_(services),
      executablePath_(std::move(executablePath)),
      programDirectory_(std::move(programDirectory)) {}

void TfrmInstall::showDefaultTarget() {
    const DefaultTarget proposal = defaultInstallTarget(platform_, executablePath_);
    target = proposal.folder;
    targetNote =
        proposal.unwritableProgramFiles.empty() ? std::string() : perUserTargetNote(proposal.unwritableProgramFiles);
}

void TfrmInstall::button_nextClick() {
    showDefaultTarget();
    page = 1;
}

void TfrmInstall::button_defaultClick() { showDefaultTarget(); }

void TfrmInstall::createUserProgramsFolderFor(const std::string& folder) {
    const std::optional<std::string> own = platform_.sys.userProgramsDirectory();
    if (!own || own->empty()) return;
    const std::string parent = withoutTrailingSeparator(*own);
    if (text::equalsNoCase(parentOfTarget(folder), parent) && !platform_.fs.directoryExists(parent))
        platform_.fs.createDirectory(parent);
}

void TfrmInstall::button4Click() {
    const auto chosen = platform_.ui.chooseFolder(std::string(kChooseTargetTitle), parentOfTarget(target));
    if (chosen && !chosen->empty()) target = targetFromChosenFolder(*chosen);
}

bool TfrmInstall::copyProgram(const std::string& installedPath) {
    platform::FileSystem& fs = platform_.fs;
    const std::string temporary = installedPath + ".new";
    const std::string previous = installedPath + ".old";
    fs.deleteFile(temporary);
    if (!fs.copyFile(executablePath_, temporary, false)) {
        fs.deleteFile(temporary);
        return false;
    }
    // The old program steps aside only now that the new one is complete, and comes back
    // when the new one cannot take its name.
    const bool hadPrevious = fs.fileExists(installedPath);
    if (hadPrevious) {
        fs.setAttributes(installedPath, platform::attr::kNormal);
        fs.deleteFile(previous);
        if (!fs.moveFile(installedPath, previous)) {
            fs.deleteFile(temporary);
            return false;
        }
    }
    if (!fs.moveFile(temporary, installedPath)) {
        if (hadPrevious) fs.moveFile(previous, installedPath);
        fs.deleteFile(temporary);
        return false;
    }
    if (hadPrevious) fs.deleteFile(previous);
    return true;
}

bool TfrmInstall::button_installClick() {
    platform::FileSystem& fs = platform_.fs;
    platform::UiServices& ui = platform_.ui;
    if (fs.directoryExists(target)) {
        if (ui.message(MessageKind::Information, Buttons::YesNo, kTargetExistsQuestion) != Answer::Yes) return false;
    } else {
        createUserProgramsFolderFor(target);
        fs.createDirectory(target);
        if (!fs.directoryExists(target)) {
            ui.message(MessageKind::Error, Buttons::Ok, kTargetNotCreated);
            return false;
        }
    }

    const std::string installedPath = installedExecutablePath(target);
    if (fs.fileExists(installedPath)) {
        const std::string question =
            replaceExistingQuestion(services_.fileVersion(installedPath), services_.fileVersion(executablePath_));
        if (ui.message(MessageKind::Warning, Buttons::YesNo, question) != Answer::Yes) return false;
    }
    if (!copyProgram(installedPath)) {
        ui.message(MessageKind::Error, Buttons::Ok, copyFailedMessage(installedPath));
        return false;
    }

    using integration::ShortcutPlace;
    bool ok = true;
    if (check_desktopshortcut)
        ok = integration::CreateShortCut(links_, ui, installedPath, ShortcutPlace::Desktop, false);
    if (check_startmenushortcut) {
        ok = integration::CreateShortCut(links_, ui, installedPath, ShortcutPlace::StartMenu, false) && ok;
    }
    // The box says whether the installed copy starts; it comes up in a normal window.
    if (ok && check_runafterinstall) {
        services_.handOverToInstalledCopy();
        const std::string parameters =
            "/" + std::string(app::kInstalledSwitch) + (check_findnewversion ? " /updaterun" : "");
        ok = shell_.executeFile(installedPath, parameters, "", true);
    }
    if (!ok) {
        ui.message(MessageKind::Error, Buttons::Ok, kInstallFailed);
        return false;
    }
    installed = true;
    closed = true;
    return true;
}

void TfrmInstall::button_noinstallClick() {
    result = InstallWizardResult::RunHere;
    closed = true;
}

void TfrmInstall::button_quitClick() {
    result = InstallWizardResult::Quit;
    closed = true;
}

void TfrmInstall::button_viewhelpClick() {
    platform::FileSystem& fs = platform_.fs;
    const std::string path = programDirectory_ + std::string(kDocumentationFileName);
    // A file of that name that is already there, the user's or another program's, is shown
    // as it is and never written over.
    if (!fs.getAttributes(path)) {
        std::string bytes = text::encodeLines(services_.documentationLines());
        if (fs.writeFileAtomic(path, bytes)) {
            writtenDocumentation_ = path;
            writtenDocumentationBytes_ = std::move(bytes);
        }
    }
    if (!fs.fileExists(path)) {
        platform_.ui.message(MessageKind::Error, Buttons::Ok, documentationMissingMessage(programDirectory_));
        return;
    }
    shell_.executeFile(path, "", "", true);
}

void TfrmInstall::check_runafterinstallClick() {
    check_findnewversionEnabled = check_runafterinstall;
    if (!check_runafterinstall) check_findnewversion = false;
}

void TfrmInstall::FormDestroy() {
    if (writtenDocumentation_.empty()) return;
    // Edited or replaced since it was written, it is someone's file now.
    if (platform_.fs.readFile(writtenDocumentation_) == writtenDocumentationBytes_)
        platform_.fs.deleteFile(writtenDocumentation_);
    writtenDocumentation_.clear();
    writtenDocumentationBytes_.clear();
}

}  // namespace kefelo::maintenance
