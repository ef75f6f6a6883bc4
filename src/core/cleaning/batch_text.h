#pragma once
// The text of "autodel.bat": every file a run could not delete, to be deleted at the next
// start of the computer (mBatKezd).
#include <string>
#include <vector>

namespace kefelo::cleaning {

class BatchText {
public:
    // mBatKezd(1): the header and the welcome block (NT family or Windows 9x wording).
    void start(bool ntFamily);
    // "del " + the short path of an undeletable file.
    void addDelete(const std::string& shortPath);
    // mBatKezd(0), first three steps: the restore lines on top, the closing block at the
    // end. Returns whether the batch holds entries (the last line before the closing
    // block contains "del").
    bool finish(const std::string& programDir, char windowsDrive);

    const std::vector<std::string>& lines() const { return lines_; }
    void setLines(std::vector<std::string> lines) { lines_ = std::move(lines); }

private:
    std::vector<std::string> lines_;
};

}  // namespace kefelo::cleaning
