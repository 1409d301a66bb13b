// The diagnostic launchers: the address report is written into the program folder (replacing an older one) and
// opened in Notepad, once more on each click; the command prompt opens with the product's title; the settings
// file opens in Notepad; the maker's web address from the Contact bar and from the tray menu goes to the shell's
// browser, nothing else. A desktop shortcut's "Zelta.exe /apply <profile>" applies the profile: with none running the
// program starts hidden to the tray and applies it, with one running the start hands the request over and ends;
// an unknown name or option applies and records nothing, is reported, and ends the start with its exit code.
#include <windows.h>

#include <memory>
#include <vector>

#include "app/model/ControlIds.h"
#include "tests/e2e/driver/Adapters.h"
#include "tests/e2e/driver/Driver.h"
#include "tests/e2e/driver/Keyboard.h"
#include "tests/e2e/driver/Session.h"
#include "tests/e2e/driver/StoredProfiles.h"
#include "tests/e2e/driver/Starts.h"

using namespace zelta;

namespace {

const std::string kWebAddress = "http://www.vokcorp.example/";

bool Contains(const std::string& text, const std::string& part) {
    return e2e::Lower(text).find(e2e::Lower(part)) != std::string::npos;
}

// Visible top-level windows of any process, of that class, whose caption mentions the text.
std::vector<HWND> VisibleWindows(const char* className, const std::string& captionPart) {
    return e2e::TopLevelWindows([&](HWND window) {
        return IsWindowVisible(window) && (!className || e2e::ClassOf(window) == className) &&
               Contains(e2e::WindowText(window), captionPart);
    });
}

void CloseAll(const std::vector<HWND>& windows) {
    for (HWND window : windows) PostMessageA(window, WM_CLOSE, 0, 0);
}

// The addresses the prefix's browser launcher was given, one a line.
std::vector<std::string> OpenedAddresses(const e2e::Context& ctx) {
    return e2e::FileLines(ctx.artifactsDir + "..\\opened-addresses.log");
}

// Profiles applied from the command line, with and without a running program; netsh is the stand-in.
void ApplyFromShortcuts(e2e::Context& ctx) {
    const std::string ini = ctx.appDir + "Zelta.ini";
    SETUP(ctx, e2e::WriteFileBytes(ini, e2e::SettingsText({e2e::StoredProfile("Office - Local Area Connection"),
                                                           e2e::StoredProfile("Home - Local Area Connection",
                                                                              "0.0.0.0", "dhcp")})));
    SETUP(ctx, e2e::PlaceHelper(ctx, "netsh.exe", e2e::SystemFolder()));
    e2e::AddAdapter(ctx, "{A1}", "Local Area Connection");
    const std::vector<std::string> office = e2e::StaticArguments("Local Area Connection");
    const std::vector<std::string> both = e2e::Joined(office, e2e::DhcpArguments("Local Area Connection"));
    const auto start = [&](const std::string& arguments) {
        return std::make_unique<e2e::Zelta>(ctx, "Zelta.exe", false, DETACHED_PROCESS, "", arguments);
    };
    // None running: the program starts hidden in the tray and applies the profile, letters' case aside.
    const auto first = start("/apply office");
    e2e::CheckNetshReceived(ctx, office, 30000);
    const HWND main = e2e::ProcessWindow(first->ProcessId(), "TForm1");
    CHECK(ctx, main != nullptr && !IsWindowVisible(main));
    const auto label = [&] { return e2e::WindowText(e2e::FindChildById(main, kId_L_ProfileActivated)); };
    CHECK(ctx, e2e::WaitUntil([&] { return label() == "Profile Activated: Office - Local Area Connection"; }, 10000));
    // One running: a later start hands the request over and ends with 0; the running program applies it.
    CHECK(ctx, start("/apply \"home - local area connection\"")->ExitCode(15000) == std::optional<int>(0));
    e2e::CheckNetshReceived(ctx, both, 30000);
    CHECK(ctx, e2e::WaitUntil([&] { return label() == "Profile Activated: Home - Local Area Connection"; }, 10000));
    CHECK(ctx, e2e::RunningProcesses("Zelta.exe").size() == 1);
    // An unknown name: nothing reaches netsh or the file, the running program names it, the start ends with 3.
    const std::string settings = e2e::ReadFileBytes(ini).value_or("<missing>");
    CHECK(ctx, start("/apply Gym")->ExitCode(15000) == std::optional<int>(3));
    first->CheckErrorReport("Vok Tarvex|There is no profile named \"Gym\".", 10000);
    CHECK_EQ(ctx, e2e::ReadFileBytes(ini).value_or("<missing>"), settings);
    CHECK(ctx, e2e::RunningProcesses("Zelta.exe").size() == 1);
    e2e::CheckStaysFalse(ctx, [&] { return e2e::FileLines(e2e::SystemFolder() + "netsh.log") != both; }, 2000,
                         "nothing more reaches netsh");
    // A name that the code page cannot carry is refused by the start itself, exit code 2.
    int code = 0;
    const std::wstring program(ctx.appDir.begin(), ctx.appDir.end());
    CHECK(ctx, e2e::RefusedWideStart(L"\"" + program + L"Zelta.exe\" /apply B\u00FCro \u65E5", code).find(
                   "characters that Windows cannot pass on") != std::string::npos);
    CHECK(ctx, code == 2);
    e2e::CheckNetshReceived(ctx, both, 0);
    PostMessageA(main, WM_CLOSE, 0, 0);
    CHECK(ctx, first->WaitForExit(10000));
}

}  // namespace

