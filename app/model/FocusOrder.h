#pragma once
// Where the keyboard focus goes in the main window: the Tab order, the place that takes the focus when the window
// opens or is activated again, and the one that takes it over from a control about to be disabled. The Tab order
// follows the layout as it is read: the three bars of the left panel top to bottom, then the editor row by row
// (name and number, adapter, the address and DNS groups side by side, the proxy group), then Save, Delete and Apply
// Profile, which act on what was filled in, and last the tool buttons.
#include <vector>

#include "app/model/Form1.h"

namespace zelta {

// A place in the Tab order. An item bar gives two: its header, and its entries, which take one Tab stop between
// them (the arrow keys move among them).
struct FocusStop {
    int id = 0;  // the control's id; 0 for no place at all
    bool barEntries = false;
    bool operator==(const FocusStop& other) const { return id == other.id && barEntries == other.barEntries; }
    bool operator!=(const FocusStop& other) const { return !(*this == other); }
};

// Every place in Tab order, whether it can take the focus now or not.
const std::vector<FocusStop>& TabOrder();
// Enabled and shown; a bar's entries only while the bar is unfolded and has some.
bool CanTakeFocus(const Form1& form, const FocusStop& stop);
// When the window opens: the first entry of "Network Interfaces", or without one the first place that can take it.
FocusStop StartFocus(const Form1& form);
// The first place after `from` in Tab order, round to the start, that can take the focus: where the focus goes
// before `from` is disabled. No place ({}) when none can.
FocusStop NextFocus(const Form1& form, const FocusStop& from);
// When the window is activated again: where the focus was, as a dialog does, or if that place cannot take it now
// the next one after it; the start focus when there was none.
FocusStop RestoredFocus(const Form1& form, const FocusStop& saved);

}  // namespace zelta
