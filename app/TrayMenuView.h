#pragma once
// How the tray menu's entries look on screen: the item texts and the pictures cut from the menu's picture strip.
#include <cstdint>
#include <string>
#include <vector>

#include "app/model/TrayMenu.h"

namespace zelta {

// The item text for a caption: a menu takes "&" as the mark of a shortcut letter, so a profile named "R&D" is
// shown with its "&" doubled.
std::string MenuItemText(const std::string& caption);

// The picture shown beside an entry: its index in the strip, or -1 when it has none (separators, and profiles whose
// picture lies past the strip).
int MenuItemPicture(const TrayMenuEntry& entry);

constexpr int kMenuPictureSize = 16;
// The strip's background colour, which shows through.
constexpr std::uint32_t kMenuPictureKey = 0xFF00FF;

// Cuts picture `index` out of a strip of 16 x 16 pictures side by side. The strip comes as rows top down of
// 0x??RRGGBB pixels (the top byte is ignored); the picture goes out as 16 x 16 rows top down of premultiplied
// 0xAARRGGBB, fully transparent where the strip shows its background colour and opaque elsewhere. Empty when the
// picture lies past the strip or the strip is not stripWidth x 16.
std::vector<std::uint32_t> CutMenuPicture(const std::vector<std::uint32_t>& strip, int stripWidth, int index);

}  // namespace zelta
