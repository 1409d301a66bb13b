// The browser proxy where "TEMP" has no XP layout: the profile list is found under "APPDATA", the profile its install
// section names is the one changed (not the old one marked as the default), and Firefox's preferences keep their
// byte-order mark. A Firefox of a main process and two children ends as a whole and comes back as one process. Without
// Firefox installed, a proxy profile still writes the system proxy and runs its adapter commands.
#include "tests/e2e/driver/Session.h"
#include "tests/e2e/scenarios/BrowserProxy.h"

using namespace browser_proxy;

namespace {

const std::string kAppData = "C:\\users\\root\\AppData\\Roaming";
const std::string kProfileFolder = kAppData + "\\Mozilla\\Firefox\\Profiles\\q7w8e9r0.default-release";
const std::string kOldProfileFolder = kAppData + "\\Mozilla\\Firefox\\Profiles\\o1d2e3f4.default";

const std::string kPrefsBefore =
    "\xEF\xBB\xBF// Mozilla User Preferences\r\n"
    "user_pref(\"network.proxy.http\", \"192.168.9.9\");\r\n"
    "user_pref(\"network.proxy.http_port\", 3128);\r\n"
    "user_pref(\"network.proxy.share_proxy_settings\", false);\r\n"
    "user_pref(\"network.proxy.type\", 0);\r\n"
    "user_pref(\"zzz.last\", true);";
const std::string kPrefsAfter =
    "\xEF\xBB\xBF// Mozilla User Preferences\r\n"
    "user_pref(\"network.proxy.http\", \"10.0.0.7\");\r\n"
    "user_pref(\"network.proxy.http_port\", 3128);\r\n"
    "user_pref(\"network.proxy.share_proxy_settings\", true);\r\n"
    "user_pref(\"network.proxy.type\", 1);\r\n"
    "user_pref(\"zzz.last\", true);\r\n";

}  // namespace

E2E_SCENARIO(browser_proxy_appdata) {
    const std::string prefs = kProfileFolder + "\\prefs.js";
    const std::string oldPrefs = kOldProfileFolder + "\\prefs.js";
    MakeFolders(kProfileFolder);
    MakeFolders(kOldProfileFolder);
    SETUP(ctx, e2e::WriteFileBytes(
                   kAppData + "\\Mozilla\\Firefox\\profiles.ini",
                   "[Install4F96D1932A9F858E]\r\nDefault=Profiles/q7w8e9r0.default-release\r\nLocked=1\r\n\r\n"
                   "[Profile1]\r\nName=default-release\r\nIsRelative=1\r\n"
                   "Path=Profiles/q7w8e9r0.default-release\r\n\r\n[Profile0]\r\nName=default\r\n"
                   "IsRelative=1\r\nPath=Profiles/o1d2e3f4.default\r\nDefault=1\r\n"));
    SETUP(ctx, e2e::WriteFileBytes(prefs, kPrefsBefore));
    SETUP(ctx, e2e::WriteFileBytes(oldPrefs, kPrefsBefore));
    e2e::RegAdd(ctx, "\"" + kInternetSettings + "\" /v ProxyEnable /t REG_DWORD /d 0");
    SETUP(ctx,
          e2e::WriteFileBytes(ctx.appDir + "Zelta.ini",
                              e2e::SettingsText({ProxyProfile("Proxy - LAN", "10.0.0.7", "3128", "1", "1"),
                                                 ProxyProfile("Other proxy - LAN", "10.0.0.8", "8081", "1", "1")})));
    SETUP(ctx, InstallFirefox(ctx));
    HANDLE firefox = StartFirefox(ctx, "--with-children");
    if (!firefox) return;
    std::vector<HANDLE> children;  // held open, so that their ids are not handed out again
    for (DWORD id : RunningProcesses("firefox.exe", GetProcessId(firefox))) {
        children.push_back(OpenProcess(SYNCHRONIZE, FALSE, id));
    }
    CHECK(ctx, children.size() == 2);

    // The prefix's own folders: "TEMP" without "\LOCALS~1\Temp", "APPDATA" as given.
    SETUP(ctx, SetEnvironmentVariableA("APPDATA", kAppData.c_str()) != FALSE);
    char temp[MAX_PATH] = {};
    GetEnvironmentVariableA("TEMP", temp, MAX_PATH);
    CHECK(ctx, std::string(temp).find("\\LOCALS~1\\Temp") == std::string::npos);
    e2e::Session app(ctx, e2e::kNetsh);
    if (!app.Started()) return;

    CHECK(ctx, Apply(app, 0));
    CHECK(ctx, WaitForSingleObject(firefox, 20000) == WAIT_OBJECT_0);
    CloseHandle(firefox);
    for (HANDLE child : children) {
        CHECK(ctx, child && WaitForSingleObject(child, 20000) == WAIT_OBJECT_0);
        if (child) CloseHandle(child);
    }
    CHECK_EQ(ctx, RegToolQuery(ctx, "ProxyServer"), std::string("ProxyServer REG_SZ 10.0.0.7:3128"));
    CHECK_EQ(ctx, RegToolQuery(ctx, "ProxyEnable"), std::string("ProxyEnable REG_DWORD 0x1"));
    CHECK(ctx, e2e::ReadFileBytes(prefs) == kPrefsAfter);
    CHECK(ctx, e2e::ReadFileBytes(oldPrefs) == kPrefsBefore);
    e2e::CheckNetshReceived(ctx, NetshAfter(1), 30000);
    CHECK(ctx, e2e::WaitUntil([&] { return FileLines(kFirefoxLog).size() == 2; }, 20000));
    const auto starts = FileLines(kFirefoxLog);
    if (starts.size() == 2) CHECK_EQ(ctx, starts[1], "started " + kMakerAddress);
    CHECK(ctx, RunningProcesses("firefox.exe").size() == 1);

    // Firefox uninstalled: the system proxy is still written and the commands still run; nothing is started.
    CHECK(ctx, EndProcesses("firefox.exe"));
    CHECK(ctx, e2e::WaitUntil([&] { return DeleteFileA((kFirefoxFolder + "firefox.exe").c_str()) != FALSE; }, 10000));
    CHECK(ctx, Apply(app, 1));
    e2e::CheckNetshReceived(ctx, NetshAfter(2), 30000);
    CHECK_EQ(ctx, RegToolQuery(ctx, "ProxyServer"), std::string("ProxyServer REG_SZ 10.0.0.8:8081"));
    CHECK_EQ(ctx, RegToolQuery(ctx, "ProxyEnable"), std::string("ProxyEnable REG_DWORD 0x1"));
    CHECK(ctx, e2e::ReadFileBytes(prefs) == kPrefsAfter);
    e2e::CheckStaysFalse(
        ctx,
        [&] {
            return FileLines(kFirefoxLog).size() != 2 || e2e::FileExists(ctx.artifactsDir + "..\\opened-addresses.log");
        },
        2000, "nothing is started");

}
