// Applying profiles from the Apply button and the tray menu: execute.bat in the program folder byte for byte, the
// command lines that really reach netsh (a stand-in in the system folder records them, "%" and "é" included),
// the settings file's record, the window, the greyed tray entry, the notice and the ping console; the companion
// started hidden instead of the batch when it is there; an unsafe stored text refused with nothing changed.
#include <windows.h>

#include <vector>

#include "app/model/ControlIds.h"
#include "tests/e2e/driver/Driver.h"

using namespace zelta;

namespace {

std::string Block(int number, const std::string& name, const std::string& ip, const std::string& use) {
    return "[Profile" + std::to_string(number) + "]\r\nprofile_name=" + name + "\r\nIP=" + ip +
           "\r\nSM=255.255.255.0\r\nGW=192.168.1.1\r\nDNS1=192.168.1.1\r\nDNS2=8.8.4.4\r\nproxy_IP=0.0.0.0\r\n"
           "proxy_port=\r\nuse_ip=" +
           use + "\r\nuse_dns=" + use + "\r\nuse_proxy=0\r\nkill_browsers=0\r\nprofile_applied=0\r\n";
}

// The ANSI text of the settings file: "é" is byte E9.
const std::string kFrenchAdapter = "Connexion au r\xE9seau local";
const std::string kSettings =
    "[Zelta Settings]\r\n#_profiles=4\r\n" + Block(1, "Office - Local Area Connection", "192.168.1.20", "user") +
    Block(2, "Maison - " + kFrenchAdapter, "0.0.0.0", "dhcp") + Block(3, "Lab - LAN 50%", "10.0.0.7", "user") +
    Block(4, "Trap - LAN", "10.0.0.8 & echo pwned>pwned.txt", "user");

std::string StaticLines(const std::string& nic, const std::string& ip) {
    return "netsh int ipv4 set address name=\"" + nic + "\" source=static addr=" + ip +
           " mask=255.255.255.0 gateway=192.168.1.1 gwmetric=1\r\n"
           "netsh int ipv4 set dns name=\"" +
           nic +
           "\" source=static addr=192.168.1.1\r\n"
           "netsh int ipv4 add dns name=\"" +
           nic + "\" addr=8.8.4.4 index=2\r\n";
}

std::string Arguments(const std::string& batchLine) { return batchLine.substr(std::string("netsh ").size()); }

void PostKey(HWND window, WPARAM key) {
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
}

// Chooses the tray menu's nth entry that is not a separator (1 is "Exit"), by keyboard.
void ChooseTrayEntry(e2e::Context& ctx, const e2e::Zelta& app, int nth) {
    PostMessageA(app.Main(), WM_USER + 1, 1, WM_CONTEXTMENU);
    HWND menu = nullptr;
    CHECK(ctx, e2e::WaitUntil([&] { return (menu = app.FindProcessWindow("#32768")) != nullptr; }, 10000));
    if (!menu) return;
    for (int i = 0; i < nth; ++i) PostKey(menu, VK_DOWN);
    PostKey(menu, VK_RETURN);
}

struct TitleSearch {
    DWORD exceptProcess;
    std::vector<HWND> found;
};
BOOL CALLBACK CollectTitled(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<TitleSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    // "title Vok Tarvex | ping ..." keeps the blank before the bar in the title.
    if (IsWindowVisible(window) && owner != search->exceptProcess && e2e::WindowText(window) == "Vok Tarvex ") {
        search->found.push_back(window);
    }
    return TRUE;
}
// The ping console: a window of another process that carries the product's title.
std::vector<HWND> PingConsoles(const e2e::Zelta& app) {
    TitleSearch search{app.ProcessId(), {}};
    EnumWindows(CollectTitled, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

E2E_SCENARIO(apply) {
    const std::string ini = ctx.appDir + "Zelta.ini";
    const std::string batch = ctx.appDir + "execute.bat";
    const std::string netshLog = e2e::SystemFolder() + "netsh.log";
    CHECK(ctx, e2e::WriteFileBytes(ini, kSettings));
    CHECK(ctx, e2e::PlaceHelper(ctx, "netsh.exe", e2e::SystemFolder()));

    // Started as a user starts it, without a console of the driver's: the consoles it opens get windows.
    e2e::Zelta app(ctx, "Zelta.exe", true, DETACHED_PROCESS);
    if (!app.Started()) return;

    // The tray menu's second profile: "Exit", the web site, profile 1, profile 2.
    ChooseTrayEntry(ctx, app, 4);
    const std::string maisonBatch =
        "netsh int ipv4 set address name=\"Connexion au r\x82seau local\" source=dhcp\r\n"
        "netsh int ipv4 set dns name=\"Connexion au r\x82seau local\" source=dhcp\r\n";
    CHECK(ctx, e2e::WaitUntil([&] { return e2e::ReadFileBytes(batch).value_or("") == maisonBatch; }, 15000));
    CHECK_EQ(ctx, e2e::ReadFileBytes(batch).value_or("<missing>"), maisonBatch);  // the console code page: E9 -> 82
    // The batch ran in a console of its own and handed the name to netsh with its "é" intact (UTF-8 in the log).
    const std::vector<std::string> maisonArgs = {
        "int ipv4 set address name=\"Connexion au r\xC3\xA9seau local\" source=dhcp",
        "int ipv4 set dns name=\"Connexion au r\xC3\xA9seau local\" source=dhcp"};
    e2e::CheckNetshReceived(ctx, maisonArgs, 20000);
    CHECK_EQ(ctx, app.Text(kId_L_ProfileActivated), "Profile Activated: Maison - " + kFrenchAdapter);
    CHECK_EQ(ctx, app.Text(kId_LE_NewProfile), std::string("Maison"));
    CHECK_EQ(ctx, app.Text(kId_LE_NIC), kFrenchAdapter);
    CHECK(ctx, !app.Enabled(kId_Button_ApplyProfile));
    CHECK(ctx, e2e::WaitUntil([&] { return app.VisibleBalloon() != nullptr; }, 5000));
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
    std::vector<std::string> received = maisonArgs;
    for (const std::string& line : e2e::TextLines(StaticLines("LAN 50%", "10.0.0.7"))) {
        received.push_back(Arguments(line));
    }
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
    CHECK(ctx, !e2e::FileExists(ctx.appDir + "pwned.txt"));
    CHECK_EQ(ctx, app.Text(kId_L_ProfileActivated), std::string("Profile Activated: Lab - LAN 50%"));

    // With the companion beside the program only it is started, hidden, in the system folder; the batch is written
    // for it but no console runs it.
    CHECK(ctx, e2e::PlaceHelper(ctx, "Quillet.exe", ctx.appDir));
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
    CHECK(ctx, e2e::FileLines(ctx.appDir + "Quillet.log") == std::vector<std::string>{""});
    e2e::CheckStaysFalse(
        ctx, [&] { return e2e::FileLines(netshLog).size() > received.size(); }, 3000,
        "no command reached netsh: the stand-in companion runs none");
    // One ping console per activation, each left open for the user.
    CHECK(ctx, e2e::WaitUntil([&] { return PingConsoles(app).size() == 3; }, 20000));

    app.Close();
    CHECK(ctx, app.WaitForExit(10000));
}
