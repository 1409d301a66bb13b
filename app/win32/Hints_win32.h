#pragma once
// Hints shown as tooltips: one tooltip window serves many child windows, each registered by its handle.
#include <windows.h>

#include <string>

namespace zelta::win32 {

void AddHint(HWND tooltip, HWND window, const std::string& text);
void UpdateHint(HWND tooltip, HWND window, const std::string& text);
void RemoveHint(HWND tooltip, HWND window);

}  // namespace zelta::win32
