#include "core/app/diagnostic_console.h"

namespace kefelo::app {

void DiagnosticConsole::detect(platform::FileSystem& fs, const std::string& programDirectory) {
    enabled_ = fs.fileExists(programDirectory + kDiagnosticFileName);
}

void DiagnosticConsole::TesztBe(const std::string& text) {
    if (!enabled_) return;
    lines_.push_back(std::to_string(lines_.size() + 1) + " : " + text);
    if (onLine) onLine(lines_.back());
}

}  // namespace kefelo::app
