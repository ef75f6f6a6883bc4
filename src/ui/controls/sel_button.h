#pragma once
// The owner-drawn button `TSelButton`: a flat face with a grey border that lights up
// under the mouse, the hand cursor while enabled, and the inactive-caption colour as text
// while disabled. The group selectors also give it a "selected" look.
// The button comes from a template with BS_OWNERDRAW; its parent forwards WM_DRAWITEM.
#include <windows.h>

#include <map>
#include <optional>
#include <string>

#include "ui/controls/subclass.h"

namespace kefelo::ui {

class SelButton {
public:
    enum class Look { Normal, Selected };

    bool attach(HWND button);
    HWND hwnd() const { return hwnd_; }

    // `Gomb`: enabled with the hand cursor and black text, or disabled with the default
    // cursor and the inactive-caption colour as text.
    void setEnabled(bool enabled);
    bool enabled() const;
    // The group selectors' looks: normal (face colour, grey border, hover highlight) or
    // selected (window colour, white border). The caller enables or disables it.
    void setLook(Look look);
    Look look() const { return look_; }
    void setCaption(const std::string& caption);
    // The caption's colour while enabled (black unless set), for a button that warns.
    void setTextColour(COLORREF colour) { textColour_ = colour; }

    // Called for the parent's WM_DRAWITEM of this button.
    void draw(const DRAWITEMSTRUCT& item) const;

private:
    std::optional<LRESULT> onMessage(UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    bool hover_ = false;
    Look look_ = Look::Normal;
    std::optional<COLORREF> textColour_;
    Subclass subclass_;
};

// The owner-drawn buttons of a page, found by control id; each parent passes its
// WM_DRAWITEM to draw().
class SelButtons {
public:
    // The template button `id` of `parent`, drawn from now on; asking again gives the same.
    SelButton& attach(HWND parent, int id);
    SelButton* find(int id);
    // True when the item is one of these buttons, now drawn.
    bool draw(LPARAM drawItem) const;

private:
    std::map<int, SelButton> buttons_;
};

}  // namespace kefelo::ui
