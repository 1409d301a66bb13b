#include "app/model/MainForm.h"

namespace zelta {

void SetIPGroupEnabled(MainForm& main, bool enabled) {
    Form1& f = main.form;
    for (Control* control : {&f.SGB_UseIP, &f.IPA_IP, &f.Label_UseIP_IP, &f.IPA_SM, &f.Label_UseIP_SM, &f.IPA_GW,
                             &f.Label_UseIP_GW}) {
        control->SetEnabled(enabled);
    }
    // A user-given address always starts with user-given DNS servers.
    if (enabled) f.CB_UseDNS.SetChecked(true);
}

void SetDNSGroupEnabled(MainForm& main, bool enabled) {
    Form1& f = main.form;
    for (Control* control : {&f.SGB_UseDNS, &f.IPA_DNS1, &f.Label_UseDNS_1st, &f.IPA_DNS2, &f.Label_UseDNS_2nd}) {
        control->SetEnabled(enabled);
    }
}

void SetProxyGroupEnabled(MainForm& main, bool enabled) {
    Form1& f = main.form;
    for (Control* control : {&f.SGB_UseProxy, &f.IPA_Proxy, &f.Label_IP, &f.LE_Port, &f.CB_KillBrowsers}) {
        control->SetEnabled(enabled);
    }
}

void UpdateProfileCounter(MainForm& main) {
    main.form.StatusBar1.SetPanelText(0, "Used / Max Profiles: " + std::to_string(main.form.XPBar_Profiles.Count()) +
                                             " / " + std::to_string(kMaxProfiles));
}

}  // namespace zelta
