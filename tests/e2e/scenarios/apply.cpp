// Applying profiles from the Apply button and the tray menu: execute.bat in the program folder byte for byte, the
// command lines that really reach netsh (a stand-in in the system folder records them, "%" and "é" included),
// the settings file's record, the window, the greyed tray entry, the notice and the ping console; the companion
// started hidden instead of the batch when it is there; an unsafe stored text refused with nothing changed.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "app/model/ControlIds.h"
#include "tests/e2e/driver/Driver.h"
#include "tests/e2e/driver/Session.h"
#include "tests/e2e/driver/StoredProfiles.h"

using namespace zelta;

namespace {

// The ANSI text of the settings file: "é" is byte E9.
const std::string kFrenchAdapter = "Connexion au r\xE9seau local";
const std::string kSettings = e2e::SettingsText({{"Office - Local Area Connection"},
                                                 {"Maison - " + kFrenchAdapter, "0.0.0.0", "dhcp"},
                                                 {"Lab - LAN 50%", "10.0.0.7"},
                                                 {"Trap - LAN", "10.0.0.8 & echo pwned>pwned.txt"}});

// The batch file of a static profile: each line as netsh receives it, after "netsh ".
std::string StaticLines(const std::string& nic, const std::string& ip) {
    std::string text;
    for (const std::string& arguments : e2e::StaticArguments(nic, ip)) text += "netsh " + arguments + "\r\n";
    return text;
}

// The ping console: a window of another process that carries the product's title.
std::vector<HWND> PingConsoles(const e2e::Zelta& app) {
    // "title Vok Tarvex | ping ..." keeps the blank before the bar in the title.
    return e2e::TopLevelWindows([&](HWND window) {
        return IsWindowVisible(window) && e2e::ProcessOf(window) != app.ProcessId() &&
               e2e::WindowText(window) == "Vok Tarvex ";
    });
}

}  // namespace

