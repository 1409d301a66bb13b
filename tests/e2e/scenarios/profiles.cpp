// Three stored profiles, the second one applied: the list, the label and the counter at start; loading the third
// into the editor; overwrite, add and delete through the buttons, checked byte for byte in the settings file.
#include <vector>

#include "app/model/ControlIds.h"
#include "tests/e2e/driver/Driver.h"
#include "tests/e2e/driver/Session.h"
#include "tests/e2e/driver/StoredProfiles.h"

using namespace zelta;

namespace {

e2e::StoredProfile Lab(const std::string& name, const std::string& port) {
    e2e::StoredProfile p(name + " - Local Area Connection", "10.1.2.3");
    p.useDns = "dhcp";
    return p.Net("255.0.0.0", "10.0.0.1", "10.0.0.53", "10.0.0.54").Proxy("10.0.0.8", port, "1", "1");
}

}  // namespace

E2E_SCENARIO(profiles) {
    const std::string ini = ctx.appDir + "Zelta.ini";
    const std::string stored =
        e2e::SettingsText({e2e::OfficeProfile(), e2e::HomeProfile(), Lab("Lab", "8080")}, "last_pai=2\r\n");
    SETUP(ctx, e2e::WriteFileBytes(ini, stored));
    e2e::Session app(ctx);
    if (!app.Started()) return;

    const auto items = app.BarItems(kId_XPBar_Profiles);
    CHECK(ctx, items.size() == 3);
    if (items.size() == 3) CHECK_EQ(ctx, items[1], std::string("Home - Wireless Network Connection"));
    CHECK_EQ(ctx, app.Text(kId_L_ProfileActivated), std::string("Profile Activated: Home - Wireless Network Connection"));
    CHECK_EQ(ctx, app.StatusPanel0(), std::string("Used / Max Profiles: 3 / 20"));

    // The third item loads Profile3 into every field.
    app.ClickBarItem(kId_XPBar_Profiles, 2);
    CHECK_EQ(ctx, app.Text(kId_LE_NewProfile), std::string("Lab"));
    CHECK_EQ(ctx, app.Text(kId_LE_NIC), std::string("Local Area Connection"));
    CHECK_EQ(ctx, app.Text(kId_LE_ProfileID), std::string("       3"));
    CHECK_EQ(ctx, app.Text(kId_IPA_IP), std::string("10.1.2.3"));
    CHECK_EQ(ctx, app.Text(kId_IPA_SM), std::string("255.0.0.0"));
    CHECK_EQ(ctx, app.Text(kId_IPA_GW), std::string("10.0.0.1"));
    CHECK_EQ(ctx, app.Text(kId_IPA_DNS1), std::string("10.0.0.53"));
    CHECK_EQ(ctx, app.Text(kId_IPA_DNS2), std::string("10.0.0.54"));
    CHECK_EQ(ctx, app.Text(kId_IPA_Proxy), std::string("10.0.0.8"));
    CHECK_EQ(ctx, app.Text(kId_LE_Port), std::string("8080"));
    CHECK(ctx, app.Checked(kId_CB_UseIP) && !app.Checked(kId_CB_UseDNS));
    CHECK(ctx, app.Checked(kId_CB_UseProxy) && app.Checked(kId_CB_KillBrowsers));
    CHECK(ctx, app.Enabled(kId_Button_Save) && app.Enabled(kId_Button_Delete) && app.Enabled(kId_Button_ApplyProfile));

    // The applied profile can be neither saved over nor deleted straight after loading.
    app.ClickBarItem(kId_XPBar_Profiles, 1);
    CHECK(ctx, !app.Enabled(kId_Button_Save) && !app.Enabled(kId_Button_Delete) &&
                   !app.Enabled(kId_Button_ApplyProfile));

    // Overwrite in place: same name, another port.
    app.ClickBarItem(kId_XPBar_Profiles, 2);
    app.SetText(kId_LE_Port, "3129");
    app.Click(kId_Button_Save);
    const auto afterOverwrite = e2e::ReadFileBytes(ini);
    CHECK_EQ(ctx, afterOverwrite.value_or("<missing>"),
             e2e::SettingsText({e2e::OfficeProfile(), e2e::HomeProfile(), Lab("Lab", "3129")}, "last_pai=2\r\n"));

    // A new name adds profile 4 at the end, with its list item and the saved notice.
    app.SetText(kId_LE_NewProfile, "Lab2");
    app.Click(kId_Button_Save);
    CHECK(ctx, app.BarItems(kId_XPBar_Profiles).size() == 4);
    CHECK_EQ(ctx, app.StatusPanel0(), std::string("Used / Max Profiles: 4 / 20"));
    app.CheckNotice("Profile was saved !", 5000);

    // Deleting profile 1 renumbers the rest; the applied profile keeps its mark under its new number.
    app.ClickBarItem(kId_XPBar_Profiles, 0);
    app.Click(kId_Button_Delete);
    const auto afterDelete = e2e::ReadFileBytes(ini);
    CHECK_EQ(ctx, afterDelete.value_or("<missing>"),
             e2e::SettingsText({e2e::HomeProfile(), Lab("Lab", "3129"), Lab("Lab2", "3129")}, "last_pai=1\r\n"));
    const auto remaining = app.BarItems(kId_XPBar_Profiles);
    CHECK(ctx, remaining.size() == 3);
    if (remaining.size() == 3) CHECK_EQ(ctx, remaining[2], std::string("Lab2 - Local Area Connection"));
    CHECK(ctx, !app.Enabled(kId_Button_Delete));
    CHECK_EQ(ctx, app.StatusPanel0(), std::string("Used / Max Profiles: 3 / 20"));
}
