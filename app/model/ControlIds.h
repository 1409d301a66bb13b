#pragma once
// The identifiers of the main window's windows and messages, shared by the window shell and the end-to-end driver:
// the controls' ids come from their rows in FormControls.def; the rest are the ids inside an item bar and the tray
// icon's.

namespace zelta {

enum ControlId : int {
    kId_Form1 = 1000,  // the main window itself: its caption is the form's first control
#define ZELTA_CONTROL(name, id, ...) kId_##name = id,
#define ZELTA_EDIT_LABEL(name, id, ...) kId_##name = id,
#include "app/model/FormControls.def"
#undef ZELTA_CONTROL
#undef ZELTA_EDIT_LABEL
};

// Inside an item bar: its header, and its items numbered from the first.
constexpr int kItemBarHeaderId = 1999;
constexpr int kItemBarFirstItemId = 2000;

// The tray icon's id and the message the shell sends its owner about it (WM_USER + 1; this header stays free of
// <windows.h>).
constexpr unsigned kTrayIconId = 1;
constexpr unsigned kTrayCallback = 0x0400 + 1;

}  // namespace zelta
