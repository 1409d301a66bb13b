#pragma once
// Resource identifiers of Zelta.exe, shared by the resource script and the window code.
#define IDI_ZELTA 1          // the program icon (16, 32 and 48 px)
#define IDR_BANNER 101       // RCDATA: the banner JPEG, 700 x 117
#define IDB_IL_ZELTA 102     // BITMAP: the tray menu's 13 pictures of 16 x 16, side by side (208 x 16)
