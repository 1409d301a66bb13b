#include "app/win32/TrayMenu_win32.h"

#include <cstring>
#include <string>
#include <vector>

#include "app/TrayMenuView.h"
#include "app/win32/Win32Handles.h"

namespace zelta::win32 {
namespace {

struct MenuDeleter {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using UniqueMenu = UniqueHandle<HMENU, MenuDeleter>;

struct ScreenDcReleaser {
    HDC dc;
    ~ScreenDcReleaser() {
        if (dc) ReleaseDC(nullptr, dc);
    }
};

// The strip's pixels as 0x??RRGGBB, rows top down; empty when the bitmap cannot be read or is not 16 high.
std::vector<std::uint32_t> ReadStrip(HBITMAP strip, int& width) {
    width = 0;
    BITMAP info{};
    if (!strip || GetObject(strip, sizeof(info), &info) == 0 || info.bmHeight != kMenuPictureSize) return {};
    width = info.bmWidth;
    BITMAPINFO request{};
    request.bmiHeader.biSize = sizeof(request.bmiHeader);
    request.bmiHeader.biWidth = width;
    request.bmiHeader.biHeight = -kMenuPictureSize;  // top down
    request.bmiHeader.biPlanes = 1;
    request.bmiHeader.biBitCount = 32;
    request.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * kMenuPictureSize);
    ScreenDcReleaser screen{GetDC(nullptr)};
    if (!screen.dc ||
        GetDIBits(screen.dc, strip, 0, kMenuPictureSize, pixels.data(), &request, DIB_RGB_COLORS) != kMenuPictureSize) {
        return {};
    }
    return pixels;
}

// A 16 x 16 top-down 32-bit DIB section with premultiplied alpha, which menus from Vista on draw with its
// transparency.
UniqueBitmap MakePictureBitmap(const std::vector<std::uint32_t>& picture) {
    if (picture.empty()) return UniqueBitmap();
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = kMenuPictureSize;
    info.bmiHeader.biHeight = -kMenuPictureSize;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) return UniqueBitmap();
    std::memcpy(bits, picture.data(), picture.size() * sizeof(picture[0]));
    return bitmap;
}

}  // namespace

int PopupTrayMenu(HWND owner, const zelta::TrayMenu& model, HBITMAP imageList, POINT at) {
    // Declared before the menu, so the menu goes first and the pictures it shows after it.
    std::vector<UniqueBitmap> pictures;
    UniqueMenu menu(CreatePopupMenu());
    if (!menu) return -1;

    MENUINFO style{};
    style.cbSize = sizeof(style);
    style.fMask = MIM_STYLE;
    style.dwStyle = MNS_CHECKORBMP;  // one picture column, shared with check marks
    SetMenuInfo(menu.get(), &style);

    int stripWidth = 0;
    const std::vector<std::uint32_t> strip = ReadStrip(imageList, stripWidth);
    for (int position = 0; position < model.ShownCount(); ++position) {
        const TrayMenuEntry& entry = model.Shown(position);
        MENUITEMINFOA item{};
        item.cbSize = sizeof(item);
        // Command IDs start at 1: TrackPopupMenu reports a dismissed menu as 0.
        item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE;
        item.wID = static_cast<UINT>(position + 1);
        std::string text;
        // With no profile between them, the two separators around the profile entries show as one.
        if (entry.separator && position > 0 && model.Shown(position - 1).separator) continue;
        if (entry.separator) {
            item.fType = MFT_SEPARATOR;
        } else {
            item.fType = MFT_STRING;
            item.fMask |= MIIM_STRING;
            text = MenuItemText(entry.caption);
            item.dwTypeData = text.data();
            item.fState = (entry.enabled ? MFS_ENABLED : MFS_DISABLED) | (entry.checked ? MFS_CHECKED : 0u);
            const int picture = MenuItemPicture(entry);
            if (picture >= 0) {
                UniqueBitmap bitmap = MakePictureBitmap(CutMenuPicture(strip, stripWidth, picture));
                if (bitmap) {
                    item.fMask |= MIIM_BITMAP;
                    item.hbmpItem = bitmap.get();
                    pictures.push_back(std::move(bitmap));
                }
            }
        }
        InsertMenuItemA(menu.get(), static_cast<UINT>(position), TRUE, &item);
    }

    UINT flags = TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY;
    flags |= GetSystemMetrics(SM_MENUDROPALIGNMENT) != 0 ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
    // Without the foreground the menu would not close when the user clicks elsewhere.
    SetForegroundWindow(owner);
    const UINT chosen = static_cast<UINT>(TrackPopupMenu(menu.get(), flags, at.x, at.y, 0, owner, nullptr));
    // Lets the menu's closing finish before the choice is acted on.
    PostMessageA(owner, WM_NULL, 0, 0);
    return chosen == 0 ? -1 : static_cast<int>(chosen) - 1;
}

}  // namespace zelta::win32
