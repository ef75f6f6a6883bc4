#pragma once
// Texts and fixed choices of the cleaning page and its report page that the view shows.
#include <array>
#include <string>
#include <string_view>

#include "core/cleaning/cleaning_log.h"
#include "base/time/datetime.h"

namespace kefelo::cleaning {

// `pVarj`: over the container grid, which it keeps disabled, for the first five seconds
// of an automatic start, while the cleaning run gets going.
inline constexpr const char* kWaitingPanelText = "Felkészülés az automatikus ürítésre. Kis türelmet!";
inline constexpr unsigned kWaitingPanelMs = 5000;

// The hint of `button_beginclean`, with the date of the last full run when there was one.
std::string beginCleanHint(timeutil::TDateTime lastCleaning, std::string_view shortDatePicture);
// The hint of the preview button.
inline constexpr const char* kPreviewCleanHint =
    "Megmutatja, mely állományokat törölné a Takarítás, de semmit sem töröl";

// The print job of the report: "Kefeló v" + version + " - Takarítási napló " + date.
std::string printJobTitle(std::string_view fileVersion, std::string_view date);

// The colour legend " Színleírás " of the report page, in its order.
struct LegendEntry {
    std::string_view text;
    LogColour colour;
};
inline constexpr std::array<LegendEntry, 5> kReportLegend{{
    {"Törölt", LogColour::Navy},
    {"Írásvédett", LogColour::Blue},
    {"Rejtett", LogColour::Maroon},
    {"Rendszer", LogColour::Yellow},
    {"Törölhetetlen", LogColour::Red},
}};

// The inner pages of the cleaning page (`pcKefelas`).
enum CleaningInnerPage : int { cleaning_lists = 0, cleaning_report = 1 };

}  // namespace kefelo::cleaning
