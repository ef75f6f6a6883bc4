#include "core/maintenance/uninstall_procedure.h"

#include "base/text/batch_code_page.h"
#include "base/text/codec.h"
#include "core/app/busy_guard.h"
#include "core/integration/explorer_verb.h"
#include "core/integration/run_key.h"
#include "core/integration/shortcuts.h"
#include "core/integration/windows_info.h"
#include "core/maintenance/update_rules.h"

namespace kefelo::maintenance {
namespace {
using platform::Answer;
using platform::Buttons;
using platform::MessageKind;

class ShellHost : public UninstallHost {
public:
    explicit ShellHost(app::MainShell& shell) : shell_(shell) {}
    void markActionsMenu(bool marked) override { shell_.holdActionsItem(marked); }
    bool mainWindowVisible() override { return shell_.frame().mainWindowVisible(); }
    void showMainWindowInFront() override { shell_.frame().bringMainToFront(); }
    void terminate() override { shell_.endWithoutSaving(); }

private:
    app::MainShell& shell_;
};

// What an atomic save leaves beside its target when it is cut off: "<name>.<process>-<n>.tmp".
bool interruptedSaveOf(std::string_view entry) {
    for (std::string_view own : {"beallitasok.cfg", "konyvtarak.lst", "vedettek.lst", "utolso.log", "autodel.bat",
                                 "olvassel.txt", "info.txt", "takaritasok.csv"}) {
        if (entry.size() <= own.size() + 1 || !text::equalsNoCase(entry.substr(0, own.size()), own) ||
            entry[own.size()] != '.') {
            continue;
        }
        std::string_view rest = entry.substr(own.size() + 1);
        if (!rest.ends_with(".tmp")) continue;
        rest.remove_suffix(4);
        const size_t dash = rest.find('-');
        const auto digits = [](std::string_view s) {
            return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
        };
        if (dash != std::string_view::npos && digits(rest.substr(0, dash)) && digits(rest.substr(dash + 1))) return true;
    }
    return false;
}

}  // namespace

void removeInterruptedSaves(platform::FileSystem& fs, const std::string& programDirectory) {
    std::vector<std::string> leftovers;
    if (std::unique_ptr<platform::Listing> listing = fs.list(programDirectory + "*.tmp")) {
        platform::DirEntry entry;
        while (listing->next(entry)) {
            if (!(entry.attributes & platform::attr::kDirectory) && interruptedSaveOf(entry.name))
                leftovers.push_back(entry.name);
        }
    }
    for (const std::string& name : leftovers) {
        fs.setAttributes(programDirectory + name, platform::attr::kNormal);
        fs.deleteFile(programDirectory + name);
    }
}

void removeAutodelCall(platform::FileSystem& fs, platform::SystemInfo& sys, const std::string& programDirectory) {
    const std::string windows = sys.windowsDirectory();
    if (windows.empty()) return;
    const std::string startup = windows.substr(0, 1) + ":\\autoexec.bat";
    const std::optional<std::string> bytes = fs.readFile(startup);
    if (!bytes) return;
    // The call names this program's autodel.bat by its long or its short path, quoted or not.
    const std::string longCall = text::lower(programDirectory + "autodel.bat");
    const std::string shortCall = text::lower(fs.shortPath(programDirectory) + "autodel.bat");
    std::vector<std::string> lines = text::decodeLines(*bytes);
    const size_t before = lines.size();
    std::erase_if(lines, [&](const std::string& line) {
        std::string bare = text::lower(line);
        std::erase(bare, '"');
        while (!bare.empty() && bare.back() == ' ') bare.pop_back();
        return bare == longCall || bare == shortCall;
    });
    if (lines.size() == before) return;
    const std::optional<uint32_t> attributes = fs.getAttributes(startup);
    fs.setAttributes(startup, 0);
    fs.writeFileAtomic(startup, text::encodeLines(lines));
    if (attributes) fs.setAttributes(startup, *attributes);
}

const char* const kUninstallFirstQuestion =
    "Figyelem!\r\n\r\nÖn a Kefeló program eltávolítását kezdeményezte!\r\n\r\nA programfájl mellett "
    "VISSZAFORDÍTHATATLANUL elvesznek a program beállításai, az Ürítendő Tárolók-, valamint a Feladatok listája "
    "is.\r\n\r\nValóban véglegesen eltávolítja a Kefeló valamennyi állományát?";
const char* const kUninstallSecondQuestion = "Teljesen biztos ebben?";
const char* const kUninstallFailed = "Hiba történt az eltávolítás során";

std::string uninstallDirectoryQuestion(std::string_view programDirectory, bool hasZipped) {
    std::string_view dir = programDirectory;
    if (!dir.empty() && dir.back() == '\\') dir.remove_suffix(1);
    std::string text =
        "Amennyiben most nem a \"Mégse\" gombot választja a Kefeló megpróbálja eltávolítani segédállományait és saját "
        "magát is a rendszerből.\r\n\r\nSzeretné megnyitni a Kefeló könyvtárát (" +
        std::string(dir) + ") az esetleg törölhetetlen állományok további kezelésre?";
    if (hasZipped) {
        text +=
            "\r\n(A könyvtárban létezik a Zipped könyvtár, amely a Kefelóban készült tömörítvények alapértelmezett "
            "helye!)";
    }
    return text;
}

const std::vector<std::string>& uninstalledFileNames() {
    static const std::vector<std::string> names = {
        "beallitasok.cfg",
        "vedettek.lst",
        "konyvtarak.lst",
        "olvassel.txt",
        "utolso.log",
        "takaritasok.csv",
        "autodel.bat",
        "new.zip",
        "new.exe",
        "update.txt",
        // The old executable's copy that a broken-off update may leave.
        kPreviousExecutableName,
        // The script of an update that never ran, the description export, and the copy of
        // the Windows drive's autoexec.bat kept when autodel.bat was registered.
        "update.bat",
        "info.txt",
        "autoexec.bat",
    };
    return names;
}

std::optional<std::vector<std::string>> uninstallBatchLines(const BatchProgram& program, bool ntCommandLine,
                                                            int retries) {
    const text::BatchCharset charset = ntCommandLine ? text::BatchCharset::Windows1250 : text::BatchCharset::Ascii;
    const std::string q = ntCommandLine ? " /q" : "";
    const std::optional<std::string> exe = text::batchQuoted(program.executable, charset);
    const std::optional<std::string> script = batchFileOf(program, kUninstallBatchName, charset);
    if (!exe || !script) return std::nullopt;
    std::vector<std::string> lines = {"@Echo OFF"};
    // The 9x interpreter has neither setlocal nor a code page to switch to.
    if (ntCommandLine)
        lines.insert(lines.end(), text::batchCodePageSwitch().begin(), text::batchCodePageSwitch().end());
    // Another folder under the same name, or none: nothing there is the program's.
    lines.push_back("if not exist " + *script + " goto quit");
    lines.push_back("if not exist " + *exe + " goto quit");
    lines.insert(lines.end(), {"set kefelo_tries=", ":del"});
    lines.push_back("del " + *exe + q);
    for (const std::string& name : uninstalledFileNames()) {
        const std::optional<std::string> file = batchFileOf(program, name, charset);
        if (!file) return std::nullopt;
        // The cleaning run leaves its batch read-only.
        if (name == "autodel.bat") lines.push_back("attrib -r " + *file);
        lines.push_back("del " + *file + q);
    }
    // While the program is still ending its executable is held: try again after a pause,
    // but not for ever.
    lines.push_back("if not exist " + *exe + " goto done");
    lines.push_back("if \"%kefelo_tries%\"==\"" + std::string(static_cast<size_t>(retries), 'x') + "\" goto done");
    lines.push_back("set kefelo_tries=%kefelo_tries%x");
    lines.push_back(ntCommandLine ? batchPauseLine() : "ping -n 2 127.0.0.1 >nul");
    lines.push_back("goto del");
    lines.push_back(":done");
    lines.push_back("set kefelo_tries=");
    // The code page goes back before the script's own deletion: nothing after it is read.
    if (ntCommandLine) lines.push_back(text::batchCodePageRestore());
    lines.push_back("del " + *script + q);
    lines.push_back(":quit");
    if (ntCommandLine) lines.push_back(text::batchCodePageRestore());
    return lines;
}

bool button_uninstallClick(UninstallHost& host, const UninstallContext& context) {
    platform::Platform& p = context.platform;
    const std::string& dir = context.programDirectory;
    if (app::FutValami(context.activity, p.ui)) return false;

    host.markActionsMenu(true);
    if (p.ui.message(MessageKind::Warning, Buttons::YesNo, kUninstallFirstQuestion) != Answer::Yes ||
        p.ui.message(MessageKind::Warning, Buttons::YesNo, kUninstallSecondQuestion) != Answer::Yes) {
        host.markActionsMenu(false);
        return false;
    }
    if (!host.mainWindowVisible()) host.showMainWindowInFront();
    const bool hasZipped = p.fs.directoryExists(dir + "Zipped");
    const Answer openFolder =
        p.ui.message(MessageKind::Confirmation, Buttons::YesNoCancel, uninstallDirectoryQuestion(dir, hasZipped));
    if (openFolder == Answer::Cancel) {
        host.markActionsMenu(false);
        return false;
    }
    if (openFolder == Answer::Yes) {
        std::string folder = dir;
        if (!folder.empty() && folder.back() == '\\') folder.pop_back();
        context.shell.executeFile(folder, "", "", true);
    }

    // Read-only files would survive the script's del; each one is tried on its own.
    for (const char* name : {"kefelo.exe", "konyvtarak.lst", "vedettek.lst", "beallitasok.cfg", "utolso.log"}) {
        p.fs.setAttributes(dir + name, platform::attr::kNormal);
    }
    p.fs.setAttributes(context.executablePath, platform::attr::kNormal);

    integration::removeOwnStartWithWindows(p.registry, context.executablePath);
    removeInterruptedSaves(p.fs, dir);
    removeAutodelCall(p.fs, p.sys, dir);

    const std::string batch = dir + std::string(kUninstallBatchName);
    const bool ntCommandLine = integration::GetWindowsVersion(p.sys, p.registry, context.console) != "9x";
    const std::optional<BatchProgram> program = batchProgram(
        p.fs, dir, context.executablePath, ntCommandLine ? text::BatchCharset::Windows1250 : text::BatchCharset::Ascii);
    const auto lines = program ? uninstallBatchLines(*program, ntCommandLine) : std::nullopt;
    const bool written = lines && p.fs.writeFileAtomic(batch, text::encodeLines(*lines));
    if (!written || !context.shell.executeFile(batch, "", "", false)) {
        p.ui.message(MessageKind::Error, Buttons::Ok, kUninstallFailed);
    }

    integration::unregisterOwnVerb(p.registry, context.executablePath);
    integration::removeShortcuts(context.links, context.executablePath);
    host.terminate();
    return true;
}

bool button_uninstallClick(app::MainShell& shell, const UninstallContext& context) {
    ShellHost host(shell);
    return button_uninstallClick(host, context);
}

}  // namespace kefelo::maintenance
