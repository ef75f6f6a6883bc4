#include "platform/fake/fake_shell.h"

namespace kefelo::platform::fake {

bool FakeShell::executeFile(const std::string& file, const std::string& parameters, const std::string& directory,
                            bool showNormal) {
    executed.push_back({file, parameters, directory, showNormal});
    return accept;
}

bool FakeShell::propertiesDialog(const std::string& path) {
    propertiesOpened.push_back(path);
    return accept;
}

bool FakeShell::restartWindows(bool ntFamily) {
    restarts.push_back(ntFamily);
    return accept;
}

RecycleBinEmptying FakeShell::emptyRecycleBin() {
    ++recycleBinEmptied;
    return recycleBinResult;
}

bool FakeShell::openRecycleBin(bool properties) {
    recycleBinOpened.push_back(properties);
    return accept;
}

void FakeShell::formatFloppy() { ++floppyFormats; }

}  // namespace kefelo::platform::fake
