#include "core/cleaning/log_files.h"

#include "base/text/codec.h"
#include "base/time/datetime.h"

namespace kefelo::cleaning {
namespace {

using platform::Buttons;
using platform::MessageKind;

// The extension as Windows names it: from the last "." after the last separator.
std::string_view extensionOf(std::string_view file) {
    size_t cut = file.find_last_of(".\\/:");
    if (cut == std::string_view::npos || file[cut] != '.') return {};
    return file.substr(cut);
}

}  // namespace

NowTexts nowTexts(platform::Clock& clock, platform::SystemInfo& sys) {
    timeutil::TDateTime now = clock.now();
    return {timeutil::formatDate(now, sys.shortDateFormat()), timeutil::formatTime(now, sys.longTimeFormat())};
}

std::string logFileBytes(const CleaningLog& log) {
    return log.plainText() ? text::encodeLines(log.lines()) : log.rtf();
}

bool saveLastLog(platform::FileSystem& fs, const CleaningLog& log, const std::string& programDirectory) {
    return fs.writeFileAtomic(programDirectory + std::string(kLastLogName), logFileBytes(log));
}

bool saveLastLogAtRunEnd(platform::FileSystem& fs, platform::UiServices& ui, const CleaningLog& log,
                         const std::string& programDirectory, bool automaticMode) {
    if (saveLastLog(fs, log, programDirectory)) return true;
    if (!automaticMode) {
        ui.message(MessageKind::Warning, Buttons::Ok, "A Takarítási napló automatikus elmentése nem sikerült!");
    }
    return false;
}

std::string withLogExtension(const std::string& file, int filterIndex) {
    std::string_view wanted = filterIndex == 1 ? ".txt" : filterIndex == 2 ? ".rtf" : "";
    if (wanted.empty() || extensionOf(file) == wanted) return file;
    return file + std::string(wanted);
}

void saveLogAs(CleaningLog& log, platform::FileSystem& fs, platform::UiServices& ui, bool viewAlerts) {
    auto choice = ui.saveFileDialog("Eredmény mentése állományba",
                                    {{"Sima szöveg (.txt)", "*.txt"}, {"Színkiemelt szöveg (.rtf)", "*.rtf"}}, "");
    if (!choice || choice->path.empty()) return;
    std::string file = withLogExtension(choice->path, choice->filterIndex);
    log.setPlainText(choice->filterIndex == 1);

    if (fs.fileExists(file)) {
        auto answer = ui.message(MessageKind::Confirmation, Buttons::YesNo,
                                 "A választott állomány már létezik:\r\n" + file +
                                     "\r\n\r\nKívánja felülírni a régi állományt?\r\n"
                                     "(Amennyiben nem, adjon meg egy másik nevet!)");
        if (answer != platform::Answer::Yes) return;
    }
    if (!fs.writeFileAtomic(file, logFileBytes(log)) && viewAlerts) {
        ui.message(MessageKind::Warning, Buttons::Ok,
                   "A Takarítási naplót nem sikerült menteni!\r\n\r\n"
                   "Valószínűleg nincs írási jogosultsága a következő helyre:\r\n" +
                       file);
    }
}

std::string cleaningTrayHint(const std::string& fileVersion, const std::string& currentPath) {
    return "Kefeló v" + fileVersion + " - Takarítás folyamatban\r\nVizsgált hely:\r\n" + currentPath;
}

}  // namespace kefelo::cleaning
