// The report page's chart drawn by GDI into a memory bitmap of about the size it has at
// the window's minimum size: the bars are measured in pixels against a known history.
#include "ui/cleaning/run_chart.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

using namespace kefelo;

namespace {

struct Bar {
    int left = 0, right = 0;  // columns, right exclusive
    int height = 0;
};

class ChartBitmap {
public:
    ChartBitmap(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;  // top-down rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
    }
    ~ChartBitmap() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }

    void draw(const ui::RunChartData& data) {
        const RECT area{0, 0, width_, height_};
        ui::drawRunChart(dc_, area, data, static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
        GdiFlush();
    }

    bool isBar(int x, int y) const {
        const uint32_t pixel = bits_[y * width_ + x] & 0xFFFFFF;  // 0x00RRGGBB
        const COLORREF c = ui::kRunChartBarColour;
        return pixel == (static_cast<uint32_t>(GetRValue(c)) << 16 | GetGValue(c) << 8 | GetBValue(c));
    }

    // Runs of columns holding bar pixels, left to right, with the bar's height in pixels.
    std::vector<Bar> bars() const {
        std::vector<Bar> found;
        bool inBar = false;
        for (int x = 0; x < width_; ++x) {
            // Text in the bar colour (the total) sits above the plot; bars stand on its foot.
            const bool barColumn = isBar(x, height_ - 4);
            if (barColumn && !inBar) found.push_back({x, x, 0});
            if (barColumn) {
                found.back().right = x + 1;
                int h = 0;
                while (h < height_ - 3 && isBar(x, height_ - 4 - h)) ++h;
                found.back().height = std::max(found.back().height, h);
            }
            inBar = barColumn;
        }
        return found;
    }

private:
    int width_, height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    uint32_t* bits_ = nullptr;
};

ui::RunChartData history(std::vector<int64_t> bytes) {
    ui::RunChartData data;
    data.bytes = std::move(bytes);
    data.texts = {"7.000.000.001", "2026. 12. 01. óta", "4.000.000.000"};
    return data;
}

TEST(RunChart, BarHeightsFollowTheBytesFreedAndTheNewestStandsAtTheRight) {
    // About the chart's size at the main window's minimum size.
    ChartBitmap chart(100, 180);
    chart.draw(history({4'000'000'000, 2'000'000'000, 0, 1'000'000'000, 1}));
    const std::vector<Bar> bars = chart.bars();
    ASSERT_EQ(bars.size(), 4u);  // a run that freed nothing has no bar
    const int tallest = bars[0].height;
    // The plot takes most of the height left under the texts.
    EXPECT_GE(tallest, 80);
    EXPECT_NEAR(bars[1].height, tallest / 2.0, 1.0);
    EXPECT_NEAR(bars[2].height, tallest / 4.0, 1.0);
    EXPECT_EQ(bars[3].height, 1);  // one byte still shows
    // Every run has its slot: the third bar is two slots on from the second, and the newest
    // ends at the right edge (3 pixels of margin).
    const int slot = bars[1].left - bars[0].left;
    EXPECT_GE(slot, 3);
    EXPECT_EQ(bars[2].left - bars[1].left, 2 * slot);
    EXPECT_GE(bars[3].right, 100 - 3 - slot);
    for (const Bar& bar : bars) EXPECT_GE(bar.right - bar.left, 2);
}

TEST(RunChart, OnlyTheLastThirtyRunsAreDrawnAndAnEmptyHistoryDrawsNoBar) {
    std::vector<int64_t> many(35, 10);
    many[4] = 20;  // the fifth run is too old for the chart: the rest stand full height
    ChartBitmap chart(120, 180);
    chart.draw(history(many));
    const std::vector<Bar> bars = chart.bars();
    ASSERT_EQ(bars.size(), 30u);
    for (const Bar& bar : bars) EXPECT_EQ(bar.height, bars.front().height);

    ChartBitmap empty(120, 180);
    empty.draw(history({}));
    EXPECT_TRUE(empty.bars().empty());
}

}  // namespace
