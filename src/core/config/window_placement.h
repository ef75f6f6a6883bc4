#pragma once
// Placement of the secondary windows: centred over the main window, kept on the desktop.

namespace kefelo::config {

struct ScreenPoint {
    int x = 0;
    int y = 0;
    bool operator==(const ScreenPoint&) const = default;
};

struct WindowBounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The desktop work area (right and bottom exclusive, as the system reports it).
struct WorkArea {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Top-left corner that centres a window of the given size over the owner; halves are
// truncated toward zero.
ScreenPoint centreOver(const WindowBounds& owner, int width, int height);

// Moves a window position back inside the work area: an edge past the right or bottom
// is brought onto it, and a position left of or above the area onto its left or top edge.
ScreenPoint clampToWorkArea(ScreenPoint position, int width, int height, const WorkArea& area);

}  // namespace kefelo::config
