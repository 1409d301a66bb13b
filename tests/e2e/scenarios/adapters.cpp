// Three adapters prepared in the registry: listed in enumeration order, and a click fills the adapter field and
// the five address fields from the adapter's own key; a key without connection name shifts nothing. An adapter
// plugged in and unplugged while the program runs comes and goes in the bar.
#include <windows.h>

#include <cstdio>

#include "app/model/ControlIds.h"
#include "tests/e2e/driver/Adapters.h"
#include "tests/e2e/driver/Driver.h"
#include "tests/e2e/driver/Session.h"

using namespace zelta;

E2E_SCENARIO(adapters) {
    // The registry enumerates keys sorted by name: {A1} first (a real adapter), {B2} without a connection key.
    e2e::AddAdapter(ctx, "{A1}", "Local Area Connection");
    e2e::AddAdapter(ctx, "{B2}", nullptr);
    e2e::AddAdapter(ctx, "{C3}", "Wireless Network Connection");
    e2e::AddAdapter(ctx, "{D4}", "VPN");
    e2e::AddAddresses(ctx, "{A1}", "192.168.10.25\\010.0.0.9", "255.255.255.0", "192.168.10.1",
                      "192.168.10.2,192.168.10.3");
    e2e::AddAddresses(ctx, "{B2}", "172.16.0.5", "255.255.0.0", "172.16.0.1", "172.16.0.2");
    e2e::AddAddresses(ctx, "{C3}", "10.1.2.3", "255.0.0.0", "10.0.0.1", "10.0.0.53");

    e2e::Session app(ctx);
    if (!app.Started()) return;
    const auto items = app.BarItems(kId_XPBar_NICs);
    CHECK(ctx, items.size() == 3);
    if (items.size() == 3) {
        CHECK_EQ(ctx, items[0], std::string("Local Area Connection"));
        CHECK_EQ(ctx, items[1], std::string("Wireless Network Connection"));
        CHECK_EQ(ctx, items[2], std::string("VPN"));
    }

    app.ClickBarItem(kId_XPBar_NICs, 1);
    CHECK_EQ(ctx, app.Text(kId_LE_NIC), std::string("Wireless Network Connection"));
    CHECK_EQ(ctx, app.Text(kId_IPA_IP), std::string("10.1.2.3"));
    CHECK_EQ(ctx, app.Text(kId_IPA_SM), std::string("255.0.0.0"));
    CHECK_EQ(ctx, app.Text(kId_IPA_GW), std::string("10.0.0.1"));
    CHECK_EQ(ctx, app.Text(kId_IPA_DNS1), std::string("10.0.0.53"));
    CHECK_EQ(ctx, app.Text(kId_IPA_DNS2), std::string("0.0.0.0"));
    CHECK(ctx, !app.Enabled(kId_Button_Save));

    app.ClickBarItem(kId_XPBar_NICs, 0);
    CHECK_EQ(ctx, app.Text(kId_LE_NIC), std::string("Local Area Connection"));
    CHECK_EQ(ctx, app.Text(kId_IPA_IP), std::string("192.168.10.25"));
    CHECK_EQ(ctx, app.Text(kId_IPA_DNS1), std::string("192.168.10.2"));
    CHECK_EQ(ctx, app.Text(kId_IPA_DNS2), std::string("192.168.10.3"));

    // An adapter without addresses empties every field.
    app.ClickBarItem(kId_XPBar_NICs, 2);
    CHECK_EQ(ctx, app.Text(kId_LE_NIC), std::string("VPN"));
    for (int id : {kId_IPA_IP, kId_IPA_SM, kId_IPA_GW, kId_IPA_DNS1, kId_IPA_DNS2}) {
        CHECK_EQ(ctx, app.Text(id), std::string("0.0.0.0"));
    }

    // With an adapter chosen, a name makes Save possible.
    app.SetText(kId_LE_NewProfile, "Office");
    CHECK(ctx, app.Enabled(kId_Button_Save));
    app.SetText(kId_LE_NewProfile, "");
    CHECK(ctx, !app.Enabled(kId_Button_Save));

    // A USB adapter plugged in and unplugged while the program runs: the bar follows in registry order (the time it
    // took is printed, not judged), and the new item leads to its own key.
    using Items = std::vector<std::string>;
    const Items three = {"Local Area Connection", "Wireless Network Connection", "VPN"};
    ULONGLONG changed = GetTickCount64();
    e2e::AddAdapter(ctx, "{E5}", "USB Ethernet");
    e2e::AddAddresses(ctx, "{E5}", "10.7.7.7", "255.255.255.0", "10.7.7.1", "10.7.7.53");
    Items four = three;
    four.push_back("USB Ethernet");
    CHECK(ctx, e2e::WaitUntil([&] { return app.BarItems(kId_XPBar_NICs) == four; }, 10000));
    std::printf("listed %llu ms after its first key was written\n", GetTickCount64() - changed);
    app.ClickBarItem(kId_XPBar_NICs, 3);
    CHECK_EQ(ctx, app.Text(kId_IPA_IP), std::string("10.7.7.7"));
    changed = GetTickCount64();
    CHECK(ctx, e2e::RunAndWait("reg.exe delete " + e2e::kAdaptersKey + "{E5}\" /f", 30000) == 0);
    CHECK(ctx, e2e::WaitUntil([&] { return app.BarItems(kId_XPBar_NICs) == three; }, 10000));
    std::printf("gone %llu ms after its key was deleted\n", GetTickCount64() - changed);
}
