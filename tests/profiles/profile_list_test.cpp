// The profile list and editor over the fake system: start-up loading, loading into the editor, save, delete.
#include <gtest/gtest.h>

#include <tuple>

#include "app/model/ZeltaError.h"
#include "profiles/NetworkProfile.h"
#include "profiles/ProfileList.h"
#include "profiles/SettingsDocument.h"
#include "tests/fakes/HandlerTest.h"
#include "tests/fakes/SettingsText.h"

namespace zelta::profiles {
namespace {

using fakes::kIni;

const std::string kTwoProfiles =
    fakes::SettingsText({fakes::OfficeProfile(), fakes::HomeProfile()}, "last_pai=2\r\n");

struct ProfileList : fakes::HandlerTest {
    // Fills the editor the way a user would to store p (its name split into the profile and the adapter, "user"
    // ticking the IP and DNS boxes, "1" the proxy ones), then presses Save.
    void Save(const fakes::StoredProfile& p) {
        const ProfileNameParts parts = SplitProfileName(p.name);
        f.LE_NewProfile.SetText(parts.name);
        f.LE_NIC.SetText(parts.adapter);
        f.CB_UseIP.SetChecked(p.useIp == "user");
        f.CB_UseDNS.SetChecked(p.useDns == "user");
        f.CB_UseProxy.SetChecked(p.useProxy == "1");
        f.CB_KillBrowsers.SetChecked(p.killBrowsers == "1");
        f.IPA_IP.SetText(p.ip);
        f.IPA_SM.SetText(p.sm);
        f.IPA_GW.SetText(p.gw);
        f.IPA_DNS1.SetText(p.dns1);
        f.IPA_DNS2.SetText(p.dns2);
        f.IPA_Proxy.SetText(p.proxyIp);
        f.LE_Port.SetText(p.proxyPort);
        ASSERT_TRUE(f.Button_Save.Enabled());
        f.Button_Save.Click();
    }
    // A profile on the adapter LAN with every box clear and every address 0.0.0.0.
    void SaveNamed(const std::string& name) { Save(fakes::ProxyProfile(name + " - LAN", "0.0.0.0", "", "0", "0")); }
    std::vector<int> TrayNumbers() {
        std::vector<int> numbers;
        // "Exit", the web site and two separators come first; profile n shows picture n + 2.
        for (int at = 4; at < app.main.trayMenu.Count(); ++at) {
            numbers.push_back(app.main.trayMenu.Number(at));
            EXPECT_EQ(app.main.trayMenu.At(at).picture, numbers.back() + 2);
        }
        return numbers;
    }
    std::vector<std::string> ListCaptions() {
        std::vector<std::string> captions;
        for (const BarItem& item : f.XPBar_Profiles.Items()) captions.push_back(item.caption);
        return captions;
    }
};

TEST_F(ProfileList, TwoSavesAndAnActivationGiveTheDocumentedFileByteForByte) {
    Start();
    Save(fakes::OfficeProfile());
    Save(fakes::HomeProfile());
    SettingsFile settings(app.platform);
    RecordAppliedProfile(settings, 2, s.LastAppliedNumber);
    EXPECT_EQ(Ini(), kTwoProfiles);
    EXPECT_EQ(app.files.replaceCalls, 3);  // one replacement per save, one for the activation
    EXPECT_EQ(ListCaptions(), (std::vector<std::string>{"Office - Local Area Connection",
                                                        "Home - Wireless Network Connection"}));
    EXPECT_EQ(TrayNumbers(), (std::vector<int>{1, 2}));
    EXPECT_EQ(f.StatusBar1.PanelText(0), "Used / Max Profiles: 2 / 20");
    EXPECT_TRUE(Notices().empty());  // no profile was loaded in this run
}

TEST_F(ProfileList, ThreeSavesAndOneActivationMake45LinesWithLastPaiOnLineThree) {
    Start();
    SaveNamed("A");
    SaveNamed("B");
    SaveNamed("C");
    SettingsFile settings(app.platform);
    RecordAppliedProfile(settings, 2, 0);
    const auto lines = IniLines();
    ASSERT_EQ(lines.size(), 45u);
    EXPECT_EQ(lines[2], "last_pai=2");
    EXPECT_EQ(lines[3 + 14 + 13], "profile_applied=1");
}

TEST_F(ProfileList, StartUpFillsTheListTheTrayAndTheLabel) {
    Start(kTwoProfiles);
    EXPECT_EQ(ListCaptions(), (std::vector<std::string>{"Office - Local Area Connection",
                                                        "Home - Wireless Network Connection"}));
    EXPECT_EQ(f.XPBar_Profiles.Item(1).hint, "Home - Wireless Network Connection");
    ASSERT_EQ(app.main.trayMenu.Count(), 6);
    EXPECT_TRUE(app.main.trayMenu.At(4).enabled);
    EXPECT_FALSE(app.main.trayMenu.At(5).enabled);
    EXPECT_EQ(app.main.trayMenu.Caption(5), "Home - Wireless Network Connection");
    EXPECT_EQ(TrayNumbers(), (std::vector<int>{1, 2}));
    EXPECT_EQ(f.L_ProfileActivated.Text(), "Profile Activated: Home - Wireless Network Connection");
    EXPECT_EQ(s.LastAppliedNumber, 2);
    EXPECT_EQ(f.StatusBar1.PanelText(0), "Used / Max Profiles: 2 / 20");
}

TEST_F(ProfileList, StartUpWithoutAFileShowsNothing) {
    Start();
    EXPECT_EQ(f.XPBar_Profiles.Count(), 0);
    EXPECT_EQ(app.main.trayMenu.Count(), 4);
    EXPECT_EQ(s.LastAppliedNumber, 0);
    EXPECT_EQ(f.L_ProfileActivated.Text(), "");
}

TEST_F(ProfileList, OnlyAMarkOfExactlyOneCountsAtStartButAnyNonZeroInTheEditor) {
    std::string content = kTwoProfiles;
    content.replace(content.rfind("profile_applied=1"), 17, "profile_applied=2");
    content.replace(content.find("#_profiles=2"), 12, "#_profiles=3");  // a count past the blocks
    Start(content);
    EXPECT_TRUE(app.main.trayMenu.At(5).enabled);
    EXPECT_EQ(f.L_ProfileActivated.Text(), "");
    ASSERT_EQ(f.XPBar_Profiles.Count(), 3);
    EXPECT_EQ(f.XPBar_Profiles.Item(2).caption, "");
    f.XPBar_Profiles.ClickItem(1);
    EXPECT_FALSE(f.Button_ApplyProfile.Enabled());
    EXPECT_FALSE(f.Button_Save.Enabled());
    EXPECT_FALSE(f.Button_Delete.Enabled());
}

TEST_F(ProfileList, ClickingAnItemLoadsEveryField) {
    Start(kTwoProfiles);
    f.XPBar_Profiles.ClickItem(0);
    EXPECT_EQ(s.SelectedProfileIndex, 0);
    EXPECT_EQ(f.LE_NewProfile.Text(), "Office");
    EXPECT_EQ(f.LE_NIC.Text(), "Local Area Connection");
    EXPECT_EQ(s.SelectedAdapterName, "Local Area Connection");
    EXPECT_EQ(s.LoadedProfileName, "Office");
    EXPECT_EQ(s.CurrentProfileName, "Office - Local Area Connection");
    EXPECT_EQ(f.IPA_IP.Text(), "192.168.10.25");
    EXPECT_EQ(f.IPA_SM.Text(), "255.255.255.0");
    EXPECT_EQ(f.IPA_GW.Text(), "192.168.10.1");
    EXPECT_EQ(f.IPA_DNS1.Text(), "192.168.10.2");
    EXPECT_EQ(f.IPA_DNS2.Text(), "0.0.0.0");
    EXPECT_EQ(f.IPA_Proxy.Text(), "192.168.10.5");
    EXPECT_EQ(f.LE_Port.Text(), "3128");
    EXPECT_TRUE(f.CB_UseIP.Checked() && s.UseIP);
    EXPECT_TRUE(f.CB_UseDNS.Checked() && s.UseDNS);
    EXPECT_TRUE(f.CB_UseProxy.Checked() && s.UseProxy);
    EXPECT_FALSE(f.CB_KillBrowsers.Checked() || s.KillBrowsers);
    EXPECT_TRUE(s.ProfileLoaded);
    EXPECT_EQ(f.LE_ProfileID.Text(), "       1");
    EXPECT_TRUE(f.JvSwitch1.Enabled());
    EXPECT_TRUE(f.Button_ApplyProfile.Enabled());
    EXPECT_TRUE(f.Button_Save.Enabled());
    EXPECT_TRUE(f.Button_Delete.Enabled());

    f.XPBar_Profiles.ClickItem(1);  // the applied one, from DHCP
    EXPECT_EQ(f.LE_NewProfile.Text(), "Home");
    EXPECT_FALSE(f.CB_UseIP.Checked() || s.UseIP);
    EXPECT_FALSE(f.CB_UseDNS.Checked() || s.UseDNS);
    EXPECT_FALSE(s.UseProxy);
    EXPECT_EQ(f.LE_Port.Text(), "");
    EXPECT_FALSE(f.Button_ApplyProfile.Enabled());
    EXPECT_FALSE(f.Button_Save.Enabled());
    EXPECT_FALSE(f.Button_Delete.Enabled());
    f.LE_NewProfile.SetText("Home2");  // typing enables Save again
    EXPECT_TRUE(f.Button_Save.Enabled());
}

TEST_F(ProfileList, ATrayEntryHandsItsCaptionAndNumberToTheActivation) {
    Start(kTwoProfiles);
    std::string name;
    int number = 0;
    TrayProfileClick(app.main, 5, [&](const std::string& caption, int n) {
        name = caption;
        number = n;
    });
    EXPECT_EQ(name, "Home - Wireless Network Connection");
    EXPECT_EQ(number, 2);
    EXPECT_EQ(s.SelectedProfileIndex, 0);
}

TEST_F(ProfileList, OverwritingKeepsTheLineCountAndTheCaptions) {
    Start(kTwoProfiles);
    f.XPBar_Profiles.ClickItem(0);
    f.LE_NIC.SetText("Other Adapter");
    f.IPA_IP.SetText("192.168.10.9");
    f.Button_Save.Click();
    const auto lines = IniLines();
    ASSERT_EQ(lines.size(), 31u);
    EXPECT_EQ(lines[4], "profile_name=Office - Other Adapter");
    EXPECT_EQ(lines[5], "IP=192.168.10.9");
    EXPECT_EQ(f.XPBar_Profiles.Item(0).caption, "Office - Local Area Connection");
    EXPECT_EQ(app.main.trayMenu.Caption(4), "Office - Local Area Connection");
    EXPECT_EQ(Notices(), (std::vector<std::string>{"Profile was saved !"}));
    EXPECT_EQ(s.CurrentProfileName, "Office");
}

TEST_F(ProfileList, ANameDifferingInCaseAddsANewProfileAndLeavesTheLoadedOne) {
    Start(kTwoProfiles);
    const std::string before = Ini();
    f.XPBar_Profiles.ClickItem(0);
    f.LE_NewProfile.SetText("office");
    f.Button_Save.Click();
    std::string expectedStart = before;
    expectedStart.replace(expectedStart.find("#_profiles=2"), 12, "#_profiles=3");
    EXPECT_EQ(Ini().substr(0, before.size()), expectedStart);  // only the count changed before the new block
    EXPECT_EQ(IniLines().size(), 45u);
    EXPECT_EQ(IniLines()[31], "[Profile3]");
    EXPECT_EQ(IniLines()[32], "profile_name=office - Local Area Connection");
    EXPECT_EQ(TrayNumbers(), (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(app.main.trayMenu.At(6).enabled);
    EXPECT_EQ(s.ProfileCount, 3);
    EXPECT_EQ(f.StatusBar1.PanelText(0), "Used / Max Profiles: 3 / 20");
}

TEST_F(ProfileList, AfterAddingTheEditorStandsForTheNewProfile) {
    Start(kTwoProfiles);
    f.XPBar_Profiles.ClickItem(0);
    f.LE_NewProfile.SetText("Lab");
    f.Button_Save.Click();
    EXPECT_EQ(s.SelectedProfileIndex, 2);  // Apply acts on profile 3
    EXPECT_EQ(s.CurrentProfileName, "Lab");
    f.IPA_IP.SetText("10.1.1.1");
    f.Button_Save.Click();  // a second save overwrites it instead of adding a copy
    EXPECT_EQ(f.XPBar_Profiles.Count(), 3);
    SettingsFile settings(app.platform);
    EXPECT_EQ(settings.ReadText("Profile3", "IP"), "10.1.1.1");
    EXPECT_EQ(settings.ReadText("Profile1", "IP"), "192.168.10.25");
}

TEST_F(ProfileList, TheTwentyFirstSaveIsRefusedAndTheNumberFieldPadsTwentyWithFiveBlanksAndOthersWithSeven) {
    Start();
    for (int n = 1; n <= 20; ++n) SaveNamed("P" + std::to_string(n));
    const std::string before = Ini();
    const int replaces = app.files.replaceCalls;
    SaveNamed("P21");
    EXPECT_EQ(Ini(), before);
    EXPECT_EQ(app.files.replaceCalls, replaces);
    EXPECT_EQ(Notices().back(), "Max number of profiles = 20 !");
    EXPECT_EQ(f.XPBar_Profiles.Count(), 20);
    EXPECT_EQ(app.main.trayMenu.Count(), 24);
    EXPECT_EQ(app.main.trayMenu.At(23).picture, 22);
    EXPECT_FALSE(TrayMenu::HasPicture(app.main.trayMenu.At(23)));

    f.XPBar_Profiles.ClickItem(19);
    EXPECT_EQ(f.LE_ProfileID.Text(), "     20");
    f.XPBar_Profiles.ClickItem(11);
    EXPECT_EQ(f.LE_ProfileID.Text(), "       12");
    EXPECT_EQ(f.LE_NewProfile.Text(), "P12");
}

TEST_F(ProfileList, ANewProfileIsRefusedWhileApplyIsDisabled) {
    Start(kTwoProfiles);
    f.XPBar_Profiles.ClickItem(1);  // the applied profile disables Apply
    f.LE_NewProfile.SetText("Cafe");
    const std::string before = Ini();
    f.Button_Save.Click();
    EXPECT_EQ(Ini(), before);
    EXPECT_EQ(Notices(), (std::vector<std::string>{"Max number of profiles = 20 !"}));
    EXPECT_EQ(f.XPBar_Profiles.Count(), 2);
}

TEST_F(ProfileList, SavingNeedsAChosenAdapter) {
    Start();
    f.LE_NewProfile.SetText("Office");
    f.Button_Save.SetEnabled(true);
    f.Button_Save.Click();
    EXPECT_EQ(Notices(), (std::vector<std::string>{"You MUST select a NIC !"}));
    EXPECT_EQ(app.files.files.count(kIni), 0u);
}

TEST_F(ProfileList, ANameThatWouldSplitWronglyIsRefused) {
    Start();
    for (const char* name : {"A - B", "Net-"}) {
        f.LE_NewProfile.SetText(name);
        f.LE_NIC.SetText("LAN");
        f.Button_Save.Click();
    }
    EXPECT_EQ(Notices(), (std::vector<std::string>(2, "A profile name must not contain \"- \" nor end with \"-\" !")));
    EXPECT_EQ(app.files.replaceCalls, 0);
    EXPECT_EQ(f.XPBar_Profiles.Count(), 0);
}

TEST_F(ProfileList, SaveRefusesAnAddressWindowsWouldRefuseAndWarnsOfAFarGateway) {
    Start(kTwoProfiles);
    f.XPBar_Profiles.ClickItem(0);  // Office, loaded: a plain save says "Profile was saved !"
    const char kSaved[] = "Profile was saved !";
    using Row = std::tuple<const char*, const char*, const char*, bool, bool, std::string>;
    for (const auto& [ip, mask, gateway, dhcp, stored, notice] : std::initializer_list<Row>{
             {"192.168.1.20", "0.0.0.0", "10.0.0.1", false, true, kSaved},      // no mask: no subnet to check against
             {"0.0.0.0", "255.255.255.0", "192.168.1.0", false, true, kSaved},  // no address
             {"10.0.0.0", "255.255.255.254", "10.0.0.1", false, true, kSaved},  // a /31 has no network address
             {"10.0.0.7", "255.255.255.255", "10.0.0.1", false, true,  // nor has a /32, and all else is outside
              "Profile was saved, but the gateway 10.0.0.1 is outside the subnet of the IP address 10.0.0.7 (mask "
              "255.255.255.255) !"},
             {"192.168.1.0", "255.0.255.0", "192.168.1.0", true, true, kSaved},  // DHCP: nothing checked
             {"10.0.0.9", "255.0.255.0", "10.0.0.1", false, false,
              "The subnet mask 255.0.255.0 is not a valid mask: use one like 255.255.255.0 or 255.255.252.0 !"},
             {"10.0.0.0", "255.0.0.0", "0.0.0.0", false, false,
              "The IP address 10.0.0.0 is the network address of its subnet (mask 255.0.0.0): use another address !"},
             {"172.16.7.255", "255.255.252.0", "0.0.0.0", false, false,
              "The IP address 172.16.7.255 is the broadcast address of its subnet (mask 255.255.252.0): use "
              "another address !"},
             {"10.0.0.9", "0.0.0.0", "10.0.0.9", false, false,
              "The gateway 10.0.0.9 is the IP address itself: enter the router's address or leave it empty !"},
         }) {
        const std::string before = Ini();
        f.CB_UseIP.SetChecked(!dhcp);
        f.IPA_IP.SetText(ip);
        f.IPA_SM.SetText(mask);
        f.IPA_GW.SetText(gateway);
        f.Button_Save.Click();
        EXPECT_EQ(Ini() != before && Ini().find("\r\nIP=" + std::string(ip) + "\r\n") != std::string::npos, stored);
        EXPECT_EQ(Notices().back(), notice);
    }
}

TEST_F(ProfileList, AFailedSaveShowsNoProfileTheFileDoesNotHold) {
    Start(kTwoProfiles);
    app.files.readOnly.insert(kIni);
    f.LE_NewProfile.SetText("Cafe");
    f.LE_NIC.SetText("LAN");
    EXPECT_EQ(fakes::ErrorOf([&] { f.Button_Save.Click(); }), "Unable to write to C:\\Tools\\Zelta\\Zelta.ini");
    EXPECT_EQ(Ini(), kTwoProfiles);
    EXPECT_EQ(f.XPBar_Profiles.Count(), 2);
    EXPECT_EQ(app.main.trayMenu.Count(), 6);
    EXPECT_EQ(s.ProfileCount, 2);
}

TEST_F(ProfileList, DeletingTheSecondOfFourRenumbersFileListAndTray) {
    Start();
    for (const char* name : {"A", "B", "C", "D"}) SaveNamed(name);
    f.XPBar_Profiles.ClickItem(1);
    f.Button_Delete.Click();
    const auto lines = IniLines();
    ASSERT_EQ(lines.size(), 44u);
    EXPECT_EQ(lines[1], "#_profiles=3");
    EXPECT_EQ(lines[2], "[Profile1]");
    EXPECT_EQ(lines[16], "[Profile2]");
    EXPECT_EQ(lines[17], "profile_name=C - LAN");
    EXPECT_EQ(lines[30], "[Profile3]");
    EXPECT_EQ(lines[31], "profile_name=D - LAN");
    EXPECT_EQ(ListCaptions(), (std::vector<std::string>{"A - LAN", "C - LAN", "D - LAN"}));
    EXPECT_EQ(TrayNumbers(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(app.main.trayMenu.Caption(5), "C - LAN");
    EXPECT_FALSE(f.Button_Delete.Enabled());
    EXPECT_EQ(f.StatusBar1.PanelText(0), "Used / Max Profiles: 3 / 20");
}

TEST_F(ProfileList, DeletingTheLastAndThenTheOnlyProfile) {
    Start();
    SaveNamed("A");
    SaveNamed("B");
    f.XPBar_Profiles.ClickItem(1);
    f.Button_Delete.Click();
    EXPECT_EQ(IniLines().size(), 16u);
    EXPECT_EQ(IniLines()[2], "[Profile1]");
    EXPECT_EQ(TrayNumbers(), (std::vector<int>{1}));
    f.XPBar_Profiles.ClickItem(0);
    f.Button_Delete.Click();
    EXPECT_EQ(Ini(), "[Zelta Settings]\r\n#_profiles=0\r\n");
    EXPECT_EQ(f.XPBar_Profiles.Count(), 0);
    EXPECT_EQ(app.main.trayMenu.Count(), 4);
    EXPECT_EQ(f.StatusBar1.PanelText(0), "Used / Max Profiles: 0 / 20");
}

TEST_F(ProfileList, TheAppliedRecordFollowsItsProfileThroughADeletion) {
    Start(kTwoProfiles);
    f.XPBar_Profiles.ClickItem(0);
    f.Button_Delete.Click();
    EXPECT_EQ(IniLines()[2], "last_pai=1");
    EXPECT_EQ(s.LastAppliedNumber, 1);
    EXPECT_FALSE(app.main.trayMenu.At(4).enabled);
    EXPECT_EQ(f.L_ProfileActivated.Text(), "Profile Activated: Home - Wireless Network Connection");
}

TEST_F(ProfileList, DeletingTheAppliedProfileLeavesNoneApplied) {
    std::string content = kTwoProfiles;
    content.replace(content.find("last_pai=2"), 10, "last_pai=1");
    content.replace(content.find("profile_applied=0"), 17, "profile_applied=1");
    content.replace(content.rfind("profile_applied=1"), 17, "profile_applied=0");
    Start(content);
    EXPECT_EQ(f.L_ProfileActivated.Text(), "Profile Activated: Office - Local Area Connection");
    f.XPBar_Profiles.ClickItem(1);
    f.XPBar_Profiles.ClickItem(0);  // loading the applied one disables Delete: enable it as a stale state would
    f.Button_Delete.SetEnabled(true);
    f.Button_Delete.Click();
    EXPECT_EQ(IniLines()[2], "last_pai=0");
    EXPECT_EQ(s.LastAppliedNumber, 0);
    EXPECT_EQ(f.L_ProfileActivated.Text(), "");
    EXPECT_TRUE(app.main.trayMenu.At(4).enabled);
}

TEST_F(ProfileList, AfterADeletionASaveAddsInsteadOfOverwritingTheNextProfile) {
    Start(kTwoProfiles);
    f.XPBar_Profiles.ClickItem(0);
    f.Button_Delete.Click();
    EXPECT_EQ(f.LE_NewProfile.Text(), "");
    EXPECT_FALSE(f.Button_Save.Enabled());
    f.LE_NewProfile.SetText("Office");
    f.Button_Save.Click();
    SettingsFile settings(app.platform);
    EXPECT_EQ(settings.ReadText("Profile1", "profile_name"), "Home - Wireless Network Connection");
    EXPECT_EQ(settings.ReadText("Profile2", "profile_name"), "Office - Local Area Connection");
    EXPECT_EQ(ListCaptions().size(), 2u);
}

TEST_F(ProfileList, FailedDeletionsChangeNothing) {
    Start(kTwoProfiles);
    f.XPBar_Profiles.ClickItem(0);
    app.files.readOnly.insert(kIni);
    EXPECT_EQ(fakes::ErrorOf([&] { f.Button_Delete.Click(); }),
              "Cannot create file \"C:\\Tools\\Zelta\\Zelta.ini\". Access is denied");
    app.files.readOnly.clear();
    Ini().replace(Ini().find("#_profiles=2"), 12, "#_profiles=x");
    EXPECT_THROW(f.Button_Delete.Click(), ZeltaError);
    Ini().replace(Ini().find("#_profiles=x"), 12, "#_profiles=2");
    Ini().replace(Ini().find("[Profile1]"), 10, "[Profile9]");  // no header of the selected profile
    const std::string damaged = Ini();
    f.Button_Delete.Click();
    EXPECT_EQ(Ini(), damaged);
    EXPECT_EQ(f.XPBar_Profiles.Count(), 2);
    EXPECT_EQ(app.main.trayMenu.Count(), 6);
    app.files.files.erase(kIni);
    EXPECT_EQ(fakes::ErrorOf([&] { f.Button_Delete.Click(); }),
              "Cannot open file \"C:\\Tools\\Zelta\\Zelta.ini\". The system cannot find the file specified");
    EXPECT_EQ(f.XPBar_Profiles.Count(), 2);
}

TEST_F(ProfileList, DeletingWithoutASelectionAsksForOne) {
    Start(kTwoProfiles);
    s.SelectedProfileIndex = -1;
    f.Button_Delete.SetEnabled(true);
    f.Button_Delete.Click();
    EXPECT_EQ(Notices(), (std::vector<std::string>{"You MUST select a profile !"}));
    EXPECT_EQ(Ini(), kTwoProfiles);
}

}  // namespace
}  // namespace zelta::profiles
