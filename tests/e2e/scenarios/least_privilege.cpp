// Who runs what, with which rights and from where: the manifests of both programs as built; a start from another
// working folder (as from the Run key) with stand-ins for the system's programs and DLLs planted in the program
// folder and in that working folder: an activation and every launcher button run only the system's own programs,
// neither program loads a planted DLL, and the batch and
// its log stay beside the program; a companion that cannot be started is reported and nothing is recorded; a
// second start shows the running instance's window and ends.
#include <windows.h>

#include <tlhelp32.h>

#include <vector>

#include "app/model/ControlIds.h"
#include "tests/e2e/driver/Driver.h"
#include "tests/e2e/driver/Session.h"
#include "tests/e2e/driver/StoredProfiles.h"

using namespace zelta;

namespace {

// Planted where a download or another user could leave them; any of them that runs writes <name>.log beside itself.
const char* const kPlanted[] = {"netsh", "cmd", "notepad", "rundll32", "ping", "ipconfig"};

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// Visible top-level windows of other processes than the program whose title mentions the text.
int WindowsTitled(const e2e::Zelta& app, const std::string& prefix) {
    return static_cast<int>(e2e::TopLevelWindows([&](HWND window) {
                                return e2e::ProcessOf(window) != app.ProcessId() && IsWindowVisible(window) &&
                                       Contains(e2e::WindowText(window), prefix);
                            }).size());
}

// DLLs the programs load once they run, and DLLs that the system's own load by name for them.
const char* const kPlantedDlls[] = {"msimg32", "wininet", "uxtheme", "version", "dwmapi", "cryptbase"};

// The planted stand-ins that ran, by their log, and the planted DLLs that were loaded, by their mark.
std::vector<std::string> PlantedThatRan(const std::vector<std::string>& folders) {
    std::vector<std::string> ran;
    for (const std::string& folder : folders) {
        for (const char* name : kPlanted) {
            if (e2e::FileExists(folder + name + ".log")) ran.push_back(folder + name + ".exe");
        }
        for (const char* name : kPlantedDlls) {
            if (e2e::FileExists(folder + name + ".dll.loaded")) ran.push_back(folder + name + ".dll");
        }
    }
    return ran;
}

}  // namespace

