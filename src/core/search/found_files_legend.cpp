#include "core/search/found_files_legend.h"

namespace kefelo::search {

FoundCellFormat foundCellFormat(const FoundFiles& files, size_t row, int column,
                                std::optional<uint32_t> attributesNow) {
    FoundCellFormat format;
    format.colour = files.rowColour(row, attributesNow);
    if (column == col_mark && files.row(row).mark != config::Mark::None) {
        format.font = CellFont::Wingdings;
        format.windowText = true;
    }
    format.rightAligned = column == col_name;
    return format;
}

void ColourLegend::reset() {
    for (const LegendEntry& entry : kLegend) setColour(entry.kind, entry.initial);
}

bool ColourLegend::resetAsked(platform::UiServices& ui, bool viewAlerts) {
    if (viewAlerts && ui.message(platform::MessageKind::Confirmation, platform::Buttons::YesNo,
                                 kResetColoursQuestion) != platform::Answer::Yes)
        return false;
    reset();
    return true;
}

}  // namespace kefelo::search
