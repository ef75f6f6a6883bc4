#include "core/cleaning/batch_text.h"
#include "base/text/batch_code_page.h"

#include "base/text/codec.h"

namespace kefelo::cleaning {
namespace {

// cmd reads at most 8191 characters a line; the copy line holds two paths and its words.
constexpr size_t kMaxQuotedPath = 4000;

bool isDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// One name between separators, as it has to be for the quoted path to mean that name.
// Above ASCII only when the batch is read in the code page it is written in.
bool nameIsExact(std::string_view name, BatchCharset charset) {
    if (name.empty() || name == "." || name == "..") return false;
    if (name.back() == '.' || name.back() == ' ') return false;
    for (char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || (byte >= 0x80 && charset == BatchCharset::Ascii)) return false;
        if (std::string_view("\"*?<>|:/").find(c) != std::string_view::npos) return false;
    }
    return true;
}

}  // namespace

std::optional<std::string> batchQuoted(std::string_view path, BatchCharset charset) {
    std::string_view names;
    size_t minimumNames = 1;
    if (path.size() >= 3 && isDriveLetter(path[0]) && path[1] == ':' && path[2] == '\\') {
        names = path.substr(3);
    } else if (path.starts_with("\\\\")) {
        names = path.substr(2);
        minimumNames = 3;  // server, share and at least one name in it
    } else {
        return std::nullopt;
    }
    size_t count = 0;
    for (size_t start = 0;; ++count) {
        const size_t end = names.find('\\', start);
        if (!nameIsExact(names.substr(start, end - start), charset)) return std::nullopt;
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    if (count + 1 < minimumNames) return std::nullopt;
    const std::string encoded = text::utf8ToCp1250(path);
    if (text::cp1250ToUtf8(encoded) != path || encoded.size() > kMaxQuotedPath) return std::nullopt;

    std::string quoted = "\"";
    for (char c : path) {
        quoted += c;
        if (c == '%') quoted += '%';
    }
    quoted += '"';
    return quoted;
}

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
    if (ntFamily_) restore.insert(restore.end(), text::batchCodePageSwitch().begin(), text::batchCodePageSwitch().end());
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
