#include "app/win32/FormWindows_win32.h"

#include <commctrl.h>

#include <algorithm>
#include <cstddef>

#include "app/WindowPlacement.h"

namespace zelta::win32 {

FormWindow WindowFor(const FormControlRow& row) {
    switch (row.kind) {
        case ControlKind::Picture:
            return {"STATIC", SS_OWNERDRAW | WS_CLIPSIBLINGS, 0, FormFont::Regular};
        case ControlKind::Label:
            switch (row.style) {
                case FormStyle::BannerTitle:
                    return {"STATIC", SS_LEFT | SS_NOPREFIX | SS_ENDELLIPSIS, 0, FormFont::LargeBold};
                case FormStyle::BannerName:
                    return {"STATIC", SS_RIGHT | SS_NOPREFIX, 0, FormFont::Bold};
                case FormStyle::BannerLine:
                    return {"STATIC", SS_RIGHT | SS_NOPREFIX, 0, FormFont::Regular};
                case FormStyle::EditLabel:
                    return {"STATIC", SS_RIGHT, 0, FormFont::Regular};
                default:
                    return {"STATIC", SS_LEFT, 0, FormFont::Regular};
            }
        case ControlKind::StatusBar:
            return {STATUSCLASSNAMEA, 0, 0, FormFont::Regular};
        case ControlKind::Panel:
            return {kPanelClass, row.style == FormStyle::Clipping ? DWORD{WS_CLIPCHILDREN} : 0, WS_EX_CONTROLPARENT,
                    FormFont::None};
        case ControlKind::LabelledEdit:
            return {"EDIT", WS_TABSTOP | ES_AUTOHSCROLL | (row.style == FormStyle::ReadOnly ? DWORD{ES_READONLY} : 0),
                    WS_EX_CLIENTEDGE, FormFont::Regular};
        case ControlKind::Switch:
            return {"BUTTON", BS_AUTOCHECKBOX, 0, FormFont::Regular};
        case ControlKind::Button:
            return {"BUTTON", BS_PUSHBUTTON | (TakesTabStop(row) ? DWORD{WS_TABSTOP} : 0), 0, FormFont::Regular};
        case ControlKind::CheckBox:
            return {"BUTTON",
                    BS_AUTOCHECKBOX | WS_TABSTOP | (row.style == FormStyle::Multiline ? DWORD{BS_MULTILINE} : 0), 0,
                    FormFont::Regular};
        case ControlKind::GroupBox:
            return {"BUTTON", BS_GROUPBOX | WS_CLIPSIBLINGS, 0, FormFont::Regular};
        case ControlKind::IpAddress:
            return {WC_IPADDRESSA, WS_TABSTOP, 0, FormFont::Regular};
        default:
            return {nullptr, 0, 0, FormFont::None};
    }
}

namespace {
// An address field's left end: where it was designed, or further left if it is wider than designed.
int AddressFieldLeft(const DesignRect& place, int dpi, int width) {
    return std::min(ScaleToDpi(place.x, dpi), ScaleToDpi(place.x + place.width, dpi) - width);
}
}  // namespace

RECT PlaceInPixels(std::size_t index, int dpi, int addressFieldWidth) {
    const FormControlRow& row = kFormControls[index];
    const DesignRect& p = row.place;
    const auto s = [dpi](int value) { return ScaleToDpi(value, dpi); };
    if (row.kind == ControlKind::IpAddress) {
        const int left = AddressFieldLeft(p, dpi, addressFieldWidth);
        return RECT{left, s(p.y), left + addressFieldWidth, s(p.y) + s(p.height)};
    }
    if (row.style == FormStyle::AddressLabel && index + 1 < kFormControlCount) {
        const int fieldLeft = AddressFieldLeft(kFormControls[index + 1].place, dpi, addressFieldWidth);
        return RECT{s(p.x), s(p.y), std::min(s(p.x + p.width), fieldLeft - s(2)), s(p.y + p.height)};
    }
    if (row.kind == ControlKind::Panel) {
        // Side by side, the panels' scaled widths never add up to more than the client area.
        return RECT{s(p.x), s(p.y), s(p.x + p.width), s(p.y + p.height)};
    }
    return RECT{s(p.x), s(p.y), s(p.x) + s(p.width), s(p.y) + s(p.height)};
}

HFONT FormFonts::Of(FormFont font) const {
    switch (font) {
        case FormFont::Regular: return regular.get();
        case FormFont::Bold: return bold.get();
        case FormFont::LargeBold: return largeBold.get();
        default: return nullptr;
    }
}

FormFonts MakeFormFonts(int dpi) {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) {
        // Windows XP knows the structure without its last field, added with Vista, and refuses the longer one.
        metrics.cbSize = static_cast<UINT>(offsetof(NONCLIENTMETRICSA, iPaddedBorderWidth));
        SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
    }
    LOGFONTA base = metrics.lfMessageFont;
    FormFonts fonts;
    fonts.regular.reset(CreateFontIndirectA(&base));
    LOGFONTA bold = base;
    bold.lfWeight = FW_BOLD;
    fonts.bold.reset(CreateFontIndirectA(&bold));
    LOGFONTA large = bold;
    large.lfHeight = -MulDiv(12, dpi, 72);
    fonts.largeBold.reset(CreateFontIndirectA(&large));
    return fonts;
}

HWND CreateRowWindow(HINSTANCE instance, HWND parent, const FormControlRow& row, const RECT& at, const char* text,
                     bool visible, bool enabled, const FormFonts& fonts) {
    const FormWindow look = WindowFor(row);
    DWORD style = WS_CHILD | look.style;
    if (visible) style |= WS_VISIBLE;
    if (!enabled) style |= WS_DISABLED;
    HWND window = CreateWindowExA(look.exStyle, look.className, text, style, at.left, at.top, at.right - at.left,
                                  at.bottom - at.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)),
                                  instance, nullptr);
    if (HFONT font = fonts.Of(look.font)) SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return window;
}

}  // namespace zelta::win32
