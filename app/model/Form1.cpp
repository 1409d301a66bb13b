#include "app/model/Form1.h"

namespace zelta {

Form1::Form1() {
    all_ = {&Caption,        &Image1,          &L_PCName,        &L_OS,          &L_CPU,
            &L_RAM,          &L_ProfileActivated, &StatusBar1,   &Panel_Left,    &Panel_Right,
            &XPBar_NICs,     &XPBar_Profiles,  &XPBar_Contact,   &LE_NewProfile, &LE_NIC,
            &LE_ProfileID,   &JvSwitch1,       &Button_ActDeact, &CB_UseIP,      &SGB_UseIP,
            &Label_UseIP_IP, &IPA_IP,          &Label_UseIP_SM,  &IPA_SM,        &Label_UseIP_GW,
            &IPA_GW,         &CB_UseDNS,       &SGB_UseDNS,      &Label_UseDNS_1st, &IPA_DNS1,
            &Label_UseDNS_2nd, &IPA_DNS2,      &CB_UseProxy,     &SGB_UseProxy,  &Label_IP,
            &IPA_Proxy,      &LE_Port,         &CB_KillBrowsers, &Label1,        &Label2,
            &Label3,         &Button_IPconfig, &Button_OpenCMD,  &XiButton1,     &XiButton4,
            &Button_Save,    &Button_Delete,   &Button_ApplyProfile};

    // States at creation that differ from a plain enabled, visible, unchecked control.
    CB_UseIP.SetChecked(true);
    JvSwitch1.SetVisible(false);
    JvSwitch1.SetEnabled(false);
    Button_ActDeact.SetVisible(false);
    Button_ActDeact.SetEnabled(false);
    CB_KillBrowsers.SetEnabled(false);
    Button_Save.SetEnabled(false);
    Button_Delete.SetEnabled(false);
    LE_Port.maxLength = 5;

    XPBar_Contact.AddItem({kMakerEmailAddress, kMakerEmailAddress});
    XPBar_Contact.AddItem({kMakerWebAddress, "Visit Vok CORP. ONLINE"});
}

const char* Form1::EditLabel(const Control& edit) {
    switch (edit.Id()) {
        case kId_LE_NewProfile: return "&New Profile:";
        case kId_LE_NIC: return "NI&C:";
        case kId_LE_ProfileID: return "I&D:";
        case kId_LE_Port: return "Por&t:";
        default: return "";
    }
}

Control* Form1::Find(int id) const {
    for (Control* control : all_) {
        if (control->Id() == id) return control;
    }
    return nullptr;
}

}  // namespace zelta
