#pragma once
// The colour legend " Színleírás " of the found files: five colours the rows are drawn
// in, shown by labels drawn in their colour. A left click on a label changes its colour
// (the colour dialog), a right click puts all five back. They last for the program's run.
#include <array>
#include <cstdint>

#include "core/search/found_files.h"
#include "platform/ui_services.h"

namespace kefelo::search {

struct Rgb {
    uint8_t red = 0, green = 0, blue = 0;
    bool operator==(const Rgb&) const = default;
};

struct LegendEntry {
    RowColour kind;
    const char* label;  // the control's name
    const char* caption;
    Rgb initial;
};

// In the order the legend shows them.
inline constexpr std::array<LegendEntry, 5> kLegend{{
    {RowColour::Normal, "label_findsattribnormal", "Általános", {0, 0, 128}},
    {RowColour::Missing, "label_notfound", "Külsőleg eltávolított", {128, 128, 128}},
    {RowColour::ReadOnly, "label_findsattribreadonly", "Írásvédett", {0, 0, 255}},
    {RowColour::Hidden, "label_findsattribhidden", "Rejtett", {128, 0, 0}},
    {RowColour::System, "label_findsattribsystem", "Rendszer", {255, 255, 0}},
}};

inline constexpr const char* kLegendHint =
    "A színek módosításához kattintson a bal, a visszaállításhoz jobb egérgombbal";
inline constexpr const char* kResetColoursQuestion =
    "Valóban visszaállítja a Találati táblázat alapértelmezett színeit?";

// How a data cell is drawn (the title row is bold): the symbol font for a mark in the
// window-text colour, otherwise "Arial" in the row's colour; names right-aligned.
enum class CellFont { Arial, Wingdings };
struct FoundCellFormat {
    CellFont font = CellFont::Arial;
    bool windowText = false;  // instead of the row's colour
    RowColour colour = RowColour::Normal;
    bool rightAligned = false;
    bool operator==(const FoundCellFormat&) const = default;
};
// `attributesNow`: the row's file as the disk has it when the cell is drawn (empty: gone).
FoundCellFormat foundCellFormat(const FoundFiles& files, size_t row, int column, std::optional<uint32_t> attributesNow);

class ColourLegend {
public:
    ColourLegend() { reset(); }

    Rgb colour(RowColour kind) const { return colours_[static_cast<size_t>(kind)]; }
    // The colour dialog was left with OK.
    void setColour(RowColour kind, Rgb colour) { colours_[static_cast<size_t>(kind)] = colour; }
    void reset();
    // The right button on a label: asks first when the alerts are on. True when the
    // colours were put back (the list is to be repainted).
    bool resetAsked(platform::UiServices& ui, bool viewAlerts);

private:
    std::array<Rgb, 5> colours_;
};

}  // namespace kefelo::search
