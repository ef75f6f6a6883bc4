#include "core/search/found_files_menu.h"

namespace kefelo::search {

bool FoundFilesMenu::rowItemsEnabled(const FoundFiles& files) {
    return files.holdsResults() && files.validRow(files.currentRow) &&
           files.row(static_cast<size_t>(files.currentRow)).mark != config::Mark::None;
}

std::array<std::string, kSelectByItems.size()> FoundFilesMenu::selectByCaptions(const FoundFiles& files) {
    std::array<std::string, kSelectByItems.size()> captions;
    const bool current = files.validRow(files.currentRow);
    for (size_t i = 0; i < kSelectByItems.size(); ++i) {
        captions[i] = std::string(kSelectByItems[i].caption) + ": ";
        if (current) captions[i] += files.cellText(static_cast<size_t>(files.currentRow), kSelectByItems[i].column);
    }
    return captions;
}

void FoundFilesMenu::selectBy(FoundFiles& files, size_t item) const {
    if (item >= kSelectByItems.size() || !files.holdsResults()) return;
    files.selectByColumn(kSelectByItems[item].column, keepMarks);
}

}  // namespace kefelo::search
