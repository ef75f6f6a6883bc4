#pragma once
// Starting things through the shell, the Explorer property sheet, and restarting Windows.
#include <string>
#include <vector>

namespace kefelo::platform {

// How emptying the Recycle Bin went: the entry point may be missing on old systems.
enum class RecycleBinEmptying { Emptied, LibraryNotLoaded, Unavailable };

// What became of one file sent to the Recycle Bin. A file the bin does not take stays
// where it was: it is never deleted for good in its place.
enum class Recycling { Recycled, NoBin, NameRefused, Refused };

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
    // Empties the Recycle Bin of every drive without asking, showing or sounding anything;
    // the entry point is looked up when called.
    virtual RecycleBinEmptying emptyRecycleBin() = 0;
    // Sends the files to the Recycle Bin in one silent operation (no question, no progress,
    // no error box); the outcome of each, in the order given.
    virtual std::vector<Recycling> recycleFiles(const std::vector<std::string>& paths) = 0;
    // The Recycle Bin's window, or its property sheet.
    virtual bool openRecycleBin(bool properties) = 0;
    // The system's format dialog for the floppy drive A:.
    virtual void formatFloppy() = 0;
};

}  // namespace kefelo::platform
