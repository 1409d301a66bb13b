#include "app/FormController.h"

#include "adapters/AdapterDiscovery.h"
#include "adapters/AdapterSelection.h"
#include "app/CommandLine.h"
#include "app/StartWithWindows.h"
#include "apply/ActivationFlow.h"
#include "profiles/ProfileList.h"
#include "proxy/BrowserPermission.h"
#include "sysinfo/MachineSummary.h"
#include "tools/Launchers.h"

namespace zelta {

namespace {
constexpr int kHitClient = 1;
constexpr int kHitCaption = 2;
constexpr std::size_t kPortMaxLength = 5;

}  // namespace

FormController::FormController(MainForm& main) : main_(main) {
    Form1& f = main_.form;
    f.LE_NewProfile.onChange = [this] { LE_NewProfileChange(); };
    f.LE_Port.onChange = [this] { LE_PortChange(); };
    f.CB_UseIP.onChange = [this] { CB_UseIPClick(); };
    f.CB_UseDNS.onChange = [this] { CB_UseDNSClick(); };
    f.CB_UseProxy.onChange = [this] { CB_UseProxyClick(); };
    f.CB_KillBrowsers.onChange = [this] { proxy::CB_KillBrowsersClick(main_); };
    f.LE_NIC.onChange = [this] { adapters::LE_NICChange(main_); };
    f.LE_ProfileID.onChange = [this] { adapters::LE_NICChange(main_); };
    f.XPBar_NICs.onItemClick = [this](int index) { adapters::AdapterItemClick(main_, index); };
    f.XPBar_Profiles.onItemClick = [this](int index) { profiles::ProfileItemClick(main_, index); };
    f.XPBar_Contact.onItemClick = [this](int index) {
        if (index == 0) XPBar_ContactItems0Click();
        if (index == 1) XPBar_ContactItems1Click();
    };
    f.Button_Save.onClick = [this] { profiles::Button_SaveClick(main_); };
    f.Button_Delete.onClick = [this] { profiles::Button_DeleteClick(main_); };
    f.Button_ApplyProfile.onClick = [this] { apply::Button_ApplyProfileClick(main_); };
    f.Button_IPconfig.onClick = [this] { tools::Button_IPconfigClick(main_); };
    f.Button_OpenCMD.onClick = [this] { tools::Button_OpenCMDClick(main_); };
    f.XiButton4.onClick = [this] { tools::XiButton4Click(main_); };
    f.XiButton1.onClick = [this] { tools::XiButton1Click(main_); };
}

void FormController::FormCreate() {
    AppState& s = main_.state;
    Form1& f = main_.form;
    // With its closing separator: the files beside the program are this and their name.
    s.ProgramDir = platform::InFolder(platform::ProgramFolder(main_.platform.environment), "");
    adapters::FillAdapterSideBar(main_, adapters::DiscoverAdapters(main_.platform.registry, s.AdapterKeyNames));
    s.UseIP = true;
    SetIPGroupEnabled(main_, true);
    SetProxyGroupEnabled(main_, false);
    s.ProfileCount = 0;
    profiles::LoadProfileList(main_);
    if (s.SelectedAdapterName.empty()) {
        f.JvSwitch1.SetEnabled(false);
        f.Button_ActDeact.SetEnabled(false);
    }
    // The counter counts the list just loaded.
    UpdateProfileCounter(main_);
    // The summary shows the version just stored.
    sysinfo::StoreOsVersion(main_);
    sysinfo::FillMachineSummary(main_);
}

void FormController::FormClose() { main_.state.AdapterKeyNames.clear(); }

void FormController::TrayMenuClick(int position) {
    if (position == TrayMenu::kExitPosition) {
        ExitClick();
    } else if (position == TrayMenu::kWebSitePosition) {
        VokCORPOnlineClick();
    } else if (position == main_.trayMenu.StartWithWindowsPosition()) {
        StartWithWindowsClick();
    } else if (position >= TrayMenu::kFixedEntries && position < main_.trayMenu.Count()) {
        profiles::TrayProfileClick(main_, position, [this](const std::string& name, int number) {
            apply::ActivateProfile(main_, name, number);
        });
    }
}

void FormController::TrayMenuOpening() {
    main_.trayMenu.SetStartWithWindows(
        StartsWithWindows(main_.platform.registry, main_.platform.environment.ExecutablePath()));
}

void FormController::StartWithWindowsClick() {
    platform::Registry& registry = main_.platform.registry;
    const std::string program = main_.platform.environment.ExecutablePath();
    SetStartWithWindows(registry, program, !StartsWithWindows(registry, program));
    TrayMenuOpening();
}

int FormController::NamedProfilePosition(const std::string& name, std::string& error) const {
    std::vector<std::string> captions;
    for (int position = TrayMenu::kFixedEntries; position < main_.trayMenu.Count(); ++position) {
        captions.push_back(main_.trayMenu.Caption(position));
    }
    const std::vector<int> found = ProfilesNamed(captions, name);
    if (found.size() != 1) {
        error = ProfileNameError(name, found.size());
        return -1;
    }
    return TrayMenu::kFixedEntries + found.front();
}

void FormController::ExitClick() {
    if (main_.closeMainWindow) main_.closeMainWindow();
}

void FormController::VokCORPOnlineClick() { tools::OpenUrl(main_, kMakerWebAddress); }
void FormController::XPBar_ContactItems0Click() { tools::OpenUrl(main_, kMakerEmailAddress); }
void FormController::XPBar_ContactItems1Click() { tools::OpenUrl(main_, kMakerWebAddress); }

void FormController::CB_UseIPClick() {
    main_.state.UseIP = main_.form.CB_UseIP.Checked();
    SetIPGroupEnabled(main_, main_.state.UseIP);
}

void FormController::CB_UseDNSClick() {
    main_.state.UseDNS = main_.form.CB_UseDNS.Checked();
    SetDNSGroupEnabled(main_, main_.state.UseDNS);
}

void FormController::CB_UseProxyClick() {
    main_.state.UseProxy = main_.form.CB_UseProxy.Checked();
    SetProxyGroupEnabled(main_, main_.state.UseProxy);
}

void FormController::LE_NewProfileChange() {
    Form1& f = main_.form;
    if (f.LE_NewProfile.Text().empty()) {
        f.Button_Save.SetEnabled(false);
    } else if (f.JvSwitch1.Enabled()) {
        f.Button_Save.SetEnabled(true);
    }
}

void FormController::LE_PortChange() {
    if (main_.form.LE_Port.Text().size() == kPortMaxLength) main_.Notice("Max length = 5 !");
}

int WMNCHitTest(int defaultResult) { return defaultResult == kHitClient ? kHitCaption : defaultResult; }

}  // namespace zelta
