#include "core/cleaning/log_writer.h"

#include "base/text/codec.h"
#include "base/text/format.h"

namespace kefelo::cleaning {
namespace {

constexpr LogStyle kRegular{};
constexpr LogStyle kBold{true, false};
constexpr LogStyle kBoldUnderline{true, true};

std::string grouped(int64_t value) { return text::Ezredel(text::toDecimal(value)); }

size_t characterCount(std::string_view s) {
    size_t count = 0;
    for (size_t pos = 0; pos < s.size(); ++count) text::nextCodePoint(s, pos);
    return count;
}

}  // namespace

std::string whereText(const std::string& location) {
    return characterCount(location) < 4 ? " meghajtón " : " könyvtárban ";
}

std::string containerUndeletableEntry(const std::string& fullPath, int64_t size) {
    return "  " + fullPath + "  (" + grouped(size) + " bájt )";
}

std::string taskUndeletableEntry(const std::string& dir, const std::string& name, int64_t size) {
    return "  " + dir + name + "  (" + grouped(size) + " bájt)";
}

void LogWriter::runStart() {
    NowTexts now = now_();
    log_.setAttributes(kBoldUnderline, LogColour::WindowText);
    log_.addLine(now.date + "  " + now.time + " > Könyvtárürítés indítása:");
    log_.setAttributes(kRegular, LogColour::WindowText);
    log_.addLine(" ");
}

void LogWriter::containerHeading(const std::string& path) {
    log_.setAttributes(kBold, LogColour::WindowText);
    log_.addLine(path + " ürítése:");
}

void LogWriter::deletedFile(const std::string& fullPath, int64_t size) {
    log_.setAttributes(kRegular, LogColour::Navy);
    log_.addLine(fullPath + "  (" + grouped(size) + " bájt )");
}

void LogWriter::undeletableFile(const std::string& fullPath, int64_t size) {
    log_.setAttributes(kRegular, LogColour::Red);
    log_.addLine(" ! " + fullPath + "  (" + grouped(size) + " bájt )");
}

std::string LogWriter::folderRemovedText(const std::string& fullPath) const {
    return "(" + fullPath + " könyvtár eltávolítva.)";
}

void LogWriter::folderRemoved(const std::string& fullPath) {
    log_.setAttributes(log_.style(), LogColour::Black);
    log_.addLine(folderRemovedText(fullPath));
}

void LogWriter::containerResult(const std::string& path, bool done) {
    log_.setAttributes(kBold, LogColour::WindowText);
    log_.addLine(done ? path + " ürítése kész."
                      : path + " ürítése nincs kész! (pl.: mert védett vagy törölhetetlen állomány(oka)t tartalmaz)");
}

void LogWriter::containerSkipped(const std::string& path, LocationVerdict verdict) {
    const char* reason = " könyvtár védett helyre mutat";
    switch (verdict) {
        case LocationVerdict::NotFullPath: reason = " nem teljes elérési út"; break;
        case LocationVerdict::Link: reason = " könyvtár útvonalában csatolási pont vagy hivatkozás van"; break;
        case LocationVerdict::Unidentified: reason = " könyvtárat a rendszer nem tudta azonosítani"; break;
        case LocationVerdict::NamesOtherFolder:
            reason = " sor más könyvtárra mutat, mint amelyet a program ellenőrzött";
            break;
        case LocationVerdict::DriveLocked: reason = " teljes meghajtó, amelynek ürítése nincs engedélyezve"; break;
        case LocationVerdict::DriveHoldsGuarded:
            reason = " meghajtón rendszer-, program- vagy felhasználói könyvtár van";
            break;
        case LocationVerdict::Allowed:
        case LocationVerdict::Protected: break;
    }
    log_.setAttributes(kBold, LogColour::Red);
    log_.addLine("A(z) " + path + reason + ", ezért kimaradt az ürítésből!");
}

void LogWriter::taskSkipped(const std::string& location, LocationVerdict verdict) {
    const char* reason = "a hely nem teljes elérési út";
    switch (verdict) {
        case LocationVerdict::Link: reason = "a hely útvonalában csatolási pont vagy hivatkozás van"; break;
        case LocationVerdict::Unidentified: reason = "a helyet a rendszer nem tudta azonosítani"; break;
        case LocationVerdict::NamesOtherFolder:
            reason = "a sor más könyvtárra mutat, mint amelyet a program ellenőrzött";
            break;
        default: break;
    }
    log_.setAttributes(kBold, LogColour::Red);
    log_.addLine("A(z) " + location + " helyű feladat kimaradt, mert " + reason + "!");
}

void LogWriter::containerPhaseEnd(int64_t containerTotal) {
    NowTexts now = now_();
    log_.setAttributes(kBoldUnderline, LogColour::WindowText);
    log_.addLine(now.date + "  " + now.time + " > könyvtárürítés kész. Felszabadítva: " + grouped(containerTotal) +
                 " bájt.");
    log_.addLine(" ");
}

void LogWriter::taskPhaseStart() {
    NowTexts now = now_();
    log_.setAttributes(kBoldUnderline, LogColour::WindowText);
    log_.addLine(now.date + "  " + now.time + " > A feladatok végrehajtása:");
    log_.addLine(" ");
}

void LogWriter::taskHeading(const std::string& location, const std::string& masks) {
    log_.setAttributes(kBold, LogColour::WindowText);
    log_.addLine(location + whereText(location) + "\"" + masks + "\" szűrővel:");
}

void LogWriter::taskDeletedFile(const std::string& dir, const std::string& name, int64_t size, LogColour colour,
                                bool deleteReportedFailure) {
    log_.setAttributes(kRegular, colour);
    log_.addLine((deleteReportedFailure ? " ! " : "") + dir + name + " (" + grouped(size) + " bájt )");
}

void LogWriter::taskUndeletableFile(const std::string& dir, const std::string& name, int64_t size) {
    log_.setAttributes(kRegular, LogColour::Red);
    log_.addLine(" ! " + dir + name + "  (" + grouped(size) + " bájt)");
}

void LogWriter::deleteByHand(const std::string& fullPath) {
    log_.setAttributes(kRegular, LogColour::Red);
    log_.addLine(" ! A(z) " + fullPath +
                 " neve nem írható be az \"autodel.bat\" állományba, ezért kézzel kell törölni!");
}

void LogWriter::notRecycled(const std::string& fullPath, int64_t size, const std::string& reason) {
    log_.setAttributes(kRegular, LogColour::Red);
    log_.addLine(" ! " + fullPath + "  (" + grouped(size) + " bájt) - nem került a Lomtárba (" + reason +
                 "), ezért megmaradt.");
}

void LogWriter::taskEnd(const std::string& location, const std::string& masks, int64_t taskTotal) {
    log_.setAttributes(kBold, LogColour::WindowText);
    log_.addLine(location + whereText(location) + "\"" + masks +
                 "\" szűrővel befejeződött.\r\nEzzel felszabadítva: " + grouped(taskTotal) + " bájt.");
}

void LogWriter::blank() { log_.addLine(" "); }

void LogWriter::closingAndSummary(const Summary& summary) {
    blank();
    if (summary.tasksLine) {
        if (summary.halted) {
            log_.setAttributes(kBoldUnderline, LogColour::Red);
            log_.addLine("A feladatok végrehajtása megszakítva!");
        } else {
            log_.setAttributes(kBoldUnderline, LogColour::WindowText);
            log_.addLine("A feladatok végrehajtása befejeződött.");
        }
        blank();
    }
    // The summary is recognised by its own line: a path in the log that happens to hold
    // the same words must not suppress it.
    if (log_.hasLineStartingWith(" - Felszabad")) return;

    NowTexts now = now_();
    log_.setAttributes(kBoldUnderline, summary.halted ? LogColour::Red : LogColour::WindowText);
    log_.addLine(
        now.date + "  " + now.time +
        (summary.halted ? " > A takarítási folyamat nem fejeződött be!" : " > A takarítási folyamat véget ért."));
    blank();
    log_.setAttributes(kBoldUnderline, LogColour::WindowText);
    log_.insertAtCaret("Összegzés:\r\n");
    log_.setAttributes(kRegular, LogColour::WindowText);
    log_.insertAtCaret(" - Felszabadított lemezterület mérete: " + grouped(summary.runTotal) + " bájt.");
    log_.addLine((summary.recycled ? " - A Lomtárba helyezett állományok száma: " : " - Törölt állományok száma: ") +
                 grouped(summary.deletedFiles) + " db.");
    if (summary.keptFresh > 0) {
        log_.addLine(" - Az utolsó " + grouped(summary.keepFreshHours) + " órában módosított, ezért megtartott állományok száma: " +
                     grouped(summary.keptFresh) + " db.");
    }
    if (!summary.undeletable.empty()) {
        log_.addLine("  " + std::to_string(summary.undeletable.size()) +
                     " állományt pillanatnyilag nem sikerült törölni:");
        log_.setAttributes(kRegular, LogColour::WindowText);
        for (const auto& entry : summary.undeletable) log_.addLine(entry);
    }
}

}  // namespace kefelo::cleaning
