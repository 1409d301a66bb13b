// Twenty stored profiles: every item of the Profiles bar can be brought into view and clicked, and the
// twentieth loads with five blanks before its number; the tray menu and the counter follow.
#include "app/model/ControlIds.h"
#include "tests/e2e/driver/Driver.h"

using namespace zelta;

E2E_SCENARIO(profiles_twenty) {
    std::string ini = "[Zelta Settings]\r\n#_profiles=20\r\n";
    for (int n = 1; n <= 20; ++n) {
        ini += "[Profile" + std::to_string(n) + "]\r\nprofile_name=P" + std::to_string(n) +
               " - Local Area Connection\r\nIP=10.0.0." + std::to_string(n) +
               "\r\nSM=255.0.0.0\r\nGW=10.0.0.254\r\nDNS1=10.0.0.253\r\nDNS2=0.0.0.0\r\nproxy_IP=0.0.0.0\r\n"
               "proxy_port=\r\nuse_ip=user\r\nuse_dns=user\r\nuse_proxy=0\r\nkill_browsers=0\r\nprofile_applied=0\r\n";
    }
    CHECK(ctx, e2e::WriteFileBytes(ctx.appDir + "Zelta.ini", ini));

    e2e::Zelta app(ctx);
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
    CHECK(ctx, e2e::WaitUntil([&] { return app.VisibleBalloon() != nullptr; }, 5000));
    CHECK(ctx, e2e::ReadFileBytes(ctx.appDir + "Zelta.ini").value_or("") == ini);
    CHECK(ctx, app.BarItems(kId_XPBar_Profiles).size() == 20);
    app.Close();
    CHECK(ctx, app.WaitForExit(10000));
}
