#pragma once
#include <windows.h>

#include "app/win32/Win32Handles.h"

namespace zelta::win32 {

// Decodes the banner JPEG from the program's resources with the system's imaging component and scales it, once and
// smoothly, to width x height: a top-down 32-bit DIB section that is painted pixel for pixel, by the banner and by
// the labels on it alike. An empty bitmap when anything fails: the window then shows a plain banner.
UniqueBitmap LoadBannerBitmap(HINSTANCE instance, int resourceId, int width, int height);

}  // namespace zelta::win32
