#pragma once
// Hands the verdict to the main window that the program named when it started the companion.
#include <windows.h>

#include <string>

namespace zelta::companion {

// Only to that window, and only when it belongs to a process whose image lies in the companion's folder: a window
// handle is a number that another program may have by then. False when it is gone (the program was closed
// meanwhile), belongs to another program, or did not take the verdict.
bool DeliverVerdict(HWND window, const std::string& companionFolder, const std::string& encodedVerdict);

}  // namespace zelta::companion
