// A read-only settings file: Save shows "Unable to write to <path>", the file stays as it was, the program runs on.
#include "app/model/ControlIds.h"
#include "tests/e2e/driver/Driver.h"

using namespace zelta;

E2E_SCENARIO(profiles_read_only) {
    const std::string ini = ctx.appDir + "Zelta.ini";
    const std::string content =
        "[Zelta Settings]\r\n#_profiles=1\r\n[Profile1]\r\nprofile_name=Office - Local Area Connection\r\n"
        "IP=192.168.10.25\r\nSM=255.255.255.0\r\nGW=192.168.10.1\r\nDNS1=192.168.10.2\r\nDNS2=0.0.0.0\r\n"
        "proxy_IP=0.0.0.0\r\nproxy_port=\r\nuse_ip=user\r\nuse_dns=user\r\nuse_proxy=0\r\nkill_browsers=0\r\n"
        "profile_applied=0\r\n";
    SETUP(ctx, e2e::WriteFileBytes(ini, content));
    SETUP(ctx, e2e::SetReadOnly(ini, true));

    e2e::Zelta app(ctx);
    if (!app.Started()) return;
    app.ClickBarItem(kId_XPBar_Profiles, 0);
    CHECK_EQ(ctx, app.Text(kId_LE_NewProfile), std::string("Office"));
    app.PostClick(kId_Button_Save);  // the handler ends in the error report, a modal box
    const auto report = app.TakeErrorReport(10000);
    CHECK(ctx, report.has_value());
    if (report) CHECK_EQ(ctx, *report, "Vok Tarvex|Unable to write to " + ini + ".");
    CHECK_EQ(ctx, e2e::ReadFileBytes(ini).value_or("<missing>"), content);

    // The program runs on: it answers, and the box it greys still follows the click.
    app.CheckRunsOn("after the error report");
    app.Click(kId_CB_UseIP);
    CHECK(ctx, !app.Enabled(kId_IPA_IP));
    app.Close();
    CHECK(ctx, app.WaitForExit(10000));
    e2e::SetReadOnly(ini, false);
}
