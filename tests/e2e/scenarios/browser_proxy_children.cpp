// The browser proxy with a Firefox of several processes and a profile list of a newer Firefox: applying a proxy
// profile ends the main process and its children, rewrites the preferences of the profile that the install section
// names (not those of the old profile marked as the default) and starts one new Firefox on the maker's address.
#include "tests/e2e/scenarios/BrowserProxy.h"

using namespace browser_proxy;

namespace {

const std::string kAppData = "C:\\users\\root\\AppData\\Roaming";
const std::string kFirefoxData = kAppData + "\\Mozilla\\Firefox\\";
const std::string kInUsePrefs = kFirefoxData + "Profiles\\n3w4b5c6.default-release\\prefs.js";
const std::string kOldPrefs = kFirefoxData + "Profiles\\o1d2e3f4.default\\prefs.js";

const std::string kProfileList =
    "[Install308046B0AF4A39CB]\r\nDefault=Profiles/n3w4b5c6.default-release\r\nLocked=1\r\n\r\n"
    "[Profile1]\r\nName=default-release\r\nIsRelative=1\r\nPath=Profiles/n3w4b5c6.default-release\r\n\r\n"
    "[Profile0]\r\nName=default\r\nIsRelative=1\r\nPath=Profiles/o1d2e3f4.default\r\nDefault=1\r\n\r\n"
    "[General]\r\nStartWithLastProfile=1\r\nVersion=2\r\n";
const std::string kPrefsBefore =
    "user_pref(\"browser.startup.homepage\", \"about:home\");\r\n"
    "user_pref(\"network.proxy.type\", 5);\r\n"
    "user_pref(\"zzz.last\", true);\r\n";
const std::string kPrefsAfter =
    "user_pref(\"browser.startup.homepage\", \"about:home\");\r\n"
    "user_pref(\"network.proxy.type\", 1);\r\n"
    "user_pref(\"zzz.last\", true);\r\n"
    "user_pref(\"network.proxy.http\", \"10.0.0.5\");\r\n"
    "user_pref(\"network.proxy.http_port\", 8118);\r\n";

bool Ended(HANDLE process) { return process && WaitForSingleObject(process, 20000) == WAIT_OBJECT_0; }

}  // namespace

E2E_SCENARIO(browser_proxy_children) {
    MakeFolders(kFirefoxData + "Profiles\\n3w4b5c6.default-release");
    MakeFolders(kFirefoxData + "Profiles\\o1d2e3f4.default");
    CHECK(ctx, e2e::WriteFileBytes(kFirefoxData + "profiles.ini", kProfileList));
    CHECK(ctx, e2e::WriteFileBytes(kInUsePrefs, kPrefsBefore));
    CHECK(ctx, e2e::WriteFileBytes(kOldPrefs, kPrefsBefore));
    CHECK(ctx,
          e2e::WriteFileBytes(ctx.appDir + "Zelta.ini", SettingsFile({{"Proxy - LAN", "10.0.0.5", "8118", "1", "1"}})));
    CHECK(ctx, e2e::PlaceHelper(ctx, "netsh.exe", ctx.appDir));
    CHECK(ctx, InstallFirefox(ctx));
    HANDLE firefox = StartFirefox(ctx, "--with-children");
    if (!firefox) return;
    const DWORD mainId = GetProcessId(firefox);
    CHECK(ctx, e2e::WaitUntil([&] { return ChildProcesses("firefox.exe", mainId).size() == 2; }, 20000));
    // Held open, so that the ids are not handed out again before the checks.
    std::vector<HANDLE> children;
    for (DWORD id : ChildProcesses("firefox.exe", mainId)) children.push_back(OpenProcess(SYNCHRONIZE, FALSE, id));
    CHECK(ctx, children.size() == 2);

    CHECK(ctx, SetEnvironmentVariableA("APPDATA", kAppData.c_str()) != FALSE);
    e2e::Zelta app(ctx);
    if (!app.Started()) return;
    CHECK(ctx, Apply(app, 0));

    CHECK(ctx, Ended(firefox));
    for (HANDLE child : children) CHECK(ctx, Ended(child));
    CHECK(ctx, e2e::ReadFileBytes(kInUsePrefs) == kPrefsAfter);
    CHECK(ctx, e2e::ReadFileBytes(kOldPrefs) == kPrefsBefore);
    CHECK_EQ(ctx, RegToolQuery(ctx, "ProxyServer"), std::string("ProxyServer REG_SZ 10.0.0.5:8118"));
    CHECK(ctx, e2e::WaitUntil([&] { return NetshLines(ctx) == 2; }, 30000));
    // One new Firefox on the maker's address, and no other process of that name.
    CHECK(ctx, e2e::WaitUntil([&] { return FileLines(kFirefoxLog).size() == 2; }, 20000));
    const auto starts = FileLines(kFirefoxLog);
    if (starts.size() == 2) CHECK_EQ(ctx, starts[1], "started " + kMakerAddress);
    const auto running = RunningProcesses("firefox.exe");
    CHECK(ctx, running.size() == 1);
    if (running.size() == 1) CHECK(ctx, running[0] != mainId);

    for (HANDLE child : children) {
        if (child) CloseHandle(child);
    }
    CloseHandle(firefox);
    app.Close();
    CHECK(ctx, app.WaitForExit(10000));
}
