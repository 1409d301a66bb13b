// The adapter list read again while the program runs: added, removed and renamed adapters, the chosen one kept by
// its key, every bar item leading to its own key, and a profile of an adapter that is gone not applied.
#include <gtest/gtest.h>

#include <functional>

#include "adapters/AdapterRefresh.h"
#include "apply/ActivationFlow.h"
#include "tests/adapters/AdapterRegistry.h"

namespace zelta {
namespace {

using fakes::AddAdapter;
using fakes::kHklm;
using Names = std::vector<std::string>;

const char kIni[] = "C:\\Tools\\Zelta\\Zelta.ini";
const char kSettings[] =
    "[Zelta Settings]\r\n#_profiles=1\r\n[Profile1]\r\nprofile_name=Home - Wireless\r\nIP=0.0.0.0\r\n"
    "SM=0.0.0.0\r\nGW=0.0.0.0\r\nDNS1=0.0.0.0\r\nDNS2=0.0.0.0\r\nproxy_IP=0.0.0.0\r\nproxy_port=\r\n"
    "use_ip=dhcp\r\nuse_dns=dhcp\r\nuse_proxy=0\r\nkill_browsers=0\r\nprofile_applied=0\r\n";

struct Case {
    const char* what;
    int chosen;  // the bar item clicked before the change
    std::function<void(fakes::FakeRegistry&)> change;
    bool changed;
    Names listed;      // caption>key of every item after the refresh
    std::string nic;   // the editor's adapter field afterwards
    bool homeApplies;  // the profile of "Wireless" from its tray entry
};

TEST(AdapterRefresh, TheBarFollowsTheRegistryAndKeepsTheChosenAdapterByItsKey) {
    const std::vector<Case> cases = {
        {"nothing changed",
         1,
         [](fakes::FakeRegistry&) {},
         false,
         {"Local Area Connection>{A}", "Wireless>{B}"},
         "Wireless",
         true},
        {"a USB adapter plugged in",
         1,
         [](fakes::FakeRegistry& r) { AddAdapter(r, "{C}", true, "USB Ethernet"); },
         true,
         {"Local Area Connection>{A}", "Wireless>{B}", "USB Ethernet>{C}"},
         "Wireless",
         true},
        {"another adapter removed",
         1,
         [](fakes::FakeRegistry& r) { r.RemoveKey(kHklm, fakes::kTcpip + "Adapters\\{A}"); },
         true,
         {"Wireless>{B}"},
         "Wireless",
         true},
        {"the chosen adapter renamed",
         1,
         [](fakes::FakeRegistry& r) { r.SetString(kHklm, fakes::ConnectionKey("{B}"), "Name", "Wi-Fi"); },
         true,
         {"Local Area Connection>{A}", "Wi-Fi>{B}"},
         "Wi-Fi",
         false},
        {"another adapter renamed",
         1,
         [](fakes::FakeRegistry& r) { r.SetString(kHklm, fakes::ConnectionKey("{A}"), "Name", "Ethernet"); },
         true,
         {"Ethernet>{A}", "Wireless>{B}"},
         "Wireless",
         true},
        {"the chosen adapter unplugged",
         1,
         [](fakes::FakeRegistry& r) { r.RemoveKey(kHklm, fakes::kTcpip + "Adapters\\{B}"); },
         true,
         {"Local Area Connection>{A}"},
         "Wireless",
         false},
        {"keys without connection shift nothing",
         0,
         [](fakes::FakeRegistry& r) {
             r.RemoveKey(kHklm, fakes::ConnectionKey("{A}"));
             AddAdapter(r, "NdisWanIp", false);
         },
         true,
         {"Wireless>{B}"},
         "Local Area Connection",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fakes::FakeApp app;
        AddAdapter(app.registry, "{A}", true, "Local Area Connection");
        AddAdapter(app.registry, "{B}", true, "Wireless");
        app.files.files[kIni] = kSettings;
        app.controller.FormCreate();
        app.form().XPBar_NICs.ClickItem(c.chosen);

        c.change(app.registry);
        EXPECT_EQ(adapters::RefreshAdapters(app.main), c.changed);

        Names listed;
        ASSERT_EQ(app.main.adapterEntries.size(), static_cast<std::size_t>(app.form().XPBar_NICs.Count()));
        for (int i = 0; i < app.form().XPBar_NICs.Count(); ++i) {
            const BarItem& item = app.form().XPBar_NICs.Item(i);
            EXPECT_EQ(item.caption, app.main.adapterEntries[static_cast<std::size_t>(i)].connectionName);
            listed.push_back(item.hint + ">" + app.main.adapterEntries[static_cast<std::size_t>(i)].keyName);
        }
        EXPECT_EQ(listed, c.listed);
        EXPECT_EQ(app.form().LE_NIC.Text(), c.nic);
        EXPECT_EQ(app.state().SelectedAdapterName, c.nic);
        // The last item, clicked now, reads the addresses of the key it was listed from.
        app.registry.SetMultiString(kHklm, fakes::InterfaceKey(app.main.adapterEntries.back().keyName), "IPAddress",
                                    {"10.9.8.7"});
        app.form().XPBar_NICs.ClickItem(app.form().XPBar_NICs.Count() - 1);
        EXPECT_EQ(app.form().IPA_IP.Text(), "10.9.8.7");

        const std::string before = app.files.files[kIni];
        app.notifier.notices.clear();
        app.controller.TrayMenuClick(TrayMenu::ProfilePosition(1));
        EXPECT_EQ(!app.launcher.launches.empty(), c.homeApplies);
        if (!c.homeApplies) {
            EXPECT_EQ(app.files.files[kIni], before);
            EXPECT_EQ(app.notifier.Messages(),
                      Names{"The adapter \"Wireless\" is not on this machine: the profile was not applied !"});
        }
    }
}

}  // namespace
}  // namespace zelta
