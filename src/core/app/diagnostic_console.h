#pragma once
// The diagnostic console `mTeszt`: numbered lines that the program writes about itself
// when a file "teszt.mod" lies in the program directory.
#include <functional>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace kefelo::app {

inline constexpr const char* kDiagnosticFileName = "teszt.mod";
inline constexpr const char* kConsoleHint = "Hibadetektáló konzol. (\"Errorfind\" console)";

class DiagnosticConsole {
public:
    // Switched on by "teszt.mod" in the program directory (which ends with "\").
    void detect(platform::FileSystem& fs, const std::string& programDirectory);
    void setEnabled(bool enabled) { enabled_ = enabled; }
    bool enabled() const { return enabled_; }

    // `TesztBe`: appends "n : text", n being the number of lines so far plus one. Does
    // nothing outside diagnostic mode.
    void TesztBe(const std::string& text);

    const std::vector<std::string>& lines() const { return lines_; }
    // A new window starts a new console.
    void clear() { lines_.clear(); }
    // The view shows each line as it comes.
    std::function<void(const std::string& line)> onLine;

private:
    bool enabled_ = false;
    std::vector<std::string> lines_;
};

}  // namespace kefelo::app
