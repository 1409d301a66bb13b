#pragma once
// Points and rectangles on the screen, in pixels, for the placement rules of the windows.

namespace zelta {

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(const ScreenRect& r) const {
        return r.left >= left && r.top >= top && r.right <= right && r.bottom <= bottom;
    }
    bool operator==(const ScreenRect& r) const {
        return left == r.left && top == r.top && right == r.right && bottom == r.bottom;
    }
    bool operator!=(const ScreenRect& r) const { return !(*this == r); }
};

// Moves a rectangle as little as possible so that it lies wholly in the area (top-left wins when it cannot).
ScreenRect MoveIntoArea(const ScreenRect& rect, const ScreenRect& area);

}  // namespace zelta
