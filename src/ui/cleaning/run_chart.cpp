#include "ui/cleaning/run_chart.h"

#include <algorithm>

#include "platform/win32/wide.h"
#include "ui/common/gdi.h"

namespace kefelo::ui {
namespace {

using platform::win32::widen;

void fill(HDC dc, const RECT& rect, COLORREF colour) {
    UniqueBrush brush(CreateSolidBrush(colour));
    FillRect(dc, &rect, brush.get());
}

// One line of text at `top`, cut with an ellipsis where the chart is too narrow for it.
void textLine(HDC dc, const std::string& text, int left, int right, int& top, int height, COLORREF colour) {
    RECT line{left, top, right, top + height};
    SetTextColor(dc, colour);
    const std::wstring wide = widen(text);
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &line,
              DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS | DT_LEFT | DT_TOP);
    top += height;
}

// The number with as much of its prefix and unit as fits beside it; the number itself is
// never cut.
std::string fitted(HDC dc, std::string_view prefix, const std::string& number, int width) {
    if (number.empty()) return number;
    const std::string unit(cleaning::kChartUnit);
    for (const std::string& candidate : {std::string(prefix) + number + unit, std::string(prefix) + number}) {
        const std::wstring wide = widen(candidate);
        SIZE size{};
        if (GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size) && size.cx <= width) {
            return candidate;
        }
    }
    return number;
}

}  // namespace

RunChartData runChartData(const cleaning::HistorySummary& summary, const cleaning::RunChartTexts& texts) {
    RunChartData data;
    for (const cleaning::RunEntry& run : summary.latest) data.bytes.push_back(run.bytesFreed);
    data.texts = texts;
    return data;
}

void drawRunChart(HDC dc, const RECT& area, const RunChartData& data, HFONT font) {
    // On the window colour, framed, as the log beside it.
    fill(dc, area, GetSysColor(COLOR_WINDOW));
    UniqueBrush frame(CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW)));
    FrameRect(dc, &area, frame.get());

    SelectScope selected(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int lineHeight = std::max<int>(metrics.tmHeight, 1);
    SetBkMode(dc, TRANSPARENT);
    const int left = area.left + 3, right = area.right - 3;
    int top = area.top + 2;
    const COLORREF text = GetSysColor(COLOR_WINDOWTEXT), grey = GetSysColor(COLOR_GRAYTEXT);
    textLine(dc, std::string(cleaning::kChartTotalCaption), left, right, top, lineHeight, text);
    textLine(dc, fitted(dc, "", data.texts.total, right - left), left, right, top, lineHeight, kRunChartBarColour);
    textLine(dc, data.texts.since, left, right, top, lineHeight, grey);
    top += lineHeight / 2;
    textLine(dc, fitted(dc, cleaning::kChartScalePrefix, data.texts.scale, right - left), left, right, top, lineHeight,
             grey);

    // The plot: a base line, and above it one slot per run of the last ones.
    const int baseline = area.bottom - 3;
    const int plotTop = top + 1;
    if (right <= left || baseline - plotTop < 2) return;
    fill(dc, RECT{left, baseline, right, baseline + 1}, grey);
    const size_t count = std::min(data.bytes.size(), cleaning::kChartRuns);
    if (count == 0) return;
    const auto first = data.bytes.end() - static_cast<std::ptrdiff_t>(count);
    const int64_t most = *std::max_element(first, data.bytes.end());
    if (most <= 0) return;
    const int slot = std::max(1, (right - left) / static_cast<int>(cleaning::kChartRuns));
    const int barWidth = slot > 1 ? slot - 1 : 1;
    const int plotHeight = baseline - plotTop;
    UniqueBrush bar(CreateSolidBrush(kRunChartBarColour));
    int x = right - static_cast<int>(count) * slot;
    for (auto it = first; it != data.bytes.end(); ++it, x += slot) {
        if (*it <= 0) continue;
        // A run that freed anything shows at least one pixel; long double keeps 64-bit
        // byte counts from overflowing the product.
        const long double share = static_cast<long double>(*it) / static_cast<long double>(most);
        const int height = std::max(1, static_cast<int>(share * plotHeight + 0.5L));
        const RECT column{x, baseline - height, x + barWidth, baseline};
        FillRect(dc, &column, bar.get());
    }
}

}  // namespace kefelo::ui