E2E_SCENARIO(least_privilege) {
    // The program runs as its user; only the companion asks for an administrator.
    CHECK(ctx, e2e::FileContains(ctx.appDir + "Zelta.exe", "<requestedExecutionLevel level=\"asInvoker\""));
    CHECK(ctx, e2e::FileContains(ctx.companionDir + "Quillet.exe",
                                 "<requestedExecutionLevel level=\"requireAdministrator\""));

    const std::string ini = ctx.appDir + "Zelta.ini";
    const std::string elsewhere = ctx.appDir + "..\\started-in\\";
    SETUP(ctx, CreateDirectoryA(elsewhere.c_str(), nullptr) != FALSE);
    const std::vector<std::string> plantedFolders{ctx.appDir, elsewhere};
    for (const std::string& folder : plantedFolders) {
        for (const char* name : kPlanted)
            SETUP(ctx, e2e::PlaceHelper(ctx, "netsh.exe", folder, name + std::string(".exe")));
        for (const char* name : kPlantedDlls)
            SETUP(ctx, e2e::PlaceHelper(ctx, "planted.dll", folder, name + std::string(".dll")));
    }
    // The first profile sets the system proxy, which has the program load the Internet library to announce it.
    const e2e::StoredProfile office =
        e2e::StoredProfile("Office - Local Area Connection").Proxy("10.0.0.9", "3128", "1", "1");
    SETUP(ctx, e2e::WriteFileBytes(ini, e2e::SettingsText({office, {"Home - Local Area Connection", "192.168.1.30"}})));

    e2e::Session app(ctx, e2e::kNetsh | e2e::kCompanion, DETACHED_PROCESS, elsewhere);
    if (!app.Started()) return;

    // An activation: the companion runs the batch beside the program with the system's netsh.
    app.ClickBarItem(kId_XPBar_Profiles, 0);
    app.Click(kId_Button_ApplyProfile);
    const std::string log = ctx.appDir + "execute.log";
    CHECK(ctx, e2e::WaitUntil([&] { return e2e::FileContains(log, "3 of 3 commands succeeded, 0 failed."); }, 30000));
    const std::vector<std::string> officeLines = e2e::StaticArguments("Local Area Connection");
    e2e::CheckNetshReceived(ctx, officeLines, 10000);
    CHECK(ctx, e2e::FileExists(ctx.appDir + "execute.bat"));
    CHECK(ctx, !e2e::FileExists(elsewhere + "execute.bat") && !e2e::FileExists(elsewhere + "execute.log"));
    CHECK_EQ(ctx, app.Text(kId_L_ProfileActivated), std::string("Profile Activated: Office - Local Area Connection"));
    CHECK(ctx, e2e::FileContains(ini, "last_pai=1\r\n"));

    // Every launcher, each seen to have done its work through the system's programs.
    app.Click(kId_Button_IPconfig);
    CHECK(ctx,
          e2e::WaitUntil([&] { return !e2e::ReadFileBytes(ctx.appDir + "ipconfig.txt").value_or("").empty(); }, 15000));
    app.Click(kId_Button_OpenCMD);
    app.Click(kId_XiButton4);
    app.Click(kId_XiButton1);
    // The ping console ("Vok Tarvex " and its ping) and the command prompt ("Vok Tarvex").
    CHECK(ctx, e2e::WaitUntil([&] { return WindowsTitled(app, "Vok Tarvex") >= 2; }, 20000));
    CHECK(ctx, e2e::WaitUntil([&] { return WindowsTitled(app, "ipconfig") >= 1; }, 20000));
    CHECK(ctx, e2e::WaitUntil([&] { return WindowsTitled(app, "Zelta") >= 1; }, 20000));
    // Absence can only be watched over a time: what would have run has had it.
    e2e::WaitUntil([&] { return !PlantedThatRan(plantedFolders).empty(); }, 3000);
    const auto ran = PlantedThatRan(plantedFolders);
    std::string ranText;
    for (const std::string& path : ran) ranText += " " + path;
    e2e::Check(ctx, ran.empty(), "no planted stand-in ran and no planted DLL was loaded:" + ranText);

    // A companion that cannot be started: the error, and nothing recorded.
    SETUP(ctx, e2e::WriteFileBytes(ctx.appDir + "Quillet.exe", "This is no program.\r\n"));
    const std::string settingsBefore = e2e::ReadFileBytes(ini).value_or("");
    app.ClickBarItem(kId_XPBar_Profiles, 1);
    app.PostClick(kId_Button_ApplyProfile);
    const auto report = app.TakeErrorReport(20000);
    CHECK(ctx, report.has_value());
    if (report) {
        e2e::Check(ctx,
                   Contains(*report, "Vok Tarvex|The profile was not applied: \"" + ctx.appDir +
                                         "Quillet.exe\" could not be started."),
                   "the error names the companion: " + *report);
    }
    CHECK_EQ(ctx, e2e::ReadFileBytes(ini).value_or(""), settingsBefore);
    CHECK_EQ(ctx, app.Text(kId_L_ProfileActivated), std::string("Profile Activated: Office - Local Area Connection"));
    CHECK(ctx, !Contains(e2e::WindowText(app.Main()), "Home"));
    CHECK(ctx, app.Enabled(kId_Button_ApplyProfile));
    e2e::CheckNetshReceived(ctx, officeLines, 0);

    // Hidden to the tray, then started again: the running instance shows its window, the second start ends.
    PostMessageA(app.Main(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    CHECK(ctx, e2e::WaitUntil([&] { return !IsWindowVisible(app.Main()); }, 10000));
    CHECK_EQ(ctx, std::to_string(e2e::RunAndWait("\"" + ctx.appDir + "Zelta.exe\"", 20000)), "0");
    CHECK(ctx, e2e::WaitUntil([&] { return IsWindowVisible(app.Main()) != FALSE; }, 10000));
    CHECK_EQ(ctx, std::to_string(e2e::RunningProcesses("Zelta.exe").size()), "1");
}
