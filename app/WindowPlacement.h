#pragma once
// Where the main window opens: at its design position, scaled to the display's dots per inch, unless that would put
// part of it outside the work area of its monitor; then it moves just enough to fit. Pure arithmetic, so the rule is
// tested without a window.
#include "app/ScreenGeometry.h"

namespace zelta {

// A length designed at 96 dots per inch, at `dpi`; halves round away from zero, as the system's MulDiv does, so
// that every size and position of the window is scaled the same way.
int ScaleToDpi(int designPixels, int dpi);

// The top-left corner for a window of width x height whose design position is (designLeft, designTop) at 96 dots
// per inch. In each direction the window keeps the scaled design position when it fits there, is moved back until
// its far edge meets the work area's edge otherwise, and starts at the work area's near edge when it is larger
// than the work area, so that its caption and top-left corner are always reachable.
ScreenPoint OpeningPosition(int designLeft, int designTop, int dpi, int width, int height, const ScreenRect& workArea);

}  // namespace zelta
