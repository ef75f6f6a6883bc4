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

std::vector<Recycling> FakeShell::recycleFiles(const std::vector<std::string>& paths) {
    ++recycleCalls;
    std::vector<Recycling> out;
    for (const std::string& path : paths) {
        bool noBin = false;
        for (const std::string& prefix : noBinPrefixes) noBin = noBin || path.starts_with(prefix);
        if (noBin) {
            out.push_back(Recycling::NoBin);
            continue;
        }
        // The shell takes read-only files too; a locked one stays as it was.
        const std::optional<uint32_t> attributes = files ? files->getAttributes(path) : std::nullopt;
        if (attributes) files->setAttributes(path, 0);
        if (attributes && files->deleteFile(path)) {
            recycled.push_back(path);
            out.push_back(Recycling::Recycled);
        } else {
            if (attributes) files->setAttributes(path, *attributes);
            out.push_back(Recycling::Refused);
        }
    }
    return out;
}

bool FakeShell::openRecycleBin(bool properties) {
    recycleBinOpened.push_back(properties);
    return accept;
}

void FakeShell::formatFloppy() { ++floppyFormats; }

}  // namespace kefelo::platform::fake
