#include "tests/e2e/driver/Keyboard.h"

namespace e2e {

namespace {
LPARAM KeyData(WPARAM key, bool up, bool alt) {
    const UINT scan = MapVirtualKeyA(static_cast<UINT>(key), MAPVK_VK_TO_VSC);
    LPARAM data = 1 | static_cast<LPARAM>(scan) << 16;
    if (alt) data |= static_cast<LPARAM>(1) << 29;
    if (up) data |= static_cast<LPARAM>(0xC0000000u);
    return data;
}

char CharacterOf(WPARAM key) {
    switch (key) {
        case VK_TAB:
            return '\t';
        case VK_SPACE:
            return ' ';
        case VK_RETURN:
            return '\r';
        default:
            return 0;
    }
}
}  // namespace

HWND FocusedWindow(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    if (!thread || !GetGUIThreadInfo(thread, &info)) return nullptr;
    return info.hwndFocus;
}

bool FocusIsOn(HWND focus, HWND control) { return focus && control && (focus == control || IsChild(control, focus)); }

bool PressKey(HWND window, WPARAM key) {
    HWND focus = FocusedWindow(window);
    if (!focus) return false;
    PostMessageA(focus, WM_KEYDOWN, key, KeyData(key, false, false));
    if (const char typed = CharacterOf(key)) {
        PostMessageA(focus, WM_CHAR, static_cast<WPARAM>(typed), KeyData(key, false, false));
    }
    PostMessageA(focus, WM_KEYUP, key, KeyData(key, true, false));
    return true;
}

bool PressAltLetter(HWND window, char letter) {
    HWND focus = FocusedWindow(window);
    if (!focus) return false;
    const WPARAM key = static_cast<WPARAM>(VkKeyScanA(letter) & 0xFF);
    PostMessageA(focus, WM_SYSCHAR, static_cast<WPARAM>(static_cast<unsigned char>(letter)), KeyData(key, false, true));
    return true;
}

}  // namespace e2e
