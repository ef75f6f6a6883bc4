#pragma once
// A shell that starts nothing and records every request.
#include <string>
#include <vector>

#include "platform/fake/fake_file_system.h"
#include "platform/shell.h"

namespace kefelo::platform::fake {

struct ExecutedFile {
    std::string file;
    std::string parameters;
    std::string directory;
    bool showNormal = true;
    bool operator==(const ExecutedFile&) const = default;
};

class FakeShell : public Shell {
public:
    std::vector<ExecutedFile> executed;
    std::vector<std::string> propertiesOpened;
    // The NT-family flag of each restart request.
    std::vector<bool> restarts;
    bool accept = true;  // what every call reports
    RecycleBinEmptying recycleBinResult = RecycleBinEmptying::Emptied;
    int recycleBinEmptied = 0;
    // false: the window, true: the property sheet.
    std::vector<bool> recycleBinOpened;
    int floppyFormats = 0;
    // The bin takes files out of this file system; paths that start with one of
    // `noBinPrefixes` (a drive without a bin) or are locked there stay.
    FakeFileSystem* files = nullptr;
    std::vector<std::string> noBinPrefixes;
    std::vector<std::string> recycled;
    int recycleCalls = 0;

    bool executeFile(const std::string& file, const std::string& parameters, const std::string& directory,
                     bool showNormal) override;
    bool propertiesDialog(const std::string& path) override;
    bool restartWindows(bool ntFamily) override;
    RecycleBinEmptying emptyRecycleBin() override;
    std::vector<Recycling> recycleFiles(const std::vector<std::string>& paths) override;
    bool openRecycleBin(bool properties) override;
    void formatFloppy() override;
};

}  // namespace kefelo::platform::fake
