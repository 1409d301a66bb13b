// Clicking an adapter: LE_NIC, the chosen adapter, its addresses from its own key, and the Save rule.
#include <gtest/gtest.h>

#include "adapters/AdapterSelection.h"
#include "tests/adapters/AdapterRegistry.h"

namespace zelta {
namespace {

using fakes::InterfaceKey;
using fakes::kHklm;
using Texts = std::vector<std::string>;

struct Selection : ::testing::Test {
    fakes::FakeApp app;
    Form1& f = app.form();

    // Items 0 and 1 lead to {A} and {C}; {NOCONN} between them has addresses but no connection key.
    void SetUp() override {
        const char* adapters[][6] = {{"{A}", "x", "10.0.0.5", "255.0.0.0", "10.0.0.1", "10.0.0.53,10.0.0.54"},
                                     {"{NOCONN}", nullptr, "9.9.9.9", "255.255.255.255", "9.9.9.1", "9.9.9.53"},
                                     {"{C}", "z", "192.168.7.42", "255.255.255.0", "192.168.7.1", "192.168.7.53"}};
        for (const auto& a : adapters) {
            fakes::AddAdapter(app.registry, a[0], a[1] != nullptr,
                              a[1] ? std::optional<std::string>(a[1]) : std::nullopt);
            app.registry.SetMultiString(kHklm, InterfaceKey(a[0]), "IPAddress", {a[2], "10.9.9.9"});
            app.registry.SetMultiString(kHklm, InterfaceKey(a[0]), "SubnetMask", {a[3]});
            app.registry.SetMultiString(kHklm, InterfaceKey(a[0]), "DefaultGateway", {a[4]});
            app.registry.SetString(kHklm, InterfaceKey(a[0]), "NameServer", a[5]);
        }
        app.controller.FormCreate();
    }
    void TearDown() override { EXPECT_EQ(app.registry.openKeys, 0); }

    Texts Fields() { return {f.IPA_IP.Text(), f.IPA_SM.Text(), f.IPA_GW.Text(), f.IPA_DNS1.Text(), f.IPA_DNS2.Text()}; }
};

// Read access is all a click needs: every key here refuses write access.
TEST_F(Selection, AClickShowsTheFirstAddressesOfTheItemsOwnKey) {
    fakes::DenyAllWriteAccess(app.registry);
    f.XPBar_NICs.ClickItem(1);
    EXPECT_EQ(f.LE_NIC.Text(), "z");
    EXPECT_EQ(app.state().SelectedAdapterName, "z");
    EXPECT_EQ(Fields(), (Texts{"192.168.7.42", "255.255.255.0", "192.168.7.1", "192.168.7.53", "0.0.0.0"}));
    f.XPBar_NICs.ClickItem(0);
    EXPECT_EQ(Fields(), (Texts{"10.0.0.5", "255.0.0.0", "10.0.0.1", "10.0.0.53", "10.0.0.54"}));
}

TEST_F(Selection, MissingOrUnreadableValuesEmptyThePreviousAdapterFields) {
    app.registry.keys.erase("HKLM\\" + InterfaceKey("{C}"));
    f.XPBar_NICs.ClickItem(0);
    f.XPBar_NICs.ClickItem(1);
    EXPECT_EQ(Fields(), Texts(5, "0.0.0.0"));

    app.registry.SetString(kHklm, InterfaceKey("{C}"), "NameServer", "");
    app.registry.SetString(kHklm, InterfaceKey("{C}"), "IPAddress", "192.168.7.42");  // not a multi-string
    f.XPBar_NICs.ClickItem(0);
    f.XPBar_NICs.ClickItem(1);
    EXPECT_EQ(Fields(), Texts(5, "0.0.0.0"));
}

TEST_F(Selection, ANameServerOfAnotherTypeEndsTheClickBeforeAnyFieldIsSet) {
    app.registry.SetMultiString(kHklm, InterfaceKey("{C}"), "NameServer", {"1"});
    EXPECT_EQ(fakes::ErrorOf([&] { f.XPBar_NICs.ClickItem(1); }), "Invalid data type for 'NameServer'");
    EXPECT_EQ(app.state().SelectedAdapterName, "z");
    EXPECT_EQ(Fields(), Texts(5, "0.0.0.0"));
}

TEST(SplitNameServers, SplitsAtTheFirstCommaOnlyAndKeepsBlanks) {
    const Texts cases[] = {{"10.0.0.1,10.0.0.2", "10.0.0.1", "10.0.0.2"},
                           {"10.0.0.1,10.0.0.2,10.0.0.3", "10.0.0.1", "10.0.0.2,10.0.0.3"},
                           {"10.0.0.1 10.0.0.2", "10.0.0.1 10.0.0.2", ""},
                           {"10.0.0.1, 10.0.0.2", "10.0.0.1", " 10.0.0.2"},
                           {"", "", ""}};
    for (const Texts& c : cases) {
        const adapters::NameServers split = adapters::SplitNameServers(c[0]);
        EXPECT_EQ(Texts(split.begin(), split.end()), Texts(c.begin() + 1, c.end())) << c[0];
    }
}

TEST_F(Selection, OnlyAChangeOfAdapterAppliesTheSaveRule) {
    f.XPBar_NICs.ClickItem(0);
    EXPECT_TRUE(f.JvSwitch1.Enabled());
    EXPECT_FALSE(f.Button_Save.Enabled());
    f.LE_NewProfile.SetText("Office");
    f.Button_Save.SetEnabled(false);
    f.XPBar_NICs.ClickItem(1);
    EXPECT_TRUE(f.Button_Save.Enabled());

    f.Button_Save.SetEnabled(false);
    f.JvSwitch1.SetEnabled(false);
    f.XPBar_NICs.ClickItem(1);  // LE_NIC keeps its text
    EXPECT_FALSE(f.Button_Save.Enabled());
    EXPECT_FALSE(f.JvSwitch1.Enabled());
}

}  // namespace
}  // namespace zelta
