#include "core/containers/grid_format.h"

#include "core/containers/container_names.h"

namespace kefelo::containers {
namespace {
using config::Mark;

// A mark is drawn as a box whatever the row's state: a folder that vanished since the
// last refresh still shows its (stale) box rather than a stray letter.
CellFont fontFor(int column, Mark mark) {
    return column == 0 && mark != Mark::None ? CellFont::Wingdings : CellFont::Arial;
}

constexpr CellFormat greyed(CellFont font) { return {font, CellColour::GrayText, CellColour::ButtonFace}; }
}  // namespace

CellFormat containerCellFormat(const config::ContainerRow& row, int column, bool folderExists) {
    const CellFont font = fontFor(column, row.mark);
    if (!folderExists) return greyed(font);
    if (!isStandardContainerName(row.path)) return {font, CellColour::Yellow, CellColour::Maroon};
    return {font, CellColour::WindowText, CellColour::Window};
}

CellFormat taskCellFormat(const config::TaskRow& row, int column, bool folderExists) {
    const CellFont font = fontFor(column, row.mark);
    if (!folderExists) return greyed(font);
    return {font, CellColour::WindowText, CellColour::Window};
}

}  // namespace kefelo::containers
