// zdriver.exe SCENARIO APP_FOLDER ARTIFACTS_FOLDER: runs one end-to-end scenario, prints one line per check and
// a closing "N passed, N failed" line; the exit code is the number of failed checks.
// zdriver.exe --screenshot FILE: waits for the main window of a running Zelta.exe, saves a screenshot, closes it.
#include <cstdio>
#include <string>

#include "app/model/ControlIds.h"
#include "platform/ProductNames.h"
#include "tests/e2e/driver/Driver.h"

namespace {
int TakeRunScreenshot(const std::string& file) {
    e2e::Context ctx;
    HWND main = nullptr;
    e2e::WaitUntil(
        [&] { return (main = FindWindowA(zelta::kMainWindowClass, nullptr)) != nullptr && IsWindowVisible(main); },
        60000);
    if (!main) {
        std::printf("no main window appeared\n");
        return 1;
    }
    Sleep(1500);  // let the banner and the first captions paint: this is a picture for people, not a check
    e2e::SaveScreenshot(ctx, file);
    PostMessageA(main, WM_CLOSE, 0, 0);
    return ctx.failures == 0 ? 0 : 1;
}
}  // namespace

int main(int argc, char** argv) {
    // Positions, sizes and screen pixels are compared in physical pixels at every display scaling.
    SetProcessDPIAware();
    if (argc == 3 && std::string(argv[1]) == "--screenshot") return TakeRunScreenshot(argv[2]);
    if (argc != 4) {
        std::printf("usage: zdriver SCENARIO APP_FOLDER ARTIFACTS_FOLDER\n");
        return 2;
    }
    e2e::ScenarioFn scenario = e2e::FindScenario(argv[1]);
    if (!scenario) {
        std::printf("no scenario named %s\n", argv[1]);
        return 2;
    }
    e2e::Context ctx;
    ctx.appDir = argv[2];
    ctx.artifactsDir = argv[3];
    if (ctx.appDir.back() != '\\') ctx.appDir += '\\';
    if (ctx.artifactsDir.back() != '\\') ctx.artifactsDir += '\\';
    ctx.helpersDir = ctx.artifactsDir + "..\\helpers\\";
    ctx.companionDir = ctx.artifactsDir + "..\\companion\\";
    scenario(ctx);
    if (ctx.checks == 0) e2e::Check(ctx, false, "the scenario made no check");
    std::printf("%d passed, %d failed\n", ctx.checks - ctx.failures, ctx.failures);
    return ctx.failures == 0 ? 0 : 1;
}
