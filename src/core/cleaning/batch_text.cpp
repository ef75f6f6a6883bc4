#include "core/cleaning/batch_text.h"

namespace kefelo::cleaning {

void BatchText::start(bool ntFamily) {
    lines_ = {
        "@ECHO OFF",
        "cls",
        "@ECHO ON",
        ntFamily ? "@Echo Udvozli a Kefelo program!" : "@Echo Udvozli a Kefelo program a DOS operacios rendszerben!",
        "@Echo " + std::string(54, '-'),
        ntFamily ? "@Echo A kovetkezokben kiserletet teszunk a Windows op. rendszer normál futtatasi"
                 : "@Echo A kovetkezokben kiserletet teszunk a Windows op. rendszer alol",
        ntFamily ? "@Echo modjaban nem torolheto atmeneti allomanyok eltavolitasara."
                 : "@Echo nem torolheto atmeneti allomanyok eltavolitasara.",
        "@Echo Ha ezt nem szeretne, usson CTRL+C billenyukombinaciot, majd",
        "@Echo valaszoljon a kerdesre Igen-nel(Yes) a kilepeshez!",
        "@ECHO OFF",
        "PAUSE",
        "@ECHO ON",
    };
}

void BatchText::addDelete(const std::string& shortPath) { lines_.push_back("del " + shortPath); }

bool BatchText::finish(const std::string& programDir, char windowsDrive) {
    // A text that was never started holds no entries, whatever the restore lines say.
    bool started = !lines_.empty();
    // Put back the autoexec.bat that registering saved, before anything else runs.
    const std::vector<std::string> restore = {
        "@ECHO OFF",
        "copy " + programDir + "autoexec.bat " + std::string(1, windowsDrive) + ":\\autoexec.bat /y",
        "del " + programDir + "autoexec.bat",
    };
    lines_.insert(lines_.begin(), restore.begin(), restore.end());
    bool hasEntries = started && lines_.back().find("del") != std::string::npos;
    const std::vector<std::string> closing = {
        "@Echo -", "@Echo Az allomanyok torlesi kiserlete befejezodott!", "@Echo -", "@ECHO OFF", "PAUSE", "@ECHO ON",
    };
    lines_.insert(lines_.end(), closing.begin(), closing.end());
    return hasEntries;
}

}  // namespace kefelo::cleaning
