#include "app/WindowPlacement.h"

namespace zelta {

int ScaleToDpi(int designPixels, int dpi) {
    const long long product = static_cast<long long>(designPixels) * dpi;
    const long long half = 48;
    return static_cast<int>(product >= 0 ? (product + half) / 96 : (product - half) / 96);
}

ScreenPoint OpeningPosition(int designLeft, int designTop, int dpi, int width, int height, const ScreenRect& workArea) {
    const int left = ScaleToDpi(designLeft, dpi);
    const int top = ScaleToDpi(designTop, dpi);
    const ScreenRect placed = MoveIntoArea({left, top, left + width, top + height}, workArea);
    return {placed.left, placed.top};
}

}  // namespace zelta
