#include "ui/search/colour_legend_view.h"

#include <commdlg.h>

#include "platform/win32/wide.h"

namespace kefelo::ui {
namespace {
COLORREF colourRef(search::Rgb colour) { return RGB(colour.red, colour.green, colour.blue); }
}  // namespace

void ColourLegendView::attach(HWND dialog, int firstLabelId, search::SearchPageModel& model) {
    dialog_ = dialog;
    model_ = &model;
    for (size_t i = 0; i < labels_.size(); ++i) {
        labels_[i] = GetDlgItem(dialog, firstLabelId + static_cast<int>(i));
        SetWindowTextW(labels_[i], platform::win32::widen(search::kLegend[i].caption).c_str());
        hooks_[i].attach(labels_[i], [this](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
            if (message != WM_RBUTTONDOWN) return std::nullopt;
            model_->legendRightClick();
            return 0;
        });
    }
}

int ColourLegendView::indexOf(HWND control) const {
    for (size_t i = 0; i < labels_.size(); ++i)
        if (control && labels_[i] == control) return static_cast<int>(i);
    return -1;
}

HBRUSH ColourLegendView::labelColours(HWND control, HDC dc) const {
    const int index = indexOf(control);
    if (index < 0) return nullptr;
    SetTextColor(dc, colourRef(model_->legend.colour(search::kLegend[static_cast<size_t>(index)].kind)));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return GetSysColorBrush(COLOR_WINDOW);
}

bool ColourLegendView::clicked(HWND control) {
    const int index = indexOf(control);
    if (index < 0) return false;
    chooseColour(index);
    return true;
}

void ColourLegendView::chooseColour(int index) {
    const search::RowColour kind = search::kLegend[static_cast<size_t>(index)].kind;
    CHOOSECOLORW choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = GetAncestor(dialog_, GA_ROOT);
    choice.rgbResult = colourRef(model_->legend.colour(kind));
    choice.lpCustColors = custom_;
    choice.Flags = CC_RGBINIT | CC_ANYCOLOR;
    if (!ChooseColorW(&choice)) return;
    const COLORREF chosen = choice.rgbResult;
    model_->legendColourChosen(kind, {GetRValue(chosen), GetGValue(chosen), GetBValue(chosen)});
}

void ColourLegendView::redraw() const {
    for (HWND label : labels_)
        if (label) InvalidateRect(label, nullptr, TRUE);
}

}  // namespace kefelo::ui
