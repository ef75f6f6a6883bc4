#include "core/cleaning/autodel_operations.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "core/cleaning/undeletable_batch.h"
#include "base/text/codec.h"

namespace kefelo::cleaning {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::MessageKind;
namespace attr = platform::attr;

constexpr size_t kViewPathLimit = 1000;

size_t characterCount(std::string_view s) {
    size_t count = 0;
    for (size_t pos = 0; pos < s.size(); ++count) text::nextCodePoint(s, pos);
    return count;
}

std::string withBackslash(std::string folder) {
    if (folder.empty() || folder.back() != '\\') folder += '\\';
    return folder;
}

}  // namespace

bool AutodelOperations::ntFamily() const { return env_.sys.platformId() >= 2; }

char AutodelOperations::windowsDrive() const {
    std::string dir = env_.sys.windowsDirectory();
    return dir.empty() ? 'C' : dir[0];
}

bool AutodelOperations::mBatKezd(int mode) {
    if (mode == 1) {
        env_.batch.start(ntFamily());
        return true;
    }
    if (!finishAndWrite(env_.batch)) return false;
    env_.log.setAttributes(LogStyle{}, LogColour::WindowText);
    if (env_.viewAlerts && env_.viewAlerts()) {
        env_.log.insertAtCaret(
            "\r\n  (A nem törölhető állományok hivatkozásai bekerültek az \"autodel.bat\" állományba!)");
    }
    return true;
}

bool AutodelOperations::finishAndWrite(BatchText& batch, bool warnOnFailure) {
    // The batch may run in DOS mode, which knows only the 8.3 form of a folder; the long
    // form serves where the short one cannot be written.
    const std::string shortDir = withBackslash(env_.fs.shortPath(env_.programDirectory));
    const std::string batchDir = batchQuoted(shortDir + "autoexec.bat") ? shortDir : env_.programDirectory;
    if (!batch.finish(batchDir, windowsDrive())) return false;
    if (writeBatch(batch)) return true;
    if (!warnOnFailure) return false;
    env_.ui.message(MessageKind::Warning, Buttons::Ok,
                    "Nem sikerült kimenteni az autodel.bat állományt a következő helyre:\r\n" + env_.programDirectory +
                        "A törölhetetlen állományokat ezen állomány hinyában nem lehetséges törölni.");
    return false;
}

bool AutodelOperations::writeBatch(const BatchText& batch) {
    std::string path = autodelPath();
    // A batch left read-only by an earlier write is replaced, not kept.
    auto old = env_.fs.getAttributes(path);
    if (old && (*old & attr::kReadOnly)) env_.fs.setAttributes(path, *old & ~attr::kReadOnly);
    if (!env_.fs.writeFileAtomic(path, text::encodeLines(batch.lines()))) {
        if (old) env_.fs.setAttributes(path, *old);
        return false;
    }
    env_.fs.setAttributes(path, attr::kReadOnly);
    return true;
}

bool AutodelOperations::guard() {
    if (!runEnded_) {
        env_.ui.message(MessageKind::Information, Buttons::Ok,
                        "Először futtassa le a Takarítási folyamatot, hogy kiderüljön, vannak-e nem törölhető "
                        "átmeneti állományok!");
        return false;
    }
    if (!env_.fs.fileExists(autodelPath())) {
        env_.ui.message(MessageKind::Information, Buttons::Ok, "Nincsenek törölhetetlen átmeneti állományok!");
        return false;
    }
    return true;
}

void AutodelOperations::view() {
    if (!guard()) return;
    std::string path = autodelPath();
    if (characterCount(path) > kViewPathLimit) {
        env_.ui.message(MessageKind::Error, Buttons::Ok,
                        "Az \"autodel.bat\" állomány elérési útja túl hosszú!\r\nNem tudom megjeleníteni!");
        return;
    }
    env_.shell.executeFile("notepad.exe", path, "", true);
}

