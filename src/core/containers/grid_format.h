#pragma once
// How the cells of the container and task grids are drawn (`GetCellFormat`): the view
// turns these into fonts and system or fixed colours.
#include <string>

#include "core/config/config_model.h"
#include "core/config/grid_rules.h"

namespace kefelo::containers {

enum class CellFont { Arial, Wingdings };
enum class CellColour { WindowText, Window, GrayText, ButtonFace, Yellow, Maroon };

struct CellFormat {
    CellFont font = CellFont::Arial;
    CellColour text = CellColour::WindowText;
    CellColour background = CellColour::Window;
    bool operator==(const CellFormat&) const = default;
};

// Data rows; the header row is drawn bold by the view. `folderExists` is the row's
// folder as last looked up.
CellFormat containerCellFormat(const config::ContainerRow& row, int column, bool folderExists);
CellFormat taskCellFormat(const config::TaskRow& row, int column, bool folderExists);

using config::markText;

}  // namespace kefelo::containers
