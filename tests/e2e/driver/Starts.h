#pragma once
// What starts from a command line leave: hidden windows and refusals.
#include <windows.h>

#include <string>

namespace e2e {

// A top-level window of that process and class, shown or not; nullptr when there is none.
HWND ProcessWindow(DWORD processId, const char* className);
// Starts a program with a command line of any characters (the wide one), waits for its "Vok Tarvex" message box,
// closes it and waits for the end: the box's message, and the exit code (-1 when it did not end).
std::string RefusedWideStart(const std::wstring& commandLine, int& exitCode);

}  // namespace e2e
