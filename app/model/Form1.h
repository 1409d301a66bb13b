#pragma once
// Every control of the main window with its caption, hint and state at creation. Captions mark their Alt+letter
// with "&" (see AccessKeys.h).
#include <vector>

#include "app/model/Control.h"
#include "app/model/ControlIds.h"
#include "platform/ProductNames.h"

namespace zelta {

// The maker's addresses live under a reserved example domain, which no resolver answers.
inline const char kMakerWebAddress[] = "http://www.vokcorp.example/";
inline const char kMakerEmailAddress[] = "contact@vokcorp.example";
inline const char kMakerNotice[] = ZELTA_PRODUCT_NAME " - freeware by " ZELTA_COMPANY_NAME;

class Form1 {
public:
    Form1();
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // The window caption; the caption animation and the activation write it.
    Control Caption{kId_Form1, "Form1", ControlKind::Form, kProductTitleCaption};

    Control Image1{kId_Image1, "Image1", ControlKind::Picture};
    Control L_PCName{kId_L_PCName, "L_PCName", ControlKind::Label, "Computer Name:"};
    Control L_OS{kId_L_OS, "L_OS", ControlKind::Label, "OS:"};
    Control L_CPU{kId_L_CPU, "L_CPU", ControlKind::Label, "CPU:"};
    Control L_RAM{kId_L_RAM, "L_RAM", ControlKind::Label, "Total RAM:"};
    Control L_ProfileActivated{kId_L_ProfileActivated, "L_ProfileActivated", ControlKind::Label};
    StatusBar StatusBar1{kId_StatusBar1, "StatusBar1", {"Max Profiles: 20", kMakerNotice}};

    Control Panel_Left{kId_Panel_Left, "Panel_Left", ControlKind::Panel};
    Control Panel_Right{kId_Panel_Right, "Panel_Right", ControlKind::Panel};
    ItemBar XPBar_NICs{kId_XPBar_NICs, "XPBar_NICs", "Network Interfaces", true, true};
    ItemBar XPBar_Profiles{kId_XPBar_Profiles, "XPBar_Profiles", "Profiles", true, true};
    ItemBar XPBar_Contact{kId_XPBar_Contact, "XPBar_Contact", "Contact", false, false};

    Control LE_NewProfile{kId_LE_NewProfile, "LE_NewProfile", ControlKind::LabelledEdit};
    Control LE_NIC{kId_LE_NIC, "LE_NIC", ControlKind::LabelledEdit};
    Control LE_ProfileID{kId_LE_ProfileID, "LE_ProfileID", ControlKind::LabelledEdit};
    Control JvSwitch1{kId_JvSwitch1, "JvSwitch1", ControlKind::Switch};
    Control Button_ActDeact{kId_Button_ActDeact, "Button_ActDeact", ControlKind::Button, "", "Activate / Deactivate"};

    Control CB_UseIP{kId_CB_UseIP, "CB_UseIP", ControlKind::CheckBox, "&Use IP",
                     "Checked = IP from User; NotChecked = IP from DHCP;"};
    Control SGB_UseIP{kId_SGB_UseIP, "SGB_UseIP", ControlKind::GroupBox};
    Control Label_UseIP_IP{kId_Label_UseIP_IP, "Label_UseIP_IP", ControlKind::Label, "&IP Address:"};
    Control IPA_IP{kId_IPA_IP, "IPA_IP", ControlKind::IpAddress, "0.0.0.0"};
    Control Label_UseIP_SM{kId_Label_UseIP_SM, "Label_UseIP_SM", ControlKind::Label, "Subnet &Mask:"};
    Control IPA_SM{kId_IPA_SM, "IPA_SM", ControlKind::IpAddress, "0.0.0.0"};
    Control Label_UseIP_GW{kId_Label_UseIP_GW, "Label_UseIP_GW", ControlKind::Label, "&Gateway:"};
    Control IPA_GW{kId_IPA_GW, "IPA_GW", ControlKind::IpAddress, "0.0.0.0"};

