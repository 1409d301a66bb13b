#pragma once
// Keys as the keyboard delivers them: posted to the window that has the focus in the program's thread, where its
// message loop and its dialog navigation take them as they take typing.
#include <windows.h>

namespace e2e {

// The window with the keyboard focus in the thread of `window`, or nullptr; whether it is `control` or inside it.
HWND FocusedWindow(HWND window);
bool FocusIsOn(HWND focus, HWND control);
// A key pressed and released at the focused window, with the character it types; false when nothing had the focus.
bool PressKey(HWND window, WPARAM key);
// Alt and a letter, as the system reports them to the focused window.
bool PressAltLetter(HWND window, char letter);
// A key pressed and released straight at that window (an open menu, say), typing no character.
void PostKey(HWND window, WPARAM key);

}  // namespace e2e
