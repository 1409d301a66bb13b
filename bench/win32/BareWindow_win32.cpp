// The yardstick for the start-up benchmark: a window of the main window's class, style and size with nothing in
// it, shown as soon as it exists, then a message loop. Built twice: bare, and with Zelta.exe's manifest and common
// controls set-up (ZELTA_BARE_COMMON_CONTROLS), which shows what the themed controls' library costs by itself.
#include <windows.h>
#ifdef ZELTA_BARE_COMMON_CONTROLS
#include <commctrl.h>
#endif

#include "platform/ProductNames.h"

namespace {

LRESULT CALLBACK BareProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
#ifdef ZELTA_BARE_COMMON_CONTROLS
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_INTERNET_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
#endif
    WNDCLASSA form{};
    form.lpfnWndProc = BareProc;
    form.hInstance = instance;
    form.hCursor = LoadCursor(nullptr, IDC_ARROW);
    form.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    form.lpszClassName = zelta::kMainWindowClass;
    RegisterClassA(&form);
    constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    RECT frame{0, 0, 700, 513};
    AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
    HWND window = CreateWindowExA(0, zelta::kMainWindowClass, zelta::kProductTitle, kStyle, 478, 114, frame.right - frame.left,
                                  frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
