// The third yardstick for the start-up benchmark: the main window with every control of the form's table, made from
// the same rows, classes, styles, fonts and places as Zelta.exe makes them, and nothing behind them (no settings, no
// adapters, no handlers, no tray icon, no banner picture). An item bar, which Zelta.exe draws itself, stands here as
// a frame with its header button. What Zelta.exe takes beyond this is its own work; this is the limit of the design.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstddef>
#include <map>

#include "app/WindowPlacement.h"
#include "app/model/FormControls.h"
#include "app/win32/AddressFieldWidth_win32.h"
#include "app/win32/FormWindows_win32.h"
#include "platform/ProductNames.h"

namespace {

using namespace zelta;
using namespace zelta::win32;

constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr char kBarClass[] = "TXPBar";

void CreateForm(HINSTANCE instance, HWND form, int dpi) {
    const auto s = [dpi](int value) { return ScaleToDpi(value, dpi); };
    const FormFonts fonts = MakeFormFonts(dpi);
    std::map<int, HWND> windows{{kId_Form1, form}};
    int addressFieldWidth = 0;
    int statusHeight = 0;
    int barTop = s(6);
    for (std::size_t index = 0; index < kFormControlCount; ++index) {
        const FormControlRow& row = kFormControls[index];
        HWND parent = windows[row.parent];
        const auto id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id));
        if (row.kind == ControlKind::ItemBar) {
            RECT panel{};
            GetClientRect(parent, &panel);
            HWND bar = CreateWindowExA(WS_EX_CONTROLPARENT, kBarClass, row.caption, WS_CHILD | WS_VISIBLE, s(6), barTop,
                                       panel.right - s(12), s(26), parent, id, instance, nullptr);
            HWND header = CreateWindowExA(0, "BUTTON", row.caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW,
                                          0, 0, panel.right - s(12), s(26), bar,
                                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(kItemBarHeaderId)), instance,
                                          nullptr);
            SendMessageA(header, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.bold.get()), FALSE);
            barTop += s(32);
            windows[row.id] = bar;
            continue;
        }
        if ((row.kind == ControlKind::IpAddress || row.style == FormStyle::AddressLabel) && addressFieldWidth == 0) {
            addressFieldWidth = AddressFieldWidth(instance, parent, fonts.regular.get(), s(130), s(21));
        }
        RECT at = PlaceInPixels(index, dpi, addressFieldWidth);
        if (row.kind == ControlKind::Panel) at.bottom -= statusHeight;
        HWND window = CreateRowWindow(instance, parent, row, at, row.caption, (row.state & kHidden) == 0,
                                      (row.state & kDisabled) == 0, fonts);
        if ((row.state & kChecked) != 0) SendMessageA(window, BM_SETCHECK, BST_CHECKED, 0);
        if (row.kind == ControlKind::StatusBar) {
            RECT status{};
            GetWindowRect(window, &status);
            statusHeight = status.bottom - status.top;
            int parts[2] = {s(182), -1};
            SendMessageA(window, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
        }
        windows[row.id] = window;
    }
    for (const FormControlRow& row : kFormControls) {
        if (row.kind != ControlKind::GroupBox) continue;
        SetWindowPos(windows[row.id], HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

LRESULT CALLBACK FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void Register(HINSTANCE instance, const char* name, WNDPROC proc) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = proc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = name;
    RegisterClassA(&windowClass);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_INTERNET_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    Register(instance, zelta::kMainWindowClass, FormProc);
    Register(instance, kPanelClass, DefWindowProcA);
    Register(instance, kBarClass, DefWindowProcA);
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? std::max(GetDeviceCaps(screen, LOGPIXELSY), 1) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    RECT frame{0, 0, ScaleToDpi(700, dpi), ScaleToDpi(513, dpi)};
    AdjustWindowRectEx(&frame, kFormStyle, FALSE, 0);
    HWND form = CreateWindowExA(WS_EX_CONTROLPARENT, zelta::kMainWindowClass, zelta::kProductTitle, kFormStyle, ScaleToDpi(478, dpi),
                                ScaleToDpi(114, dpi), frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                nullptr, instance, nullptr);
    if (!form) return 1;
    CreateForm(instance, form, dpi);
    ShowWindow(form, SW_SHOWNORMAL);
    UpdateWindow(form);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageA(form, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
