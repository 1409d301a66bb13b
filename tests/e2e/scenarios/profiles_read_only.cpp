// A read-only settings file: Save shows "Unable to write to <path>", the file stays as it was, the program runs on.
#include "app/model/ControlIds.h"
#include "tests/e2e/driver/Driver.h"
#include "tests/e2e/driver/Session.h"
#include "tests/e2e/driver/StoredProfiles.h"

using namespace zelta;

E2E_SCENARIO(profiles_read_only) {
    const std::string ini = ctx.appDir + "Zelta.ini";
    const std::string content = e2e::SettingsText({e2e::OfficeProfile().Proxy("0.0.0.0", "", "0", "0")});
    SETUP(ctx, e2e::WriteFileBytes(ini, content));
    SETUP(ctx, e2e::SetReadOnly(ini, true));

    e2e::Session app(ctx);
    if (!app.Started()) return;
    app.ClickBarItem(kId_XPBar_Profiles, 0);
    CHECK_EQ(ctx, app.Text(kId_LE_NewProfile), std::string("Office"));
    app.PostClick(kId_Button_Save);  // the handler ends in the error report, a modal box
    app.CheckErrorReport("Vok Tarvex|Unable to write to " + ini + ".", 10000);
    CHECK_EQ(ctx, e2e::ReadFileBytes(ini).value_or("<missing>"), content);

    // The program runs on: it answers, and the box it greys still follows the click.
    app.CheckRunsOn("after the error report");
    app.Click(kId_CB_UseIP);
    CHECK(ctx, !app.Enabled(kId_IPA_IP));
    app.End();
    e2e::SetReadOnly(ini, false);
}