E2E_SCENARIO(launchers) {
    const std::string report = ctx.appDir + "ipconfig.txt";
    const std::string earlier = "an earlier report\r\n";
    SETUP(ctx, e2e::WriteFileBytes(report, earlier));

    e2e::Session app(ctx, e2e::kNothingPlaced, DETACHED_PROCESS);
    if (!app.Started()) return;

    // The address report: the file is replaced, and Notepad shows it.
    app.Click(kId_Button_IPconfig);
    CHECK(ctx, e2e::WaitUntil([&] {
        const auto bytes = e2e::ReadFileBytes(report);
        return bytes && *bytes != earlier && Contains(*bytes, "adapter");
    }, 15000));
    std::vector<HWND> notepads;
    CHECK(ctx, e2e::WaitUntil([&] { return (notepads = VisibleWindows("Notepad", "ipconfig")).size() == 1; }, 20000));
    e2e::SaveScreenshot(ctx, "ipconfig-report");
    // A second click writes the report again and opens one more Notepad window.
    SETUP(ctx, e2e::WriteFileBytes(report, earlier));
    app.Click(kId_Button_IPconfig);
    CHECK(ctx, e2e::WaitUntil([&] {
        const auto bytes = e2e::ReadFileBytes(report);
        return bytes && Contains(*bytes, "adapter");
    }, 15000));
    CHECK(ctx, e2e::WaitUntil([&] { return (notepads = VisibleWindows("Notepad", "ipconfig")).size() == 2; }, 20000));
    CloseAll(notepads);
    CHECK(ctx, e2e::WaitUntil([&] { return VisibleWindows("Notepad", "ipconfig").empty(); }, 10000));

    // The command prompt carries the product's name as its title (the program's own windows aside).
    app.Click(kId_Button_OpenCMD);
    std::vector<HWND> prompts;
    CHECK(ctx, e2e::WaitUntil([&] {
        prompts.clear();
        for (HWND window : VisibleWindows(nullptr, "Vok Tarvex")) {
            if (e2e::ProcessOf(window) != app.ProcessId() && e2e::WindowText(window) == "Vok Tarvex") {
                prompts.push_back(window);
            }
        }
        return !prompts.empty();
    }, 20000));
    e2e::SaveScreenshot(ctx, "command-prompt");
    CloseAll(prompts);

    // The settings file, named after the program, in Notepad.
    SETUP(ctx, e2e::WriteFileBytes(ctx.appDir + "Zelta.ini", "\r\n"));
    app.Click(kId_XiButton4);
    std::vector<HWND> settings;
    CHECK(ctx, e2e::WaitUntil([&] { return !(settings = VisibleWindows("Notepad", "Zelta")).empty(); }, 20000));
    CloseAll(settings);

    // The Contact bar's web item, once the bar is open, hands the address to the shell.
    HWND contactHeader = GetDlgItem(app.Control(kId_XPBar_Contact), kItemBarHeaderId);
    CHECK(ctx, contactHeader != nullptr);
    if (contactHeader) SendMessageA(contactHeader, BM_CLICK, 0, 0);
    CHECK(ctx, e2e::WaitUntil([&] { return IsWindowVisible(app.BarItem(kId_XPBar_Contact, 1)) != FALSE; }, 5000));
    app.ClickBarItem(kId_XPBar_Contact, 1);
    CHECK(ctx, e2e::WaitUntil([&] { return OpenedAddresses(ctx) == std::vector<std::string>{kWebAddress}; }, 20000));

    // So does the tray menu's "Vok CORP. Online", the third entry after a separator.
    PostMessageA(app.Main(), kTrayCallback, kTrayIconId, WM_CONTEXTMENU);
    HWND menu = app.WaitForMenu(10000);
    CHECK(ctx, menu != nullptr);
    if (menu) {
        e2e::PostKey(menu, VK_DOWN);  // "Exit"
        e2e::PostKey(menu, VK_DOWN);  // over the separator to "Vok CORP. Online"
        e2e::PostKey(menu, VK_RETURN);
    }
    CHECK(ctx, e2e::WaitUntil([&] {
        return OpenedAddresses(ctx) == std::vector<std::string>{kWebAddress, kWebAddress};
    }, 20000));
    CHECK(ctx, !app.WaitForExit(0));
    const auto addresses = OpenedAddresses(ctx);
    for (const std::string& address : addresses) CHECK_EQ(ctx, address, kWebAddress);

    app.End();

    ApplyFromShortcuts(ctx);
}
