#include "app/ScreenGeometry.h"

namespace zelta {

ScreenRect MoveIntoArea(const ScreenRect& rect, const ScreenRect& area) {
    int dx = 0;
    int dy = 0;
    if (rect.right > area.right) dx = area.right - rect.right;
    if (rect.left + dx < area.left) dx = area.left - rect.left;
    if (rect.bottom > area.bottom) dy = area.bottom - rect.bottom;
    if (rect.top + dy < area.top) dy = area.top - rect.top;
    return {rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}

}  // namespace zelta