int AutodelOperations::FileMehet(const std::string& target) {
    if (!env_.fs.fileExists(target)) return 0;
    Answer answer = env_.ui.message(
        MessageKind::Confirmation, Buttons::YesNoCancel,
        "A megadott helyen és néven már létezik állomány:\r\n" + target +
            "\r\n\r\n"
            "Ha ezen a helyen és néven menti el az állományt, akkor az állomány mostani tartalma elvész!\r\n"
            "Meg szeretné tekinteni az állomány tartalmát felülírás előtt?\r\n\r\n"
            "Válasszon az alábbi lehetőségek közül:\r\n"
            " - \"Igen\" - Az állomány jelenlegi tartalmának megnyitása a Jegyzettömben;\r\n"
            " - \"Nem\" - Az állományt nem nyitom meg, azonnal lecserélem ;\r\n"
            " - \"Mégse\" - Kilépés műveletvégzés nélkül.");
    if (answer == Answer::Yes) {
        env_.shell.executeFile("notepad.exe", env_.fs.shortPath(target), "", true);
        return 1;
    }
    return answer == Answer::No ? 0 : 2;
}

void AutodelOperations::saveElsewhere() {
    if (!guard()) return;
    std::string target;
    for (;;) {
        auto folder = env_.ui.chooseFolder(
            "Adja meg azt a helyet ahová el szeretné menteni az \"autodel.bat\" állományt", env_.programDirectory);
        if (!folder || folder->empty()) return;
        target = withBackslash(*folder) + std::string(kAutodelName);
        int decision = FileMehet(target);
        if (decision == 2) return;
        if (decision == 1) {
            Answer again = env_.ui.message(
                MessageKind::Confirmation, Buttons::YesNoCancel,
                "Valóban lecseréli az állományt?\r\n(Ha a \"Nem\"-et válassza, adjon meg egy másik helyet!)");
            if (again == Answer::No) continue;
            if (again != Answer::Yes) return;
        }
        break;
    }

    bool ok = false;
    if (auto bytes = env_.fs.readFile(autodelPath())) {
        env_.batch.setLines(text::decodeLines(*bytes));
        ok = true;
        if (env_.fs.fileExists(target)) {
            auto old = env_.fs.getAttributes(target);
            env_.fs.setAttributes(target, 0);
            if (!env_.fs.deleteFile(target)) {
                if (old) env_.fs.setAttributes(target, *old);
                ok = false;
            }
        }
        if (ok) {
            ok = env_.fs.writeFileAtomic(target, text::encodeLines(env_.batch.lines()));
            if (ok) env_.fs.setAttributes(target, attr::kReadOnly);
        }
    }
    if (!ok) {
        env_.ui.message(MessageKind::Warning, Buttons::Ok,
                        "Nem sikerült elmenteni az állományt a következő helyre:\r\n" + target +
                            "\r\n\r\nValószínűleg nincs írási jogosultsága erre a helyre!");
    }
}

std::vector<std::string> batchDeletePaths(const std::vector<std::string>& lines) {
    std::vector<std::string> paths;
    for (const std::string& line : lines) {
        if (line.size() < 5 || text::asciiLower(line.substr(0, 4)) != "del ") continue;
        std::string_view rest = std::string_view(line).substr(4);
        while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
        while (!rest.empty() && rest.back() == ' ') rest.remove_suffix(1);
        const bool quoted = rest.size() >= 2 && rest.front() == '"' && rest.back() == '"';
        if (quoted) rest = rest.substr(1, rest.size() - 2);
        // A blank outside quotes, a second quote or a wildcard would name more than one file.
        if (rest.find_first_of("\"*?") != std::string_view::npos) continue;
        if (!quoted && rest.find(' ') != std::string_view::npos) continue;
        std::string path;
        for (size_t i = 0; i < rest.size(); ++i) {
            path += rest[i];
            if (rest[i] == '%' && i + 1 < rest.size() && rest[i + 1] == '%') ++i;
        }
        // Only a full path: a relative one would depend on where the batch is started.
        const bool drivePath = path.size() > 3 && path[1] == ':' && path[2] == '\\';
        if (!drivePath && !path.starts_with("\\\\")) continue;
        paths.push_back(std::move(path));
    }
    return paths;
}

AutodelWay AutodelOperations::way() const {
    if (!ntFamily()) return AutodelWay::AutoexecBat;
    return env_.sys.isAdministrator() ? AutodelWay::DeleteAtRestart : AutodelWay::RunAtLogon;
}

