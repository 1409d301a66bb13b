#pragma once
// The names the two programs share and other programs find them by: the product's title, which every window,
// notice, message box and the Run value carry (the version resources take the same one from version.h), the
// companion's file name and the batch file the window writes for it, and the main window's class.
#include "assets/version.h"

namespace zelta {

inline constexpr char kProductTitle[] = ZELTA_PRODUCT_NAME;
inline constexpr char kCompanionFileName[] = ZELTA_COMPANION_EXE_NAME;
inline constexpr char kBatchFileName[] = "execute.bat";
inline constexpr char kMainWindowClass[] = "TForm1";

}  // namespace zelta
