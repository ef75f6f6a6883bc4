#include "core/integration/shortcuts.h"

#include "base/text/codec.h"
#include "core/app/program_texts.h"

namespace kefelo::integration {
namespace {

platform::KnownFolder folderOf(ShortcutPlace place) {
    return place == ShortcutPlace::Desktop ? platform::KnownFolder::Desktop : platform::KnownFolder::StartMenu;
}

std::string inFolder(const std::string& folder, const std::string& name) {
    if (!folder.empty() && folder.back() == '\\') return folder + name;
    return folder + "\\" + name;
}

}  // namespace

std::string shortcutFileName(bool cleaning) { return cleaning ? "Kefeló - Takarítás.lnk" : "Kefeló.lnk"; }

platform::ShellLink shortcutLink(const std::string& executablePath, bool cleaning) {
    platform::ShellLink link;
    link.target = executablePath;
    if (cleaning) link.arguments = "/autorun";
    link.workingDirectory = app::programDirectoryOf(executablePath);
    link.description = std::string(kShortcutDescription);
    return link;
}

bool CreateShortCut(platform::ShellLinks& links, platform::UiServices& ui, const std::string& executablePath,
                    ShortcutPlace place, bool cleaning) {
    const std::optional<std::string> folder = links.knownFolder(folderOf(place));
    if (!folder || folder->empty()) {
        ui.message(platform::MessageKind::Error, platform::Buttons::Ok,
                   place == ShortcutPlace::Desktop
                       ? "A parancsikon nem készült el, mert a Windows nem adta meg az Asztal helyét!"
                       : "A parancsikon nem készült el, mert a Windows nem adta meg a Start menü helyét!");
        return false;
    }
    const std::string path = inFolder(*folder, shortcutFileName(cleaning));
    if (links.create(path, shortcutLink(executablePath, cleaning))) return true;
    ui.message(platform::MessageKind::Error, platform::Buttons::Ok,
               "Nem sikerült elkészíteni a parancsikont a következő helyre:\r\n" + path);
    return false;
}

std::vector<std::string> removeShortcuts(platform::ShellLinks& links, const std::string& executablePath) {
    std::vector<std::string> failed;
    for (ShortcutPlace place : {ShortcutPlace::Desktop, ShortcutPlace::StartMenu}) {
        const std::optional<std::string> folder = links.knownFolder(folderOf(place));
        if (!folder || folder->empty()) continue;
        for (bool cleaning : {false, true}) {
            const std::string path = inFolder(*folder, shortcutFileName(cleaning));
            const std::optional<platform::ShellLink> link = links.read(path);
            if (!link || text::lower(link->target) != text::lower(executablePath)) continue;
            if (!links.remove(path)) failed.push_back(path);
        }
    }
    return failed;
}

}  // namespace kefelo::integration