bool AutodelOperations::isSavedStartupCopy(const std::string& path) {
    // The batch's own restore line deletes the program directory's copy of autoexec.bat.
    const std::string lower = text::asciiLower(path);
    return lower == text::asciiLower(env_.programDirectory + "autoexec.bat") ||
           lower == text::asciiLower(withBackslash(env_.fs.shortPath(env_.programDirectory)) + "autoexec.bat");
}

void AutodelOperations::registerForNextStart(const std::function<void()>& saveConfiguration, bool diagnosticMode) {
    // The guard has already refused when there is no autodel.bat to register.
    if (!guard()) return;
    const AutodelWay chosen = way();
    bool restart = true;
    if (chosen == AutodelWay::AutoexecBat) {
        if (!registerInAutoexec()) return;
    } else if (!registerOnNt(chosen, restart)) {
        return;
    }
    if (!restart) return;
    if (saveConfiguration) saveConfiguration();
    if (diagnosticMode) return;
    if (!env_.shell.restartWindows(ntFamily()) && chosen != AutodelWay::AutoexecBat) {
        env_.ui.message(MessageKind::Warning, Buttons::Ok,
                        "A Windows nem engedte az újraindítást. A bejegyzés érvényben marad: indítsa újra a "
                        "számítógépet saját maga!");
    }
}

bool AutodelOperations::registerOnNt(AutodelWay chosen, bool& restart) {
    const std::string path = autodelPath();
    std::vector<std::string> files;
    if (chosen == AutodelWay::DeleteAtRestart) {
        const std::optional<std::string> bytes = env_.fs.readFile(path);
        if (!bytes) {
            env_.ui.message(MessageKind::Warning, Buttons::Ok,
                            "Nem sikerült beolvasni a következő állományt:\r\n" + path);
            return false;
        }
        for (std::string& file : batchDeletePaths(text::decodeLines(*bytes))) {
            // Gone already, or a folder: the system would have nothing (or too much) to delete.
            if (isSavedStartupCopy(file) || !env_.fs.fileExists(file)) continue;
            if (std::find(files.begin(), files.end(), file) == files.end()) files.push_back(std::move(file));
        }
        if (files.empty()) {
            env_.ui.message(MessageKind::Information, Buttons::Ok,
                            "Az \"autodel.bat\" állományban felsorolt állományok közül már egy sem létezik, így "
                            "nincs mit törölni.");
            return false;
        }
    }

    const std::string how =
        chosen == AutodelWay::DeleteAtRestart
            ? "A Kefeló most bejegyzi a Windows rendszerbe, hogy a számítógép következő indításakor törölje a most "
              "törölhetetlen átmeneti állományokat (" +
                  std::to_string(files.size()) +
                  " db), még mielőtt bármely program megnyithatná azokat.\r\n\r\n"
            : "A Kefeló most bejegyzi, hogy az Ön következő bejelentkezésekor automatikusan elinduljon a törlést "
              "végző segédprogram:\r\n" +
                  path +
                  "\r\nA Windows csak rendszergazdai jogosultsággal törölhet állományokat a rendszer indításakor, "
                  "ezért a törlés a bejelentkezéskor történik.\r\n\r\n";
    const std::string when = chosen == AutodelWay::DeleteAtRestart ? "indításakor" : "bejelentkezéskor";
    const Answer answer = env_.ui.message(
        MessageKind::Confirmation, Buttons::YesNoCancel,
        how + "Kívánja a bejegyzés után azonnal újraindítani a számítógépet?\r\n\r\n"
              "Válasszon az alábbi lehetőségek közül:\r\n"
              " - \"Igen\" - Bejegyzés és újraindítás (előtte mentse el minden megnyitott dokumentumát és zárjon be "
              "-a Kefeló kivételével- minden programot!);\r\n"
              " - \"Nem\" - Csak bejegyzés, a törlés a következő " +
            when +
            " történik;\r\n"
            " - \"Mégse\" - Kilépés műveletvégzés nélkül.");
    if (answer != Answer::Yes && answer != Answer::No) return false;
    restart = answer == Answer::Yes;

    if (chosen == AutodelWay::RunAtLogon) {
        // Quoted: the logon starts the command line as written, and the path may hold blanks.
        if (env_.registry.writeString(platform::RegistryRoot::CurrentUser, std::string(kRunOnceKey),
                                      std::string(kRunOnceValue), "\"" + path + "\""))
            return true;
        env_.ui.message(MessageKind::Warning, Buttons::Ok,
                        "Nem sikerült bejegyezni az \"autodel.bat\" automatikus indítását a Regisztrációs "
                        "Adatbázisba!\r\nA törlést végző segédprogramot kézzel is elindíthatja:\r\n" +
                            path);
        return false;
    }
    std::string refused;
    for (const std::string& file : files) {
        if (!env_.fs.deleteAtRestart(file)) refused += "\r\n" + file;
    }
    if (refused.empty()) return true;
    // A restart would not delete these, and would only cost the user's open work.
    env_.ui.message(MessageKind::Warning, Buttons::Ok,
                    "A Windows nem fogadta el a következő állományok törlésének bejegyzését:" + refused +
                        "\r\n\r\nEzeket az \"autodel.bat\" állomány kézi futtatásával törölheti.");
    return false;
}

