#include "app/BarPalette.h"

#include <algorithm>
#include <cmath>

namespace zelta {

namespace {
double Linear(std::uint8_t channel) {
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double Luminance(Rgb colour) {
    return 0.2126 * Linear(colour.r) + 0.7152 * Linear(colour.g) + 0.0722 * Linear(colour.b);
}
}  // namespace

double ContrastRatio(Rgb a, Rgb b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::vector<TextOnBackground> BarTexts(const BarPalette& palette) {
    return {
        {"header caption on the gradient's light end", palette.headerText, palette.headerLight},
        {"header caption on the gradient's dark end", palette.headerText, palette.headerDark},
        {"entry", palette.itemText, palette.body},
        {"pressed entry", palette.pressedText, palette.body},
        {"chosen entry", palette.chosenText, palette.chosenBody},
    };
}

}  // namespace zelta