E2E_SCENARIO(apply) {
    const std::string ini = ctx.appDir + "Zelta.ini";
    const std::string batch = ctx.appDir + "execute.bat";
    const std::string netshLog = e2e::SystemFolder() + "netsh.log";
    SETUP(ctx, e2e::WriteFileBytes(ini, kSettings));

    // Started as a user starts it, without a console of the driver's: the consoles it opens get windows.
    e2e::Session app(ctx, e2e::kNetsh, DETACHED_PROCESS);
    if (!app.Started()) return;

    // The tray menu's second profile: "Exit", the web site, profile 1, profile 2.
    app.ChooseTrayEntry(4);
    const std::string maisonBatch =
        "netsh int ipv4 set address name=\"Connexion au r\x82seau local\" source=dhcp\r\n"
        "netsh int ipv4 set dns name=\"Connexion au r\x82seau local\" source=dhcp\r\n";
    CHECK(ctx, e2e::WaitUntil([&] { return e2e::ReadFileBytes(batch).value_or("") == maisonBatch; }, 15000));
    CHECK_EQ(ctx, e2e::ReadFileBytes(batch).value_or("<missing>"), maisonBatch);  // the console code page: E9 -> 82
    // The batch ran in a console of its own and handed the name to netsh with its "é" intact (UTF-8 in the log).
    std::vector<std::string> received = e2e::DhcpArguments("Connexion au r\xC3\xA9seau local");
    e2e::CheckNetshReceived(ctx, received, 20000);
    CHECK_EQ(ctx, app.Text(kId_L_ProfileActivated), "Profile Activated: Maison - " + kFrenchAdapter);
    CHECK_EQ(ctx, app.Text(kId_LE_NewProfile), std::string("Maison"));
    CHECK_EQ(ctx, app.Text(kId_LE_NIC), kFrenchAdapter);
    CHECK(ctx, !app.Enabled(kId_Button_ApplyProfile));
    app.CheckNotice("Maison - " + kFrenchAdapter + " is activated !", 5000);
    const auto afterTray = e2e::ReadFileBytes(ini).value_or("");
    std::string expected = kSettings;
    expected.replace(expected.find("#_profiles=4\r\n"), 14, "#_profiles=4\r\nlast_pai=2\r\n");
    const std::size_t maisonMark = expected.find("profile_applied=0", expected.find("[Profile2]"));
    expected.replace(maisonMark, 17, "profile_applied=1");
    CHECK_EQ(ctx, afterTray, expected);
    // The ping console stays open beside the program (in this private network its ping fails at once).
    CHECK(ctx, e2e::WaitUntil([&] { return PingConsoles(app).size() == 1; }, 20000));
    e2e::SaveScreenshot(ctx, "after-tray-activation");

    // Apply on the third profile: its "%" reaches netsh as one "%".
    app.ClickBarItem(kId_XPBar_Profiles, 2);
    CHECK(ctx, app.Enabled(kId_Button_ApplyProfile));
    app.Click(kId_Button_ApplyProfile);
    const std::string labBatch = StaticLines("LAN 50%%", "10.0.0.7");
    CHECK_EQ(ctx, e2e::ReadFileBytes(batch).value_or("<missing>"), labBatch);
    received = e2e::Joined(received, e2e::StaticArguments("LAN 50%", "10.0.0.7"));
    e2e::CheckNetshReceived(ctx, received, 20000);
    CHECK_EQ(ctx, app.Text(kId_L_ProfileActivated), std::string("Profile Activated: Lab - LAN 50%"));
    CHECK(ctx, !app.Enabled(kId_Button_ApplyProfile));
    const auto settingsNow = e2e::ReadFileBytes(ini).value_or("");
    CHECK(ctx, settingsNow.find("last_pai=3\r\n") != std::string::npos);
    CHECK(ctx, settingsNow.find("profile_applied=1") ==
                   settingsNow.find("profile_applied=", settingsNow.find("[Profile3]")));

    // A stored address that would smuggle in a second command: refused, nothing written or started.
    app.ClickBarItem(kId_XPBar_Profiles, 3);
    app.PostClick(kId_Button_ApplyProfile);
    const auto report = app.TakeErrorReport(10000);
    CHECK(ctx, report.has_value());
    if (report) {
        CHECK(ctx, report->find("Vok Tarvex|Cannot apply profile 4 (\"Trap - LAN\"): its IP") == 0);
    }
    CHECK_EQ(ctx, e2e::ReadFileBytes(ini).value_or(""), settingsNow);
    CHECK_EQ(ctx, e2e::ReadFileBytes(batch).value_or("<missing>"), labBatch);
    e2e::CheckStaysFalse(
        ctx,
        [&] { return e2e::FileExists(ctx.appDir + "pwned.txt") || e2e::FileLines(netshLog).size() != received.size(); },
        3000, "nothing of the refused profile runs");
    CHECK_EQ(ctx, app.Text(kId_L_ProfileActivated), std::string("Profile Activated: Lab - LAN 50%"));

    // With the companion beside the program only it is started, hidden, in the system folder; the batch is written
    // for it but no console runs it.
    SETUP(ctx, e2e::PlaceHelper(ctx, "Quillet.exe", ctx.appDir));
    app.ClickBarItem(kId_XPBar_Profiles, 0);
    app.Click(kId_Button_ApplyProfile);
    CHECK_EQ(ctx, e2e::ReadFileBytes(batch).value_or("<missing>"),
             StaticLines("Local Area Connection", "192.168.1.20"));
    CHECK(ctx, e2e::WaitUntil([&] { return !e2e::FileLines(ctx.appDir + "Quillet.start.log").empty(); }, 20000));
    const auto starts = e2e::FileLines(ctx.appDir + "Quillet.start.log");
    const std::string systemFolder = e2e::SystemFolder();
    CHECK(ctx, starts.size() == 1);
    if (!starts.empty())
        CHECK_EQ(ctx, starts[0], "folder=" + systemFolder.substr(0, systemFolder.size() - 1) + " show=0");
    // Its one parameter names the window that takes its verdict.
    CHECK(ctx, e2e::FileLines(ctx.appDir + "Quillet.log") ==
                   std::vector<std::string>{"/window=" + std::to_string(reinterpret_cast<std::uintptr_t>(app.Main()))});
    e2e::CheckStaysFalse(
        ctx, [&] { return e2e::FileLines(netshLog).size() > received.size(); }, 3000,
        "no command reached netsh: the stand-in companion runs none");
    // One ping console per activation, each left open for the user.
    CHECK(ctx, e2e::WaitUntil([&] { return PingConsoles(app).size() == 3; }, 20000));

}
