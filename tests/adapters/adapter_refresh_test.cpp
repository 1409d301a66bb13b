// The adapter list read again while the program runs: every item leads to its own key, the chosen adapter is kept by
// its key, and a profile of an adapter that is gone is not applied.
#include <gtest/gtest.h>

#include <functional>

#include "adapters/AdapterRefresh.h"
#include "tests/adapters/AdapterRegistry.h"

namespace zelta {
namespace {

using fakes::kHklm;
using Names = std::vector<std::string>;

struct Case {
    const char* what;
    int chosen;  // the bar item clicked before the change
    std::function<void(fakes::FakeRegistry&)> change;
    Names listed;      // hint>key of every item afterwards
    std::string nic;   // the editor's adapter afterwards
    bool homeApplies;  // the profile of "Wireless", from its tray entry
};

TEST(AdapterRefresh, TheBarFollowsTheRegistryAndKeepsTheChosenAdapterByItsKey) {
    // An unplugged adapter's keys go: without its connection key it is no adapter of the user's.
    const auto remove = [](const char* key) {
        return [key](fakes::FakeRegistry& r) { r.keys.erase("HKLM\\" + fakes::ConnectionKey(key)); };
    };
    const auto rename = [](const char* key, const char* name) {
        return [=](fakes::FakeRegistry& r) { r.SetString(kHklm, fakes::ConnectionKey(key), "Name", name); };
    };
    const Names both = {"LAN>{A}", "Wireless>{B}"};
    const std::vector<Case> cases = {
        {"nothing changed", 1, [](fakes::FakeRegistry&) {}, both, "Wireless", true},
        {"plugged in", 1, [](fakes::FakeRegistry& r) { fakes::AddAdapter(r, "{C}", true, "USB"); },
         {"LAN>{A}", "Wireless>{B}", "USB>{C}"}, "Wireless", true},
        {"another removed", 1, remove("{A}"), {"Wireless>{B}"}, "Wireless", true},
        {"the chosen renamed", 1, rename("{B}", "Wi-Fi"), {"LAN>{A}", "Wi-Fi>{B}"}, "Wi-Fi", false},
        {"another renamed", 1, rename("{A}", "Ethernet"), {"Ethernet>{A}", "Wireless>{B}"}, "Wireless", true},
        {"the chosen unplugged", 1, remove("{B}"), {"LAN>{A}"}, "Wireless", false},
        {"keys without connection", 0,
         [&](fakes::FakeRegistry& r) {
             remove("{A}")(r);
             fakes::AddAdapter(r, "NdisWanIp", false);
         },
         {"Wireless>{B}"}, "LAN", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fakes::FakeApp app;
        fakes::AddAdapter(app.registry, "{A}", true, "LAN");
        fakes::AddAdapter(app.registry, "{B}", true, "Wireless");
        app.files.files["C:\\Tools\\Zelta\\Zelta.ini"] =
            "[Zelta Settings]\r\n#_profiles=1\r\n[Profile1]\r\nprofile_name=Home - Wireless\r\nuse_ip=dhcp\r\n";
        app.controller.FormCreate();
        app.form().XPBar_NICs.ClickItem(c.chosen);
        c.change(app.registry);
        EXPECT_EQ(adapters::RefreshAdapters(app.main), c.listed != both);

        Names listed;
        ASSERT_EQ(app.main.adapterEntries.size(), static_cast<std::size_t>(app.form().XPBar_NICs.Count()));
        for (std::size_t i = 0; i < app.main.adapterEntries.size(); ++i) {
            const BarItem& item = app.form().XPBar_NICs.Item(static_cast<int>(i));
            EXPECT_EQ(item.caption, app.main.adapterEntries[i].connectionName);
            listed.push_back(item.hint + ">" + app.main.adapterEntries[i].keyName);
        }
        EXPECT_EQ(listed, c.listed);
        EXPECT_EQ(app.form().LE_NIC.Text(), c.nic);
        EXPECT_EQ(app.state().SelectedAdapterName, c.nic);

        const std::string before = app.files.files["C:\\Tools\\Zelta\\Zelta.ini"];
        app.notifier.notices.clear();
        app.controller.TrayMenuClick(TrayMenu::ProfilePosition(1));
        EXPECT_EQ(app.launcher.launches.empty(), !c.homeApplies);
        if (c.homeApplies) continue;
        EXPECT_EQ(app.files.files["C:\\Tools\\Zelta\\Zelta.ini"], before);
        EXPECT_EQ(app.notifier.Messages(),
                  Names{"The adapter \"Wireless\" is not on this machine: the profile was not applied !"});
    }
}

}  // namespace
}  // namespace zelta
