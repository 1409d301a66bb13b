// A connection name of a non-string type: the error report names it, the window still comes up and runs on.
#include "app/model/ControlIds.h"
#include "tests/e2e/driver/Adapters.h"
#include "tests/e2e/driver/Driver.h"
#include "tests/e2e/driver/Session.h"

using namespace zelta;

E2E_SCENARIO(adapter_registry_error) {
    e2e::AddAdapter(ctx, "{A1}", nullptr);
    e2e::RegAdd(ctx, e2e::kNetworkKey + "{A1}\\Connection\" /v Name /t REG_DWORD /d 7");

    // The report comes up during start-up, before the window is first shown.
    e2e::Session app(ctx, e2e::kNothingPlaced, 0, "", "", false);
    app.CheckErrorReport("Vok Tarvex|Invalid data type for 'Name'", 30000);
    CHECK(ctx, app.WaitForMainWindow(10000));
    if (!app.Started()) return;
    // Start-up ended at discovery: the window is there and answers.
    app.CheckRunsOn("after the error report at start-up");
    CHECK(ctx, app.BarItems(kId_XPBar_NICs).empty());
    app.Click(kId_CB_UseProxy);
    CHECK(ctx, app.Checked(kId_CB_UseProxy));
}
