#pragma once
// The shell's default action and property sheet, and the restart of Windows.
#include <windows.h>

#include "platform/shell.h"

namespace kefelo::platform::win32 {

class Win32Shell : public Shell {
public:
    // What the shell shows comes up owned by this window (may be null).
    void setOwner(HWND owner) { owner_ = owner; }

    bool executeFile(const std::string& file, const std::string& parameters, const std::string& directory,
                     bool showNormal) override;
    bool propertiesDialog(const std::string& path) override;
    bool restartWindows(bool ntFamily) override;
    RecycleBinEmptying emptyRecycleBin() override;
    std::vector<Recycling> recycleFiles(const std::vector<std::string>& paths) override;
    bool openRecycleBin(bool properties) override;
    void formatFloppy() override;

private:
    HWND owner_ = nullptr;
};

}  // namespace kefelo::platform::win32
