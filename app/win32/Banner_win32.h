#pragma once
#include <windows.h>

#include "app/win32/Win32Handles.h"

namespace zelta::win32 {

// Decodes the banner JPEG from the program's resources with the system's imaging component into a top-down
// 32-bit DIB section. An empty bitmap when anything fails: the window then shows a plain banner.
UniqueBitmap LoadBannerBitmap(HINSTANCE instance, int resourceId);

}  // namespace zelta::win32
