// The committed pictures have the shapes the window code relies on: the banner's size, the icon's sizes, and a
// 24-bit strip of 13 distinct pictures on the transparent colour.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

std::string AssetPath(const std::string& name) {
    std::string here = __FILE__;  // .../tests/app/assets_test.cpp
    std::string root = here.substr(0, here.rfind("tests"));
    return root + "assets/" + name;
}

std::vector<unsigned char> ReadAsset(const std::string& name) {
    std::ifstream in(AssetPath(name), std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint32_t Le(const std::vector<unsigned char>& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b.at(at + static_cast<std::size_t>(i));
    return v;
}

TEST(Assets, MenuPictureStripIs13PicturesOn24BitsWithTheirBackgroundShowing) {
    std::vector<unsigned char> bmp = ReadAsset("il_zelta.bmp");
    ASSERT_GT(bmp.size(), 54u);
    ASSERT_EQ(bmp[0], 'B');
    ASSERT_EQ(bmp[1], 'M');
    ASSERT_EQ(Le(bmp, 14, 4), 40u);  // a plain info header, as every Windows version reads
    const int width = static_cast<int>(Le(bmp, 18, 4));
    const int height = static_cast<int>(Le(bmp, 22, 4));
    ASSERT_EQ(width, 13 * 16);
    ASSERT_EQ(height, 16);  // bottom-up
    ASSERT_EQ(Le(bmp, 28, 2), 24u);
    ASSERT_EQ(Le(bmp, 30, 4), 0u);  // uncompressed
    const std::size_t offset = Le(bmp, 10, 4);
    const std::size_t stride = static_cast<std::size_t>(width) * 3;  // 624, already a multiple of 4
    ASSERT_EQ(bmp.size(), offset + stride * 16);

    std::set<std::vector<unsigned char>> distinct;
    for (int picture = 0; picture < 13; ++picture) {
        SCOPED_TRACE(picture);
        std::vector<unsigned char> pixels;
        int background = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = picture * 16; x < picture * 16 + 16; ++x) {
                std::size_t at = offset + static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x) * 3;
                unsigned char b = bmp[at], g = bmp[at + 1], r = bmp[at + 2];
                if (r == 255 && g == 0 && b == 255) ++background;
                pixels.insert(pixels.end(), {b, g, r});
            }
        }
        EXPECT_GT(background, 0) << "no transparent pixel";
        EXPECT_LT(background, 200) << "hardly anything drawn";
        distinct.insert(pixels);
    }
    EXPECT_EQ(distinct.size(), 13u);
}

TEST(Assets, BannerIsAJpegOf700By117) {
    std::vector<unsigned char> jpg = ReadAsset("banner.jpg");
    ASSERT_GT(jpg.size(), 4u);
    ASSERT_EQ(jpg[0], 0xFF);
    ASSERT_EQ(jpg[1], 0xD8);
    // Walk the segments to the frame header, which holds height and width (big-endian).
    std::size_t at = 2;
    bool found = false;
    while (at + 9 < jpg.size() && jpg[at] == 0xFF) {
        unsigned char marker = jpg[at + 1];
        std::size_t length = (static_cast<std::size_t>(jpg[at + 2]) << 8) | jpg[at + 3];
        if (marker >= 0xC0 && marker <= 0xC3) {
            EXPECT_EQ((jpg[at + 5] << 8) | jpg[at + 6], 117);
            EXPECT_EQ((jpg[at + 7] << 8) | jpg[at + 8], 700);
            found = true;
            break;
        }
        at += 2 + length;
    }
    EXPECT_TRUE(found);
}

TEST(Assets, IconHoldsThe16_32And48PixelPictures) {
    std::vector<unsigned char> ico = ReadAsset("Zelta.ico");
    ASSERT_GT(ico.size(), 6u);
    ASSERT_EQ(Le(ico, 0, 2), 0u);
    ASSERT_EQ(Le(ico, 2, 2), 1u);  // an icon, not a cursor
    const std::uint32_t count = Le(ico, 4, 2);
    std::set<int> sizes;
    for (std::uint32_t i = 0; i < count; ++i) {
        std::size_t entry = 6 + 16 * i;
        int w = ico.at(entry) == 0 ? 256 : ico.at(entry);
        int h = ico.at(entry + 1) == 0 ? 256 : ico.at(entry + 1);
        EXPECT_EQ(w, h);
        sizes.insert(w);
        // Each picture's data lies inside the file.
        EXPECT_LE(static_cast<std::size_t>(Le(ico, entry + 12, 4)) + Le(ico, entry + 8, 4), ico.size());
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 32, 48}));
}

}  // namespace
