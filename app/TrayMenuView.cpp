#include "app/TrayMenuView.h"

namespace zelta {

std::string MenuItemText(const std::string& caption) {
    std::string text;
    text.reserve(caption.size());
    for (char c : caption) {
        text += c;
        if (c == '&') text += '&';
    }
    return text;
}

int MenuItemPicture(const TrayMenuEntry& entry) {
    if (entry.separator || !TrayMenu::HasPicture(entry)) return -1;
    return entry.picture;
}

std::vector<std::uint32_t> CutMenuPicture(const std::vector<std::uint32_t>& strip, int stripWidth, int index) {
    const int size = kMenuPictureSize;
    if (stripWidth <= 0 || index < 0 || (index + 1) * size > stripWidth) return {};
    if (strip.size() != static_cast<std::size_t>(stripWidth) * size) return {};
    std::vector<std::uint32_t> picture(static_cast<std::size_t>(size) * size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            std::uint32_t rgb = strip[static_cast<std::size_t>(y) * stripWidth + index * size + x] & 0xFFFFFFu;
            // Opaque pixels need no premultiplying; the background becomes all zero.
            picture[static_cast<std::size_t>(y) * size + x] = rgb == kMenuPictureKey ? 0u : (0xFF000000u | rgb);
        }
    }
    return picture;
}

}  // namespace zelta
