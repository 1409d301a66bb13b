#pragma once
// Every handler that the window runs goes through here: an error that ends it is shown in the general error
// report, and the program runs on. Nothing throws across a window procedure.
#include <windows.h>

#include <functional>

namespace zelta::win32 {

void ShowErrorReport(HWND owner, const char* errorText);

template <typename Fn>
void RunHandler(HWND owner, Fn&& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        ShowErrorReport(owner, error.what());
    }
}

}  // namespace zelta::win32