bool AutodelOperations::registerInAutoexec() {
    const std::string& dir = env_.programDirectory;
    Answer ready = env_.ui.message(
        MessageKind::Information, Buttons::YesNo,
        "A Kefeló most újraindítja a Windows operációs rendszert, hogy megkísérelje a most törölhetetlen átmeneti "
        "állományok eltávolítását.\r\n\r\n"
        "Újraindítás után Windows 95/98 rendszer esetében automatikusan elindul a törlést végző "
        "segédprogram(\"autodel.bat\").\r\n"
        "Windows2000, vagy újabb operációs rendszeren csökkentett módban(A rendszer betöltődésének megkezdése "
        "előtt az F8 gomb megnyomása után a Csökkentett mód indítási módot kell választania) kézzel kell "
        "elindítani az \"autodel.bat\" állományt.\r\n"
        "(Amennyiben nem mentette máshová az alapértelmezett helye: " +
            dir +
            "autodel.bat).\r\n\r\n"
            "NAGYON FONTOS, hogy mentse el minden megnyitott dokumentumát és ZÁRJON BE -a Kefeló kivételével- "
            "MINDEN PROGRAMOT!\r\n\r\n"
            "Csak a Kefeló program fut és készen áll az újraindításra?");
    if (ready != Answer::Yes) return false;

    std::string startup = std::string(1, windowsDrive()) + ":\\autoexec.bat";
    if (!env_.fs.fileExists(startup)) {
        Answer create =
            env_.ui.message(MessageKind::Confirmation, Buttons::YesNo,
                            "Nem található a következő, automatikus indítást lehetővé tevő állomány:\r\n" + startup +
                                "\r\n\r\nKívánja most létrehozatni azt és folytatja a műveletet?");
        if (create != Answer::Yes) return false;
        env_.fs.writeFileAtomic(startup, "");
    }

    bool ok = false;
    auto attributes = env_.fs.getAttributes(startup);
    env_.fs.setAttributes(startup, 0);
    const std::optional<std::string> callPath = batchPathOf(env_.fs, autodelPath());
    auto bytes = env_.fs.readFile(startup);
    if (bytes && callPath) {
        std::vector<std::string> lines = text::decodeLines(*bytes);
        // An older registration is replaced, so registering twice leaves one call.
        std::erase_if(lines, [](const std::string& line) { return line.find(kAutodelName) != std::string::npos; });
        if (env_.fs.writeFileAtomic(dir + "autoexec.bat", text::encodeLines(lines))) {
            lines.push_back(*batchQuoted(*callPath));
            ok = env_.fs.writeFileAtomic(startup, text::encodeLines(lines));
        }
    }
    if (attributes) env_.fs.setAttributes(startup, *attributes);
    // A computer restarted without the call would only lose the user's open work.
    if (!ok) {
        env_.ui.message(MessageKind::Warning, Buttons::Ok,
                        "Valószínűleg nincs írási jogosultsága a következő, a Kefeló-t tartalmazó helyre:\r\n" + dir +
                            "\r\n\r\n"
                            "A kezeléshez szükség van a könyvtárban történő merevlemez-írásra, ennek hiányában a "
                            "kezelés nem végezhető el!\r\n"
                            "(Írási jogot a rendszergazdától kérhet)");
        return false;
    }
    return true;
}

}  // namespace kefelo::cleaning
