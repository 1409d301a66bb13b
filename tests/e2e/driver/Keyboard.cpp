#include "tests/e2e/driver/Keyboard.h"

namespace e2e {

static LPARAM KeyData(WPARAM key, LPARAM flags) {
    return 1 | static_cast<LPARAM>(MapVirtualKeyA(static_cast<UINT>(key), MAPVK_VK_TO_VSC)) << 16 | flags;
}

HWND FocusedWindow(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    return thread && GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

bool FocusIsOn(HWND focus, HWND control) { return focus && control && (focus == control || IsChild(control, focus)); }

bool PressKey(HWND window, WPARAM key) {
    HWND focus = FocusedWindow(window);
    if (!focus) return false;
    PostMessageA(focus, WM_KEYDOWN, key, KeyData(key, 0));
    const char typed = key == VK_TAB ? '\t' : key == VK_SPACE ? ' ' : key == VK_RETURN ? '\r' : 0;
    if (typed) PostMessageA(focus, WM_CHAR, static_cast<WPARAM>(typed), KeyData(key, 0));
    PostMessageA(focus, WM_KEYUP, key, KeyData(key, static_cast<LPARAM>(0xC0000000u)));
    return true;
}

bool PressAltLetter(HWND window, char letter) {
    HWND focus = FocusedWindow(window);
    const auto key = static_cast<WPARAM>(VkKeyScanA(letter) & 0xFF);
    return focus && PostMessageA(focus, WM_SYSCHAR, static_cast<WPARAM>(static_cast<unsigned char>(letter)),
                                 KeyData(key, static_cast<LPARAM>(1) << 29));
}

void PostKey(HWND window, WPARAM key) {
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
}

}  // namespace e2e
