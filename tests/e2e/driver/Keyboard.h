#pragma once
// Keys as the keyboard delivers them: posted to the window that has the focus in the program's thread, where its
// message loop and its dialog navigation take them as they take typing.
#include <windows.h>

namespace e2e {

// The window that has the keyboard focus in the thread that owns `window`, or nullptr.
HWND FocusedWindow(HWND window);
// Whether the focus is on `control` or inside it (an address field's parts).
bool FocusIsOn(HWND focus, HWND control);
// A key pressed and released at the focused window, with the character it types (Tab, Space, Enter); false when
// nothing had the focus.
bool PressKey(HWND window, WPARAM key);
// Alt and a letter, as the system reports it to the focused window; false when nothing had the focus.
bool PressAltLetter(HWND window, char letter);

}  // namespace e2e