    Control CB_UseDNS{kId_CB_UseDNS, "CB_UseDNS", ControlKind::CheckBox, "Us&e DNS",
                      "Checked = DNS from User; NotChecked = DNS from DHCP;"};
    Control SGB_UseDNS{kId_SGB_UseDNS, "SGB_UseDNS", ControlKind::GroupBox};
    Control Label_UseDNS_1st{kId_Label_UseDNS_1st, "Label_UseDNS_1st", ControlKind::Label, "&1st server:"};
    Control IPA_DNS1{kId_IPA_DNS1, "IPA_DNS1", ControlKind::IpAddress, "0.0.0.0"};
    Control Label_UseDNS_2nd{kId_Label_UseDNS_2nd, "Label_UseDNS_2nd", ControlKind::Label, "&2nd server:"};
    Control IPA_DNS2{kId_IPA_DNS2, "IPA_DNS2", ControlKind::IpAddress, "0.0.0.0"};

    Control CB_UseProxy{kId_CB_UseProxy, "CB_UseProxy", ControlKind::CheckBox, "Use Pro&xy",
                        "Checked = Proxy is Enabled; NotChecked = Proxy is DISABLED."};
    Control SGB_UseProxy{kId_SGB_UseProxy, "SGB_UseProxy", ControlKind::GroupBox};
    Control Label_IP{kId_Label_IP, "Label_IP", ControlKind::Label, "I&P Address:"};
    Control IPA_Proxy{kId_IPA_Proxy, "IPA_Proxy", ControlKind::IpAddress, "0.0.0.0"};
    Control LE_Port{kId_LE_Port, "LE_Port", ControlKind::LabelledEdit};
    Control CB_KillBrowsers{kId_CB_KillBrowsers, "CB_KillBrowsers", ControlKind::CheckBox,
                            "Allow Zelta to &kill BROWSER(s) if running",
                            "In order to set up proxy you need to close all running browsers. "
                            "Zelta will open them again for you !"};

    Control Label1{kId_Label1, "Label1", ControlKind::Label, "Works on Windows XP, Vista, 7."};
    Control Label2{kId_Label2, "Label2", ControlKind::Label, "Yet to function on  Win servers."};
    Control Label3{kId_Label3, "Label3", ControlKind::Label, "Not tested on windows servers. (not recommended)"};

    Control Button_IPconfig{kId_Button_IPconfig, "Button_IPconfig", ControlKind::Button, "IPcon&fig /all",
                            "Open Network Settings"};
    Control Button_OpenCMD{kId_Button_OpenCMD, "Button_OpenCMD", ControlKind::Button, "&open cmd",
                           "Open Command Prompt"};
    Control XiButton1{kId_XiButton1, "XiButton1", ControlKind::Button, "Open Network Config &Win",
                      "Open Network Connections"};
    Control XiButton4{kId_XiButton4, "XiButton4", ControlKind::Button, "Open &Zelta.ini", "Open Tarvex Settings"};
    Control Button_Save{kId_Button_Save, "Button_Save", ControlKind::Button, "&Save"};
    Control Button_Delete{kId_Button_Delete, "Button_Delete", ControlKind::Button, "De&lete"};
    Control Button_ApplyProfile{kId_Button_ApplyProfile, "Button_ApplyProfile", ControlKind::Button, "&Apply Profile",
                                "Static IP: 37-41s; DHCP IP: 33-50s."};

    // The caption label shown to the left of a labelled edit.
    static const char* EditLabel(const Control& edit);

    // Every control, the form's caption first, in creation order.
    const std::vector<Control*>& All() const { return all_; }
    Control* Find(int id) const;

private:
    static constexpr const char* kProductTitleCaption = kProductTitle;
    std::vector<Control*> all_;
};

}  // namespace zelta
