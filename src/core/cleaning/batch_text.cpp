#include "core/cleaning/batch_text.h"

#include "base/text/batch_code_page.h"
#include "base/text/codec.h"

namespace kefelo::cleaning {

const std::vector<std::string>& batchClosingBlock() {
    static const std::vector<std::string> closing = {
        "@Echo -", "@Echo Az allomanyok torlesi kiserlete befejezodott!", "@Echo -", "@ECHO OFF", "PAUSE", "@ECHO ON",
    };
    return closing;
}

void BatchText::start(bool ntFamily) {
    ntFamily_ = ntFamily;
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

bool BatchText::addDelete(std::string_view path) {
    std::optional<std::string> quoted = batchQuoted(path, charset());
    if (!quoted) return false;
    lines_.push_back("del " + *quoted);
    return true;
}

bool BatchText::finish(const std::string& programDir, char windowsDrive) {
    // A text that was never started holds no entries, whatever the restore lines say.
    bool started = !lines_.empty();
    // Put back the autoexec.bat that registering saved, before anything else runs.
    std::vector<std::string> restore = {"@ECHO OFF"};
    // Before the first line that may hold an accented name.
    if (ntFamily_)
        restore.insert(restore.end(), text::batchCodePageSwitch().begin(), text::batchCodePageSwitch().end());
    const std::optional<std::string> saved = batchQuoted(programDir + "autoexec.bat", charset());
    const std::optional<std::string> startup = batchQuoted(std::string(1, windowsDrive) + ":\\autoexec.bat", charset());
    if (saved && startup) {
        restore.push_back("copy " + *saved + " " + *startup + " /y");
        restore.push_back("del " + *saved);
    }
    lines_.insert(lines_.begin(), restore.begin(), restore.end());
    bool hasEntries = started && lines_.back().find("del") != std::string::npos;
    const std::vector<std::string>& closing = batchClosingBlock();
    lines_.insert(lines_.end(), closing.begin(), closing.end());
    if (ntFamily_) lines_.push_back(text::batchCodePageRestore());
    return hasEntries;
}

}  // namespace kefelo::cleaning
