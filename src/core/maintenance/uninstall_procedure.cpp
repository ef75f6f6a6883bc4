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

// A name as the script writes it after changing to its own folder: quoted, with "%"
// doubled so that nothing in it reads as a variable.
std::string quotedName(std::string_view name) {
    std::string out = "\"";
    for (char c : name) {
        if (c == '%') out += '%';
        out += c;
    }
    return out + "\"";
}

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

std::string fileNameOf(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

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
        "beallitasok.cfg", "vedettek.lst", "konyvtarak.lst", "olvassel.txt", "utolso.log",
        "autodel.bat",     "new.zip",      "new.exe",        "update.txt",
    };
    return names;
}

std::vector<std::string> uninstallBatchLines(std::string_view executableName, bool ntCommandLine, int retries) {
    const std::string q = ntCommandLine ? " /q" : "";
    const std::string exe = quotedName(executableName);
    std::vector<std::string> lines = {"@Echo OFF"};
    // The 9x interpreter has neither setlocal nor a code page to switch to.
    if (ntCommandLine) lines.insert(lines.end(), text::batchCodePageSwitch().begin(), text::batchCodePageSwitch().end());
    lines.insert(lines.end(), {"cd /d \"%~dp0\"", "set kefelo_tries=", ":del"});
    lines.push_back("del " + exe + q);
    for (const std::string& name : uninstalledFileNames()) {
        // The cleaning run leaves its batch read-only.
        if (name == "autodel.bat") lines.push_back("attrib -r " + quotedName(name));
        lines.push_back("del " + quotedName(name) + q);
    }
    // While the program is still ending its executable is held: try again after a pause,
    // but not for ever.
    lines.push_back("if not exist " + exe + " goto done");
    lines.push_back("if \"%kefelo_tries%\"==\"" + std::string(static_cast<size_t>(retries), 'x') + "\" goto done");
    lines.push_back("set kefelo_tries=%kefelo_tries%x");
    lines.push_back("ping -n 2 127.0.0.1 >nul");
    lines.push_back("goto del");
    lines.push_back(":done");
    lines.push_back("set kefelo_tries=");
    // The code page goes back before the end: nothing after the script's own deletion runs.
    if (ntCommandLine) lines.push_back(text::batchCodePageRestore());
    // Last: the interpreter stops reading a script that is gone.
    lines.push_back("del " + quotedName(kUninstallBatchName) + q);
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

    integration::removeStartWithWindows(p.registry);

    const std::string shortExecutable = p.fs.shortPath(context.executablePath);
    const std::string batch = dir + std::string(kUninstallBatchName);
    const bool ntCommandLine = integration::GetWindowsVersion(p.sys, p.registry, context.console) != "9x";
    const bool written =
        p.fs.writeFileAtomic(batch, text::encodeLines(uninstallBatchLines(fileNameOf(shortExecutable), ntCommandLine)));
    if (!written || !context.shell.executeFile(batch, "", "", false)) {
        p.ui.message(MessageKind::Error, Buttons::Ok, kUninstallFailed);
    }

    integration::unregisterVerb(p.registry);
    integration::removeShortcuts(context.links, context.executablePath);
    host.terminate();
    return true;
}

bool button_uninstallClick(app::MainShell& shell, const UninstallContext& context) {
    ShellHost host(shell);
    return button_uninstallClick(host, context);
}

}  // namespace kefelo::maintenance
