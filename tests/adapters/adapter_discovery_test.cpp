// Start-up's reading of the adapter list into AdapterKeyNames, the adapter entries and the "Network Interfaces" bar.
#include <gtest/gtest.h>

#include "tests/adapters/AdapterRegistry.h"

namespace zelta {
namespace {

using fakes::AddAdapter;
using Names = std::vector<std::string>;

struct Discovery : ::testing::Test {
    fakes::FakeApp app;
    void TearDown() override { EXPECT_EQ(app.registry.openKeys, 0); }

    // Each item as caption/hint>key.
    Names Listed() {
        Names listed;
        for (int i = 0; i < app.form().XPBar_NICs.Count(); ++i) {
            const BarItem& item = app.form().XPBar_NICs.Item(i);
            listed.push_back(item.caption + "/" + item.hint + ">" + app.main.adapterEntries.at(i).keyName);
        }
        return listed;
    }
};

// Read access is all discovery needs: every key here refuses write access.
TEST_F(Discovery, EveryKeyWithAConnectionKeyIsListedWithItsOwnKey) {
    AddAdapter(app.registry, "{C}", true, "z");
    AddAdapter(app.registry, "NdisWanIp", false);
    AddAdapter(app.registry, "{A}", true);
    AddAdapter(app.registry, "{B}", true, "y");
    fakes::DenyAllWriteAccess(app.registry);
    app.controller.FormCreate();
    EXPECT_EQ(app.state().AdapterKeyNames, (Names{"{C}", "NdisWanIp", "{A}", "{B}"}));
    EXPECT_EQ(Listed(), (Names{"z/z>{C}", "/>{A}", "y/y>{B}"}));
}

TEST_F(Discovery, ASingleAdapterIsListed) {
    AddAdapter(app.registry, "{A}", true, "Local Area Connection");
    app.controller.FormCreate();
    EXPECT_EQ(app.state().AdapterKeyNames, Names{"{A}"});
    EXPECT_EQ(Listed(), Names{"Local Area Connection/Local Area Connection>{A}"});
}

TEST_F(Discovery, WithoutTheAdapterListNothingIsListed) {
    app.registry.AddKey(fakes::kHklm, fakes::ConnectionKey("{A}"));
    app.controller.FormCreate();
    EXPECT_TRUE(app.state().AdapterKeyNames.empty());
    EXPECT_EQ(app.form().XPBar_NICs.Count(), 0);
}

TEST_F(Discovery, ANameOfAnotherTypeEndsDiscoveryWithTheRegistryError) {
    AddAdapter(app.registry, "{A}", true, "x");
    AddAdapter(app.registry, "{B}", true);
    app.registry.SetValue(fakes::kHklm, fakes::ConnectionKey("{B}"), "Name", platform::kRegDword, "\x01");
    EXPECT_EQ(fakes::ErrorOf([&] { app.controller.FormCreate(); }), "Invalid data type for 'Name'");
    EXPECT_EQ(app.state().AdapterKeyNames, (Names{"{A}", "{B}"}));
    EXPECT_EQ(app.form().XPBar_NICs.Count(), 0);
}

}  // namespace
}  // namespace zelta
