#pragma once
// The tray icon's popup menu, built from the menu model each time it opens.
#include <windows.h>

#include "app/model/TrayMenu.h"

namespace zelta::win32 {

// Shows the menu at that place on the screen (the icon's, or the cursor's) and waits for the choice. imageList is the
// strip of 13 pictures of 16 x 16 (may be null: no pictures). Returns the chosen entry's position in the model, or -1 when the menu was dismissed.
int PopupTrayMenu(HWND owner, const zelta::TrayMenu& model, HBITMAP imageList, POINT at);

}  // namespace zelta::win32
