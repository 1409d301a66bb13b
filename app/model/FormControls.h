#pragma once
// The main window's controls as one table (the rows are in FormControls.def): what each is, where it sits in the
// design, what it says and how it starts. The model's `Form1`, the window shell and the start-up benchmark all
// read it.
#include <cstddef>
#include <iterator>

#include "app/model/Control.h"
#include "app/model/ControlIds.h"

namespace zelta {

// How a control looks beyond what its kind says; the window shell turns kind and style into a window class and
// style bits.
enum class FormStyle {
    Plain,
    BannerTitle,   // the large bold line over the banner
    BannerName,    // the bold line over the banner
    BannerLine,    // a plain line over the banner
    EditLabel,     // the caption to the left of a labelled edit
    AddressLabel,  // the caption before an address field
    ReadOnly,      // an edit that only shows
    Multiline,     // a check box whose caption wraps
    Untabbed,      // a button Tab passes by
    Clipping,      // a panel that does not paint over its children
};

// States at creation that differ from an enabled, shown, unchecked control.
enum FormState : unsigned {
    kAsDesigned = 0,
    kHidden = 1u << 0,
    kDisabled = 1u << 1,
    kChecked = 1u << 2,
    kFolded = 1u << 3,       // an item bar that starts folded
    kNoItemHints = 1u << 4,  // an item bar whose items have no hints
};

// A place in the design: at 96 dots per inch, from the top left of the parent's client area.
struct DesignRect {
    int x;
    int y;
    int width;
    int height;
};

struct FormControlRow {
    const char* name;
    int id;
    ControlKind kind;
    int parent;  // the id of the window it sits in
    FormStyle style;
    DesignRect place;
    const char* caption;  // "&" marks the Alt+letter (see AccessKeys.h)
    const char* hint;
    unsigned state;  // FormState flags
};

#define ZELTA_FORM_ROW(name, id, kind, parent, style, x, y, width, height, caption, hint, state)                  \
    FormControlRow {                                                                                               \
        #name, id, ControlKind::kind, kId_##parent, FormStyle::style, {x, y, width, height}, caption, hint, state \
    }

inline constexpr FormControlRow kFormControls[] = {
#define ZELTA_CONTROL(...) ZELTA_FORM_ROW(__VA_ARGS__),
#define ZELTA_EDIT_LABEL(...) ZELTA_FORM_ROW(__VA_ARGS__),
#include "app/model/FormControls.def"
#undef ZELTA_CONTROL
#undef ZELTA_EDIT_LABEL
};
inline constexpr std::size_t kFormControlCount = std::size(kFormControls);

// The model type of a control of that kind.
template <ControlKind>
struct FormModelOf {
    using type = Control;
};
template <>
struct FormModelOf<ControlKind::ItemBar> {
    using type = ItemBar;
};
template <>
struct FormModelOf<ControlKind::StatusBar> {
    using type = StatusBar;
};

// The control's place in the keyboard's Tab order: the fields, check boxes and buttons a user works with. (An item
// bar is two places, its header and its entries.)
constexpr bool TakesTabStop(const FormControlRow& row) {
    switch (row.kind) {
        case ControlKind::LabelledEdit:
        case ControlKind::CheckBox:
        case ControlKind::IpAddress:
        case ControlKind::ItemBar:
            return true;
        case ControlKind::Button:
            return row.style != FormStyle::Untabbed;
        default:
            return false;
    }
}

}  // namespace zelta
