#pragma once
// The item bars' own colours, used while high contrast is off, and the contrast of their texts. Every text must
// stand out from what it is drawn on by at least 4.5 to 1, as the system's accessibility guidance asks of body
// text; the header's gradient is kept dark enough at both ends for its white caption.
#include <cstdint>
#include <string>
#include <vector>

namespace zelta {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
};

struct BarPalette {
    Rgb headerLight{58, 112, 206};  // the gradient's left end
    Rgb headerDark{33, 82, 170};    // its right end
    Rgb headerText{255, 255, 255};
    Rgb body{214, 223, 247};
    Rgb itemText{33, 93, 198};
    Rgb pressedText{0, 0, 128};
    Rgb chosenBody{255, 255, 255};  // the chosen entry, which stays marked when the focus leaves
    Rgb chosenText{0, 0, 128};
};

// The contrast ratio of two colours, 1 to 21, from their relative luminance in the sRGB colour space.
double ContrastRatio(Rgb a, Rgb b);

struct TextOnBackground {
    std::string what;
    Rgb text;
    Rgb background;
};
// Every text colour of the bars with each colour it is drawn on.
std::vector<TextOnBackground> BarTexts(const BarPalette& palette);

}  // namespace zelta
