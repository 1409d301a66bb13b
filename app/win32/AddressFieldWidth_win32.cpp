#include "app/win32/AddressFieldWidth_win32.h"

#include <commctrl.h>

#include <algorithm>

#include "app/win32/Win32Handles.h"

namespace zelta::win32 {

namespace {

constexpr char kWidestPart[] = "255";
constexpr int kCaretRoom = 1;  // the caret after the last digit

struct WindowDeleter {
    void operator()(HWND window) const { DestroyWindow(window); }
};
using UniqueWindow = UniqueHandle<HWND, WindowDeleter>;

int TextWidth(HFONT font) {
    UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    if (!dc) return 0;
    ScopedSelection selection(dc.get(), font);
    SIZE size{};
    GetTextExtentPoint32A(dc.get(), kWidestPart, static_cast<int>(sizeof(kWidestPart) - 1), &size);
    return size.cx;
}

}  // namespace

int AddressFieldWidth(HINSTANCE instance, HWND parent, HFONT font, int designedWidth, int height) {
    const UniqueWindow sample(CreateWindowExA(0, WC_IPADDRESSA, "", WS_CHILD, 0, 0, designedWidth, height, parent,
                                              nullptr, instance, nullptr));
    if (!sample) return designedWidth;
    SendMessageA(sample.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    HWND part = FindWindowExA(sample.get(), nullptr, "EDIT", nullptr);
    if (!part) return designedWidth;
    auto partFont = reinterpret_cast<HFONT>(SendMessageA(part, WM_GETFONT, 0, 0));
    const int text = TextWidth(partFont ? partFont : static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
    const auto margins = static_cast<DWORD>(SendMessageA(part, EM_GETMARGINS, 0, 0));
    RECT partRect{};
    RECT client{};
    RECT outer{};
    GetClientRect(part, &partRect);
    GetClientRect(sample.get(), &client);
    GetWindowRect(sample.get(), &outer);
    // Each quarter of the field holds one part and what surrounds it: the dot, the control's own spacing.
    const int aroundPart = client.right / 4 - partRect.right;
    const int partNeeded = text + LOWORD(margins) + HIWORD(margins) + kCaretRoom;
    const int frame = (outer.right - outer.left) - client.right;
    return std::max(designedWidth, 4 * (partNeeded + aroundPart) + frame);
}

}  // namespace zelta::win32
