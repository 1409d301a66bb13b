// Twenty stored profiles: every item of the Profiles bar can be brought into view and clicked, and the
// twentieth loads with five blanks before its number; the counter follows; a twenty-first is refused with its
// notice; the tray menu's last profile entry applies the twentieth.
#include "app/model/ControlIds.h"
#include "tests/e2e/driver/Driver.h"
#include "tests/e2e/driver/Session.h"
#include "tests/e2e/driver/StoredProfiles.h"

using namespace zelta;

E2E_SCENARIO(profiles_twenty) {
    std::vector<e2e::StoredProfile> profiles;
    for (int n = 1; n <= 20; ++n) {
        profiles.push_back(
            e2e::StoredProfile("P" + std::to_string(n) + " - Local Area Connection", "10.0.0." + std::to_string(n))
                .Net("255.0.0.0", "10.0.0.254", "10.0.0.253", "8.8.4.4"));
    }
    const std::string ini = e2e::SettingsText(profiles);
    SETUP(ctx, e2e::WriteFileBytes(ctx.appDir + "Zelta.ini", ini));

    e2e::Session app(ctx, e2e::kNetsh);
    if (!app.Started()) return;
    CHECK_EQ(ctx, app.StatusPanel0(), std::string("Used / Max Profiles: 20 / 20"));
    CHECK(ctx, app.BarItems(kId_XPBar_Profiles).size() == 20);

    HWND bar = app.Control(kId_XPBar_Profiles);
    HWND last = app.BarItem(kId_XPBar_Profiles, 19);
    CHECK(ctx, last != nullptr);
    if (!last) return;
    auto insideBar = [&](HWND item) {
        RECT barRect;
        RECT itemRect;
        GetWindowRect(bar, &barRect);
        GetWindowRect(item, &itemRect);
        return itemRect.top >= barRect.top && itemRect.bottom <= barRect.bottom;
    };
    // More items than room: the bar scrolls, and the last item is out of view until scrolled to.
    HWND body = GetParent(last);
    CHECK(ctx, (GetWindowLongA(body, GWL_STYLE) & WS_VSCROLL) != 0);
    CHECK(ctx, !insideBar(last));
    PostMessageA(body, WM_VSCROLL, SB_BOTTOM, 0);
    CHECK(ctx, e2e::WaitUntil([&] { return insideBar(last); }, 5000));
    CHECK(ctx, !insideBar(app.BarItem(kId_XPBar_Profiles, 0)));
    e2e::SaveScreenshot(ctx, "twenty-profiles");

    app.ClickBarItem(kId_XPBar_Profiles, 19);
    CHECK_EQ(ctx, app.Text(kId_LE_ProfileID), std::string("     20"));
    CHECK_EQ(ctx, app.Text(kId_LE_NewProfile), std::string("P20"));
    CHECK_EQ(ctx, app.Text(kId_IPA_IP), std::string("10.0.0.20"));
    app.ClickBarItem(kId_XPBar_Profiles, 11);
    CHECK_EQ(ctx, app.Text(kId_LE_ProfileID), std::string("       12"));

    // A twenty-first profile is refused and the file stays as it was.
    app.SetText(kId_LE_NewProfile, "P21");
    app.Click(kId_Button_Save);
    app.CheckNotice("Max number of profiles = 20 !", 5000);
    CHECK(ctx, e2e::ReadFileBytes(ctx.appDir + "Zelta.ini").value_or("") == ini);
    CHECK(ctx, app.BarItems(kId_XPBar_Profiles).size() == 20);

    // The tray menu lists all twenty: its last profile entry ("Exit" and the web site come first) applies P20.
    app.ChooseTrayEntry(22);
    CHECK(ctx, e2e::WaitUntil(
                   [&] { return app.Text(kId_L_ProfileActivated) == "Profile Activated: P20 - Local Area Connection"; },
                   10000));
    e2e::CheckNetshReceived(
        ctx,
        {"int ipv4 set address name=\"Local Area Connection\" source=static addr=10.0.0.20 "
         "mask=255.0.0.0 gateway=10.0.0.254 gwmetric=1",
         "int ipv4 set dns name=\"Local Area Connection\" source=static addr=10.0.0.253 validate=no",
         "int ipv4 add dns name=\"Local Area Connection\" addr=8.8.4.4 index=2 validate=no"},
        20000);
}
