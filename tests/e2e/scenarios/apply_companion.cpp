// Applying profiles with the real companion beside the program: the commands run hidden and reach netsh exactly
// ("%" and "é" included), execute.log is written, nothing shows on success, one message box names the failed
// command when netsh fails, and no console window opens but the ping console. Then without the companion: the
// batch runs in a console window of its own, as before.
#include <windows.h>

#include <vector>

#include "app/model/ControlIds.h"
#include "tests/e2e/driver/ConsoleWatch.h"
#include "tests/e2e/driver/Driver.h"
#include "tests/e2e/driver/Session.h"
#include "tests/e2e/driver/StoredProfiles.h"

using namespace zelta;

namespace {

// The ping console's title: "title Vok Tarvex | ping ..." keeps the blank before the bar.
const std::string kPingConsoleTitle = "Vok Tarvex ";
constexpr int kLateConsoleMs = 3000;

// ANSI (1252) in the settings file; "ü" FC, "é" E9.
const std::string kAnsiNic = "B\xFCro 50% \xE9";
const std::string kUtf8Nic = "B\xC3\xBCro 50% \xC3\xA9";

e2e::StoredProfile Office(int number, const std::string& ip) {
    return {"Office" + std::to_string(number) + " - " + kAnsiNic, ip};
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// A visible message box captioned "Vok Tarvex" of another process than the program: the companion's.
HWND CompanionMessageBox(const e2e::Zelta& app) { return e2e::MessageBoxOfAnotherProcess(app.ProcessId()); }

void CheckOnlyThePingConsole(e2e::Context& ctx, e2e::ConsoleWatch& watch) {
    watch.WaitUntil([&] { return !watch.SeenExcept(kPingConsoleTitle).empty(); }, kLateConsoleMs);
    const auto others = watch.SeenExcept(kPingConsoleTitle);
    e2e::Check(ctx, others.empty(), "no console window but the ping console: " + e2e::Describe(others));
}

}  // namespace

E2E_SCENARIO(apply_companion) {
    const std::string netshLog = e2e::SystemFolder() + "netsh.log";
    const std::string report = ctx.appDir + "execute.log";
    SETUP(ctx, e2e::WriteFileBytes(ctx.appDir + "Zelta.ini",
                                   e2e::SettingsText({Office(1, "192.168.1.20"), Office(2, "192.168.1.21"),
                                                      Office(3, "192.168.1.22")})));

    e2e::Session app(ctx, e2e::kNetsh | e2e::kCompanion, DETACHED_PROCESS);
    if (!app.Started()) return;

    // Every command succeeds: all three reach netsh as the command interpreter would pass them, the report says
    // so, and nothing is shown.
    {
        e2e::ConsoleWatch watch;
        app.ClickBarItem(kId_XPBar_Profiles, 0);
        app.Click(kId_Button_ApplyProfile);
        CHECK(ctx, watch.WaitUntil([&] { return e2e::FileContains(report, "3 of 3 commands succeeded, 0 failed."); },
                                   30000));
        CHECK(ctx, e2e::FileLines(netshLog) == e2e::StaticArguments(kUtf8Nic, "192.168.1.20"));
        CHECK(ctx, e2e::FileLines(e2e::SystemFolder() + "netsh.console.log") == std::vector<std::string>(3, "none"));
        CHECK(ctx,
              e2e::FileContains(report, "\r\n[1] netsh int ipv4 set address name=\"" + kAnsiNic + "\" source=static"));
        CHECK(ctx, !e2e::WaitUntil([&] { return CompanionMessageBox(app) != nullptr; }, kLateConsoleMs));
        CheckOnlyThePingConsole(ctx, watch);
        CHECK(ctx, !watch.Seen().empty());  // the ping console did open
    }

    // netsh fails on the second DNS server: the companion names that command and what netsh said.
    {
        SETUP(ctx, e2e::WriteFileBytes(e2e::SystemFolder() + "netsh-fail.txt",
                                       "add dns\r\nThe DNS server specified is not valid.\r\n"));
        e2e::ConsoleWatch watch;
        app.ClickBarItem(kId_XPBar_Profiles, 1);
        app.Click(kId_Button_ApplyProfile);
        HWND box = nullptr;
        CHECK(ctx, watch.WaitUntil([&] { return (box = CompanionMessageBox(app)) != nullptr; }, 30000));
        const std::string text = box ? e2e::MessageBoxText(box) : std::string();
        CHECK(ctx, Contains(text, "not fully applied: 1 of 3 commands failed."));
        CHECK(ctx, Contains(text, "netsh int ipv4 add dns name=\"" + kAnsiNic +
                                      "\" addr=8.8.4.4 index=2 validate=no\n"
                                      "netsh said: The DNS server specified is not valid. (exit code 1)"));
        CHECK(ctx, !Contains(text, "set address"));
        // One box: no notice of a verdict besides it.
        e2e::CheckStaysFalse(
            ctx,
            [&] {
                const HWND balloon = app.VisibleBalloon();
                return balloon && Contains(e2e::WindowText(balloon), "in effect");
            },
            3000, "no notice of a verdict besides the box");
        e2e::SaveScreenshot(ctx, "apply-companion-failure");
        CHECK(ctx, e2e::FileContains(report, "2 of 3 commands succeeded, 1 failed."));
        const auto logged = e2e::FileLines(netshLog);
        CHECK(ctx, logged.size() == 6 && std::vector<std::string>(logged.begin() + 3, logged.end()) ==
                                             e2e::StaticArguments(kUtf8Nic, "192.168.1.21"));
        if (box) PostMessageA(box, WM_COMMAND, IDOK, 0);
        CHECK(ctx, e2e::WaitUntil([&] { return CompanionMessageBox(app) == nullptr; }, 10000));
        CheckOnlyThePingConsole(ctx, watch);
    }

    // Without the companion the batch opens in a console window of its own and runs there.
    {
        CHECK(ctx, DeleteFileA((ctx.appDir + "Quillet.exe").c_str()) != FALSE);
        CHECK(ctx, DeleteFileA((e2e::SystemFolder() + "netsh-fail.txt").c_str()) != FALSE);
        const std::string reportBefore = e2e::ReadFileBytes(report).value_or("");
        e2e::ConsoleWatch watch;
        app.ClickBarItem(kId_XPBar_Profiles, 2);
        app.Click(kId_Button_ApplyProfile);
        CHECK(ctx, watch.WaitUntil([&] { return e2e::FileLines(netshLog).size() == 9; }, 30000));
        const auto logged = e2e::FileLines(netshLog);
        CHECK(ctx, logged.size() == 9 && std::vector<std::string>(logged.begin() + 6, logged.end()) ==
                                             e2e::StaticArguments(kUtf8Nic, "192.168.1.22"));
        e2e::Check(ctx, watch.WaitUntil([&] { return !watch.SeenExcept(kPingConsoleTitle).empty(); }, 20000),
                   "the batch had a console window: " + e2e::Describe(watch.SeenExcept(kPingConsoleTitle)));
        CHECK_EQ(ctx, e2e::ReadFileBytes(report).value_or(""), reportBefore);  // no companion, no report
    }
}
