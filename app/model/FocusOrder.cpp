#include "app/model/FocusOrder.h"

#include <algorithm>

namespace zelta {

const std::vector<FocusStop>& TabOrder() {
    // The form's table is in layout order, so its rows that take Tab stops are the order.
    static const std::vector<FocusStop> order = [] {
        std::vector<FocusStop> stops;
        for (const FormControlRow& row : kFormControls) {
            if (!TakesTabStop(row)) continue;
            stops.push_back({row.id, false});
            if (row.kind == ControlKind::ItemBar) stops.push_back({row.id, true});
        }
        return stops;
    }();
    return order;
}

bool CanTakeFocus(const Form1& form, const FocusStop& stop) {
    const Control* control = form.Find(stop.id);
    if (!control || !control->Enabled() || !control->Visible()) return false;
    if (!stop.barEntries) return true;
    if (control->Kind() != ControlKind::ItemBar) return false;
    const auto& bar = static_cast<const ItemBar&>(*control);
    return bar.Expanded() && bar.Count() > 0;
}

FocusStop StartFocus(const Form1& form) {
    const FocusStop firstAdapter{kId_XPBar_NICs, true};
    if (CanTakeFocus(form, firstAdapter)) return firstAdapter;
    for (const FocusStop& stop : TabOrder()) {
        if (CanTakeFocus(form, stop)) return stop;
    }
    return {};
}

FocusStop NextFocus(const Form1& form, const FocusStop& from) {
    const auto& order = TabOrder();
    const auto at = std::find(order.begin(), order.end(), from);
    if (at == order.end()) return StartFocus(form);
    const auto start = static_cast<std::size_t>(at - order.begin());
    for (std::size_t step = 1; step < order.size(); ++step) {
        const FocusStop& stop = order[(start + step) % order.size()];
        if (CanTakeFocus(form, stop)) return stop;
    }
    return {};
}

FocusStop RestoredFocus(const Form1& form, const FocusStop& saved) {
    if (saved.id == 0) return StartFocus(form);
    if (CanTakeFocus(form, saved)) return saved;
    return NextFocus(form, saved);
}

}  // namespace zelta
