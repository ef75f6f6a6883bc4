#pragma once
// The small bar chart of the report page: bytes freed by the latest runs, oldest on the
// left and the newest at the right edge, with the total since the history began above it.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "core/cleaning/run_history.h"

namespace kefelo::ui {

struct RunChartData {
    std::vector<int64_t> bytes;  // oldest first; only the last kChartRuns are drawn
    cleaning::RunChartTexts texts;
};

RunChartData runChartData(const cleaning::HistorySummary& summary, const cleaning::RunChartTexts& texts);

// The colour of the bars: the log's colour of deleted files.
inline constexpr COLORREF kRunChartBarColour = RGB(0, 0, 128);

// Draws the whole chart into `area` of `dc` with `font` (the page's own).
void drawRunChart(HDC dc, const RECT& area, const RunChartData& data, HFONT font);

}  // namespace kefelo::ui
