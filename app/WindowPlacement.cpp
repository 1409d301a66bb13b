#include "app/WindowPlacement.h"

#include <algorithm>

namespace zelta {

namespace {
int FitInto(int wanted, int length, int low, int high) { return std::max(low, std::min(wanted, high - length)); }
}  // namespace

int ScaleToDpi(int designPixels, int dpi) {
    const long long product = static_cast<long long>(designPixels) * dpi;
    const long long half = 48;
    return static_cast<int>(product >= 0 ? (product + half) / 96 : (product - half) / 96);
}

ScreenPoint OpeningPosition(int designLeft, int designTop, int dpi, int width, int height, const ScreenRect& workArea) {
    ScreenPoint position;
    position.x = FitInto(ScaleToDpi(designLeft, dpi), width, workArea.left, workArea.right);
    position.y = FitInto(ScaleToDpi(designTop, dpi), height, workArea.top, workArea.bottom);
    return position;
}

}  // namespace zelta
