// The main window's own rules: start-up states, check-box groups, the Save rule, the port notice, the counter.
#include <gtest/gtest.h>

#include "tests/fakes/HandlerTest.h"

namespace zelta {
namespace {

struct FormRules : fakes::HandlerTest {
    void SetUp() override { Start(); }
};

TEST(FormCreation, ControlsStartAsDesigned) {
    fakes::FakeApp app;
    Form1& f = app.form();
    EXPECT_TRUE(f.CB_UseIP.Checked());
    EXPECT_FALSE(f.CB_UseDNS.Checked());
    EXPECT_FALSE(f.JvSwitch1.Visible());
    EXPECT_FALSE(f.Button_ActDeact.Visible());
    EXPECT_FALSE(f.Button_Save.Enabled());
    EXPECT_FALSE(f.Button_Delete.Enabled());
    EXPECT_TRUE(f.Button_ApplyProfile.Enabled());
    EXPECT_FALSE(f.CB_KillBrowsers.Enabled());
    EXPECT_EQ(f.IPA_DNS2.Text(), "0.0.0.0");
    EXPECT_EQ(f.StatusBar1.PanelText(0), "Max Profiles: 20");
    EXPECT_FALSE(f.XPBar_Contact.Expanded());
    ASSERT_EQ(f.XPBar_Contact.Count(), 2);
    EXPECT_EQ(f.XPBar_Contact.Item(1).hint, "Visit Vok CORP. ONLINE");
    EXPECT_EQ(f.Label2.Text(), "Yet to function on  Win servers.");
    EXPECT_EQ(f.All().size(), 48u);
    // The state record starts empty.
    EXPECT_FALSE(app.state().UseIP);
    EXPECT_EQ(app.state().SelectedProfileIndex, 0);
}

TEST_F(FormRules, StartUpChecksDnsThroughItsHandlerAndDisablesTheProxyGroup) {
    EXPECT_TRUE(s.UseIP);
    EXPECT_TRUE(f.CB_UseDNS.Checked());
    EXPECT_TRUE(s.UseDNS);
    EXPECT_TRUE(f.IPA_DNS1.Enabled());
    EXPECT_FALSE(f.SGB_UseProxy.Enabled());
    EXPECT_FALSE(f.LE_Port.Enabled());
    EXPECT_FALSE(s.UseProxy);
    EXPECT_EQ(s.ProgramDir, "C:\\Tools\\Zelta\\");
    EXPECT_EQ(f.StatusBar1.PanelText(0), "Used / Max Profiles: 0 / 20");
    EXPECT_TRUE(app.notifier.notices.empty());
}

TEST_F(FormRules, UncheckingUseIpLeavesDnsAloneAndCheckingAgainChecksDns) {
    f.CB_UseIP.Click();
    EXPECT_FALSE(s.UseIP);
    EXPECT_FALSE(f.IPA_IP.Enabled());
    EXPECT_FALSE(f.Label_UseIP_GW.Enabled());
    EXPECT_TRUE(f.CB_UseDNS.Checked());
    EXPECT_TRUE(f.IPA_DNS1.Enabled());

    f.CB_UseDNS.Click();
    EXPECT_FALSE(s.UseDNS);
    EXPECT_FALSE(f.IPA_DNS2.Enabled());

    f.CB_UseIP.SetChecked(true);  // a program change runs the handler as a click does
    EXPECT_TRUE(f.IPA_SM.Enabled());
    EXPECT_TRUE(f.CB_UseDNS.Checked());
    EXPECT_TRUE(s.UseDNS);
    EXPECT_TRUE(f.SGB_UseDNS.Enabled());
}

TEST_F(FormRules, UncheckingUseProxyKeepsTheKillBrowsersMark) {
    f.CB_UseProxy.Click();
    EXPECT_TRUE(f.CB_KillBrowsers.Enabled());
    f.CB_KillBrowsers.Click();
    EXPECT_TRUE(s.KillBrowsers);
    f.CB_UseProxy.Click();
    EXPECT_FALSE(f.CB_KillBrowsers.Enabled());
    EXPECT_TRUE(f.CB_KillBrowsers.Checked());
    EXPECT_TRUE(s.KillBrowsers);
}

TEST_F(FormRules, SaveNeedsAnAdapterAndANonEmptyName) {
    f.LE_NewProfile.SetText("Office");
    EXPECT_FALSE(f.Button_Save.Enabled()) << "no adapter chosen yet";
    f.LE_NIC.SetText("Local Area Connection");
    EXPECT_TRUE(f.JvSwitch1.Enabled());
    EXPECT_TRUE(f.Button_Save.Enabled());
    f.LE_NewProfile.SetText("");
    EXPECT_FALSE(f.Button_Save.Enabled());
    f.LE_NewProfile.SetText("Home");
    EXPECT_TRUE(f.Button_Save.Enabled());
}

TEST_F(FormRules, NameChangeWithoutAdapterKeepsWhateverStateSaveHad) {
    f.Button_Save.SetEnabled(true);  // as loading a profile may leave it
    f.LE_NewProfile.SetText("Office");
    EXPECT_TRUE(f.Button_Save.Enabled());
}

TEST_F(FormRules, PortNoticeOnEveryChangeToFiveCharacters) {
    f.CB_UseProxy.Click();
    for (const char* text : {"3", "31", "312", "3128"}) f.LE_Port.SetText(text);
    EXPECT_TRUE(app.notifier.notices.empty());
    f.LE_Port.SetText("31280");
    f.LE_Port.SetText("3128");
    f.LE_Port.SetText("31281");
    f.LE_Port.SetText("31281");  // no change, no notice
    ASSERT_EQ(app.notifier.notices.size(), 2u);
    EXPECT_EQ(app.notifier.notices[0].message, "Max length = 5 !");
    EXPECT_EQ(app.notifier.notices[0].header, "Vok Tarvex");
    EXPECT_EQ(app.notifier.notices[0].timeMs, 5000u);
    EXPECT_EQ(f.LE_Port.maxLength, 5);
}

TEST_F(FormRules, CounterCountsProfileItems) {
    for (const char* name : {"a - x", "b - x", "c - x"}) f.XPBar_Profiles.AddItem({name, name});
    UpdateProfileCounter(app.main);
    EXPECT_EQ(f.StatusBar1.PanelText(0), "Used / Max Profiles: 3 / 20");
}

TEST(WindowDragging, ClientAreaPressesMoveTheWindow) {
    EXPECT_EQ(WMNCHitTest(1), 2);   // client area becomes caption
    EXPECT_EQ(WMNCHitTest(20), 20); // the close box stays the close box
    EXPECT_EQ(WMNCHitTest(0), 0);
}

TEST(ErrorReport, DotIsAppendedOnlyAfterCharactersSortingAfterIt) {
    EXPECT_EQ(ErrorReportText("Unable to write to C:\\x.ini"), "Unable to write to C:\\x.ini.");
    EXPECT_EQ(ErrorReportText("Already ends."), "Already ends.");
    EXPECT_EQ(ErrorReportText("Max length = 5 !"), "Max length = 5 !");
    EXPECT_EQ(ErrorReportText("List index out of bounds (7)"), "List index out of bounds (7)");
    EXPECT_EQ(ErrorReportText(""), "");
}

TEST(AddressField, ShowsADottedQuadWhateverItIsGiven) {
    EXPECT_EQ(NormalizeDottedQuad(""), "0.0.0.0");
    EXPECT_EQ(NormalizeDottedQuad(std::string("10.0.0.5\0" "10.0.0.6\0", 18)), "10.0.0.5");
    EXPECT_EQ(NormalizeDottedQuad("192.168.1"), "192.168.1.0");
    EXPECT_EQ(NormalizeDottedQuad("300.1.2.3"), "255.1.2.3");
    EXPECT_EQ(NormalizeDottedQuad(" 10.0.0.1"), "0.0.0.1");
}

}  // namespace
}  // namespace zelta
