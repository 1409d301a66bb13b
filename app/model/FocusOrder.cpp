#include "app/model/FocusOrder.h"

#include <algorithm>

namespace zelta {

const std::vector<FocusStop>& TabOrder() {
    static const std::vector<FocusStop> order = [] {
        std::vector<FocusStop> stops;
        for (int bar : {kId_XPBar_NICs, kId_XPBar_Profiles, kId_XPBar_Contact}) {
            stops.push_back({bar, false});
            stops.push_back({bar, true});
        }
        for (int id : {kId_LE_NewProfile,
                       kId_LE_ProfileID,
                       kId_LE_NIC,
                       kId_CB_UseIP,
                       kId_IPA_IP,
                       kId_IPA_SM,
                       kId_IPA_GW,
                       kId_CB_UseDNS,
                       kId_IPA_DNS1,
                       kId_IPA_DNS2,
                       kId_CB_UseProxy,
                       kId_IPA_Proxy,
                       kId_LE_Port,
                       kId_CB_KillBrowsers,
                       kId_Button_Save,
                       kId_Button_Delete,
                       kId_Button_ApplyProfile,
                       kId_Button_IPconfig,
                       kId_Button_OpenCMD,
                       kId_XiButton1,
                       kId_XiButton4}) {
            stops.push_back({id, false});
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
