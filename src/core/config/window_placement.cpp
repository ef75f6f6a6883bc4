#include "core/config/window_placement.h"

namespace kefelo::config {

ScreenPoint centreOver(const WindowBounds& owner, int width, int height) {
    return {owner.left + owner.width / 2 - width / 2, owner.top + owner.height / 2 - height / 2};
}

ScreenPoint clampToWorkArea(ScreenPoint position, int width, int height, const WorkArea& area) {
    // Right and bottom first: a window larger than the work area then keeps its title bar
    // and top-left corner on the desktop, where the user can still reach them.
    if (position.x + width > area.right) position.x = area.right - width;
    if (position.y + height > area.bottom) position.y = area.bottom - height;
    if (position.x < area.left) position.x = area.left;
    if (position.y < area.top) position.y = area.top;
    return position;
}

}  // namespace kefelo::config
