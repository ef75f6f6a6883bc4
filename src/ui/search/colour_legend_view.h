#pragma once
// The colour legend " Színleírás " of the found files: five labels, each drawn in the
// colour it names on the list's own background. A left click opens the colour dialog; the
// right button puts all five back (the core asks first when it should).
#include <windows.h>

#include <array>

#include "core/search/search_page_model.h"
#include "ui/controls/subclass.h"

namespace kefelo::ui {

class ColourLegendView {
public:
    // The labels `firstLabelId` .. + 4 of `dialog`, in the legend's order.
    void attach(HWND dialog, int firstLabelId, search::SearchPageModel& model);

    // WM_CTLCOLORSTATIC of the dialog: the brush for a label, null for any other control.
    HBRUSH labelColours(HWND control, HDC dc) const;
    // STN_CLICKED of a control; true when it was a label.
    bool clicked(HWND control);
    void redraw() const;
    bool isLabel(HWND control) const { return indexOf(control) >= 0; }

private:
    int indexOf(HWND control) const;
    void chooseColour(int index);

    HWND dialog_ = nullptr;
    search::SearchPageModel* model_ = nullptr;
    std::array<HWND, search::kLegend.size()> labels_{};
    std::array<Subclass, search::kLegend.size()> hooks_;
    // The colour dialog's own sixteen colours, kept for the page's life.
    COLORREF custom_[16] = {};
};

}  // namespace kefelo::ui
