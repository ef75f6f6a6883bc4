#pragma once
// Starting things through the shell, the Explorer property sheet, and restarting Windows.
#include <string>

namespace kefelo::platform {

class Shell {
public:
    virtual ~Shell() = default;
    // The shell's default action on a file (a program, a document, a folder), owned by the
    // application window. showNormal false starts it hidden. True when the shell accepted it.
    virtual bool executeFile(const std::string& file, const std::string& parameters, const std::string& directory,
                             bool showNormal) = 0;
    // The Explorer property sheet of a file, folder or drive.
    virtual bool propertiesDialog(const std::string& path) = 0;
    // Reboots at once, closing programs by force. On the NT family the process first takes
    // the shutdown privilege. False when the system refused.
    virtual bool restartWindows(bool ntFamily) = 0;
};

}  // namespace kefelo::platform
