#pragma once
// The windows behind the rows of the form's table: for each kind and style, the window class, its style bits and
// font, and the row's place in pixels at a scaling. The main window and the start-up benchmark create the same
// windows from these.
#include <windows.h>

#include <cstddef>

#include "app/model/FormControls.h"
#include "app/win32/Win32Handles.h"

namespace zelta::win32 {

// The class of the panels that hold the controls (registered by whoever creates them).
inline constexpr char kPanelClass[] = "TPanel";

enum class FormFont { None, Regular, Bold, LargeBold };

struct FormWindow {
    const char* className;  // nullptr: the row's window is made by its own code (an item bar)
    DWORD style;            // besides WS_CHILD, WS_VISIBLE and WS_DISABLED, which follow the control's state
    DWORD exStyle;
    FormFont font;
};

FormWindow WindowFor(const FormControlRow& row);

// The form's three fonts, made from the system's message font; the large one is 12 points at `dpi`.
struct FormFonts {
    UniqueFont regular;
    UniqueFont bold;
    UniqueFont largeBold;
    HFONT Of(FormFont font) const;  // nullptr for FormFont::None
};
FormFonts MakeFormFonts(int dpi);

// The window of a row, placed at `at` in `parent`, with its class, style and font; shown and enabled as asked.
HWND CreateRowWindow(HINSTANCE instance, HWND parent, const FormControlRow& row, const RECT& at, const char* text,
                     bool visible, bool enabled, const FormFonts& fonts);

// The place of kFormControls[index] in its parent, in pixels at `dpi`. An address field is `addressFieldWidth`
// pixels wide (enough for 255 in every part) and keeps within the right end of its row's place; it is made at that
// size, since it lays its parts out only when it is created. Its label, the row before it, ends short of it. A
// panel's bottom is the design's; the status bar takes its height off it.
RECT PlaceInPixels(std::size_t index, int dpi, int addressFieldWidth);

}  // namespace zelta::win32
