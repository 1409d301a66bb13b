#include "app/win32/Hints_win32.h"

#include <commctrl.h>

namespace zelta::win32 {

namespace {
// A tool is known by its window and that window's parent, which the tooltip watches for the mouse.
TOOLINFOA ToolFor(HWND window, const std::string* text) {
    TOOLINFOA info{};
    info.cbSize = sizeof(info);
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = GetParent(window);
    info.uId = reinterpret_cast<UINT_PTR>(window);
    info.lpszText = text ? const_cast<char*>(text->c_str()) : nullptr;
    return info;
}
}  // namespace

void AddHint(HWND tooltip, HWND window, const std::string& text) {
    TOOLINFOA info = ToolFor(window, &text);
    SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

void UpdateHint(HWND tooltip, HWND window, const std::string& text) {
    TOOLINFOA info = ToolFor(window, &text);
    SendMessageA(tooltip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
}

void RemoveHint(HWND tooltip, HWND window) {
    TOOLINFOA info = ToolFor(window, nullptr);
    SendMessageA(tooltip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

}  // namespace zelta::win32
