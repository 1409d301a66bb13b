// How the tray menu's entries are shown: item texts, which picture each entry gets, and the pictures cut from the
// strip with its background made transparent.
#include <gtest/gtest.h>

#include "app/TrayMenuView.h"

namespace zelta {
namespace {

TEST(TrayMenuView, AmpersandsInCaptionsShowAsThemselves) {
    EXPECT_EQ(MenuItemText("Exit"), "Exit");
    EXPECT_EQ(MenuItemText("R&D lab"), "R&&D lab");
    EXPECT_EQ(MenuItemText("&&"), "&&&&");
    EXPECT_EQ(MenuItemText(""), "");
}

TEST(TrayMenuView, PicturesOfFixedEntriesAndOfProfilesUpToTen) {
    TrayMenu menu;
    for (int number = 1; number <= 20; ++number) {
        menu.AppendProfile("Profile " + std::to_string(number), number, TrayMenu::ProfilePicture(number));
    }
    const int fixedEntryPictures[] = {0, -1, 2, -1};  // Exit, separator, the web site, separator
    for (int at = 0; at < 4; ++at) EXPECT_EQ(MenuItemPicture(menu.At(at)), fixedEntryPictures[at]) << "entry " << at;
    EXPECT_EQ(MenuItemPicture(menu.At(TrayMenu::ProfilePosition(1))), 3);
    EXPECT_EQ(MenuItemPicture(menu.At(TrayMenu::ProfilePosition(10))), 12);
    for (int number = 11; number <= 20; ++number) {
        EXPECT_EQ(MenuItemPicture(menu.At(TrayMenu::ProfilePosition(number))), -1) << "profile " << number;
    }
}

// A strip of three pictures: picture i is filled with colour 0x10 * (i + 1) in every channel, except a background
// border of magenta one pixel wide.
std::vector<std::uint32_t> TestStrip(int count) {
    const int w = count * kMenuPictureSize;
    std::vector<std::uint32_t> strip(static_cast<std::size_t>(w) * kMenuPictureSize);
    for (int y = 0; y < kMenuPictureSize; ++y) {
        for (int x = 0; x < w; ++x) {
            int i = x / kMenuPictureSize;
            int px = x % kMenuPictureSize;
            bool border = px == 0 || px == kMenuPictureSize - 1 || y == 0 || y == kMenuPictureSize - 1;
            std::uint32_t c = 0x10u * static_cast<std::uint32_t>(i + 1);
            // The top byte is garbage in a 24-bit source and must not matter.
            strip[static_cast<std::size_t>(y) * w + x] = 0xAB000000u | (border ? kMenuPictureKey : c * 0x010101u);
        }
    }
    return strip;
}

TEST(TrayMenuView, CutPictureIsOpaqueInsideAndClearOnTheBackground) {
    const int count = 3;
    std::vector<std::uint32_t> strip = TestStrip(count);
    for (int i = 0; i < count; ++i) {
        SCOPED_TRACE(i);
        std::vector<std::uint32_t> p = CutMenuPicture(strip, count * kMenuPictureSize, i);
        ASSERT_EQ(p.size(), 256u);
        std::uint32_t c = 0x10u * static_cast<std::uint32_t>(i + 1) * 0x010101u;
        EXPECT_EQ(p[0], 0u);
        EXPECT_EQ(p[15], 0u);
        EXPECT_EQ(p[255], 0u);
        EXPECT_EQ(p[1 * 16 + 1], 0xFF000000u | c);
        EXPECT_EQ(p[14 * 16 + 14], 0xFF000000u | c);
    }
}

TEST(TrayMenuView, NoPictureOutsideTheStrip) {
    std::vector<std::uint32_t> strip = TestStrip(2);
    EXPECT_TRUE(CutMenuPicture(strip, 32, 2).empty());
    EXPECT_TRUE(CutMenuPicture(strip, 32, -1).empty());
    EXPECT_TRUE(CutMenuPicture(strip, 48, 0).empty());  // the pixels do not match the stated width
    EXPECT_TRUE(CutMenuPicture({}, 0, 0).empty());
}

}  // namespace
}  // namespace zelta
