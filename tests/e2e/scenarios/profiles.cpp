// Three stored profiles, the second one applied: the list, the label and the counter at start; loading the third
// into the editor; overwrite, add and delete through the buttons, checked byte for byte in the settings file.
#include <vector>

#include "app/model/ControlIds.h"
#include "tests/e2e/driver/Driver.h"

using namespace zelta;

namespace {

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

std::vector<std::string> Block(int number, const std::string& name, const std::vector<std::string>& values) {
    static const char* const kKeys[] = {"IP", "SM", "GW", "DNS1", "DNS2", "proxy_IP", "proxy_port", "use_ip",
                                        "use_dns", "use_proxy", "kill_browsers", "profile_applied"};
    std::vector<std::string> lines{"[Profile" + std::to_string(number) + "]", "profile_name=" + name};
    for (std::size_t i = 0; i < values.size(); ++i) lines.push_back(std::string(kKeys[i]) + "=" + values[i]);
    return lines;
}

std::string SettingsFile(const std::vector<std::string>& header, const std::vector<std::vector<std::string>>& blocks) {
    std::vector<std::string> all = header;
    for (const auto& block : blocks) all.insert(all.end(), block.begin(), block.end());
    return Lines(all);
}

const std::vector<std::string> kOffice = {"192.168.10.25", "255.255.255.0", "192.168.10.1", "192.168.10.2", "0.0.0.0",
                                          "192.168.10.5",  "3128",          "user",         "user",         "1",
                                          "0",             "0"};
const std::vector<std::string> kHome = {"0.0.0.0", "0.0.0.0", "0.0.0.0", "0.0.0.0", "0.0.0.0", "0.0.0.0",
                                        "",        "dhcp",    "dhcp",    "0",       "0",       "1"};
std::vector<std::string> Lab(const std::string& port) {
    return {"10.1.2.3", "255.0.0.0", "10.0.0.1", "10.0.0.53", "10.0.0.54", "10.0.0.8",
            port,       "user",      "dhcp",     "1",         "1",         "0"};
}

}  // namespace

E2E_SCENARIO(profiles) {
    const std::string ini = ctx.appDir + "Zelta.ini";
    SETUP(ctx, e2e::WriteFileBytes(ini, SettingsFile({"[Zelta Settings]", "#_profiles=3", "last_pai=2"},
                                                     {Block(1, "Office - Local Area Connection", kOffice),
                                                      Block(2, "Home - Wireless Network Connection", kHome),
                                                      Block(3, "Lab - Local Area Connection", Lab("8080"))})));
    e2e::Zelta app(ctx);
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
             SettingsFile({"[Zelta Settings]", "#_profiles=3", "last_pai=2"},
                          {Block(1, "Office - Local Area Connection", kOffice),
                           Block(2, "Home - Wireless Network Connection", kHome),
                           Block(3, "Lab - Local Area Connection", Lab("3129"))}));

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
             SettingsFile({"[Zelta Settings]", "#_profiles=3", "last_pai=1"},
                          {Block(1, "Home - Wireless Network Connection", kHome),
                           Block(2, "Lab - Local Area Connection", Lab("3129")),
                           Block(3, "Lab2 - Local Area Connection", Lab("3129"))}));
    const auto remaining = app.BarItems(kId_XPBar_Profiles);
    CHECK(ctx, remaining.size() == 3);
    if (remaining.size() == 3) CHECK_EQ(ctx, remaining[2], std::string("Lab2 - Local Area Connection"));
    CHECK(ctx, !app.Enabled(kId_Button_Delete));
    CHECK_EQ(ctx, app.StatusPanel0(), std::string("Used / Max Profiles: 3 / 20"));
    app.Close();
    CHECK(ctx, app.WaitForExit(10000));
}
