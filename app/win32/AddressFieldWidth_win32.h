#pragma once
// How wide an IP-address field must be for "255" to show whole in each of its four parts.
#include <windows.h>

namespace zelta::win32 {

// The outer width, in pixels, of an address field on `parent` that shows "255" whole in every part with `font` at
// the session's scaling; never less than `designedWidth`. The field control lays its parts out when it is created
// and picks their font itself, so a hidden sample is made at the designed width and measured: the text in the
// parts' own font and margins, and what the control keeps around each part.
int AddressFieldWidth(HINSTANCE instance, HWND parent, HFONT font, int designedWidth, int height);

}  // namespace zelta::win32
