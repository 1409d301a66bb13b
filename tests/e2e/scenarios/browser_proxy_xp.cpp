// The browser proxy with the XP folder layout ("TEMP" under "\LOCALS~1\Temp"): applying a proxy profile that may
// close browsers ends the running Firefox, writes the system proxy and Firefox's preferences, reopens Firefox on
// the maker's address once and runs the adapter commands; without that permission nothing of the proxy is
// touched; a profile without proxy switches the system proxy and Firefox's manual proxy off.
#include "tests/e2e/driver/Session.h"
#include "tests/e2e/scenarios/BrowserProxy.h"

using namespace browser_proxy;

namespace {

const std::string kUserFolder = "C:\\DOCUME~1\\anna\\";
const std::string kProfileFolder = kUserFolder + "Application Data\\Mozilla\\Firefox\\Profiles\\ab12cd34.default";

const std::string kPrefsBefore =
    "# Mozilla User Preferences\n"
    "\n"
    "user_pref(\"browser.startup.homepage\", \"about:blank\");\n"
    "user_pref(\"network.proxy.http\", \"192.168.9.9\");\n"
    "user_pref(\"network.proxy.http_port\", 3128);\n"
    "user_pref(\"network.proxy.no_proxies_on\", \"localhost, 127.0.0.1\");\n"
    "user_pref(\"network.proxy.type\", 5);\n"
    "user_pref(\"print.print_footerleft\", \"T\xE9l\xE9\");\n";
// The host and port entries overwritten, the share entry inserted after them, the type entry set: every other
// line keeps its bytes and comes back with CR LF.
const std::string kPrefsAfter =
    "# Mozilla User Preferences\r\n"
    "\r\n"
    "user_pref(\"browser.startup.homepage\", \"about:blank\");\r\n"
    "user_pref(\"network.proxy.http\", \"10.0.0.1\");\r\n"
    "user_pref(\"network.proxy.http_port\", 8080);\r\n"
    "user_pref(\"network.proxy.share_proxy_settings\", true);\r\n"
    "user_pref(\"network.proxy.no_proxies_on\", \"localhost, 127.0.0.1\");\r\n"
    "user_pref(\"network.proxy.type\", 1);\r\n"
    "user_pref(\"print.print_footerleft\", \"T\xE9l\xE9\");\r\n";

}  // namespace

E2E_SCENARIO(browser_proxy_xp) {
    const std::string prefs = kProfileFolder + "\\prefs.js";
    MakeFolders(kUserFolder + "LOCALS~1\\Temp");
    MakeFolders(kProfileFolder);
    SETUP(ctx, e2e::WriteFileBytes(kUserFolder + "Application Data\\Mozilla\\Firefox\\profiles.ini",
                                   "[General]\r\nStartWithLastProfile=1\r\n\r\n[Profile0]\r\nName=default\r\n"
                                   "IsRelative=1\r\nPath=Profiles/ab12cd34.default\r\n"));
    SETUP(ctx, e2e::WriteFileBytes(prefs, kPrefsBefore));
    // The values exist beforehand, "ProxyServer" under another type.
    e2e::RegAdd(ctx, "\"" + kInternetSettings + "\" /v ProxyServer /t REG_DWORD /d 5");
    e2e::RegAdd(ctx, "\"" + kInternetSettings + "\" /v ProxyEnable /t REG_DWORD /d 0");
    SETUP(ctx, e2e::WriteFileBytes(ctx.appDir + "Zelta.ini",
                                   e2e::SettingsText({ProxyProfile("Proxy - LAN", "10.0.0.1", "8080", "1", "1"),
                                                      ProxyProfile("NoPermission - LAN", "10.0.0.2", "3128", "1", "0"),
                                                      ProxyProfile("Direct - LAN", "10.0.0.3", "", "0", "1")})));
    SETUP(ctx, InstallFirefox(ctx));
    HANDLE firefox = StartFirefox(ctx);
    if (!firefox) return;

    SETUP(ctx, SetEnvironmentVariableA("TEMP", (kUserFolder + "LOCALS~1\\Temp").c_str()) != FALSE);
    e2e::Session app(ctx, e2e::kNetsh);
    if (!app.Started()) return;

    // Both flags: Firefox ends, the proxy is written, Firefox comes back on the maker's address, the commands run.
    CHECK(ctx, Apply(app, 0));
    CHECK(ctx, WaitForSingleObject(firefox, 20000) == WAIT_OBJECT_0);
    CloseHandle(firefox);
    CHECK_EQ(ctx, RegToolQuery(ctx, "ProxyServer"), std::string("ProxyServer REG_SZ 10.0.0.1:8080"));
    CHECK_EQ(ctx, StoredShape("ProxyServer"), std::string("type 1, 14 bytes"));
    CHECK_EQ(ctx, RegToolQuery(ctx, "ProxyEnable"), std::string("ProxyEnable REG_DWORD 0x1"));
    CHECK_EQ(ctx, StoredShape("ProxyEnable"), std::string("type 4, 4 bytes"));
    CHECK(ctx, e2e::ReadFileBytes(prefs) == kPrefsAfter);
    e2e::CheckNetshReceived(ctx, NetshAfter(1), 30000);
    CHECK(ctx, e2e::FileExists(ctx.appDir + "execute.bat"));
    const auto starts = FileLines(kFirefoxLog);
    CHECK(ctx, starts.size() == 2);
    if (starts.size() == 2) CHECK_EQ(ctx, starts[1], "started " + kMakerAddress);
    CHECK(ctx, RunningProcesses("firefox.exe").size() == 1);
    CHECK(ctx, !e2e::FileExists(ctx.artifactsDir + "..\\opened-addresses.log"));  // not handed to the shell

    // A proxy profile without the permission to close browsers: the commands run, nothing of the proxy changes.
    CHECK(ctx, Apply(app, 1));
    e2e::CheckNetshReceived(ctx, NetshAfter(2), 30000);
    CHECK_EQ(ctx, RegToolQuery(ctx, "ProxyServer"), std::string("ProxyServer REG_SZ 10.0.0.1:8080"));
    CHECK_EQ(ctx, RegToolQuery(ctx, "ProxyEnable"), std::string("ProxyEnable REG_DWORD 0x1"));
    CHECK(ctx, e2e::ReadFileBytes(prefs) == kPrefsAfter);
    e2e::CheckStaysFalse(
        ctx, [] { return FileLines(kFirefoxLog).size() != 2 || RunningProcesses("firefox.exe").size() != 1; }, 2000,
        "no browser is closed or started");

    // A profile without proxy, Firefox closed by the user: the system proxy and Firefox's manual proxy go off,
    // the proxy address stays for the next time, and no browser is started.
    CHECK(ctx, EndProcesses("firefox.exe"));
    CHECK(ctx, Apply(app, 2));
    e2e::CheckNetshReceived(ctx, NetshAfter(3), 30000);
    CHECK_EQ(ctx, RegToolQuery(ctx, "ProxyEnable"), std::string("ProxyEnable REG_DWORD 0x0"));
    CHECK_EQ(ctx, RegToolQuery(ctx, "ProxyServer"), std::string("ProxyServer REG_SZ 10.0.0.1:8080"));
    std::string prefsOff = kPrefsAfter;
    const std::string manual = "user_pref(\"network.proxy.type\", 1);";
    prefsOff.replace(prefsOff.find(manual), manual.size(), "user_pref(\"network.proxy.type\", 0);");
    CHECK(ctx, e2e::ReadFileBytes(prefs) == prefsOff);
    e2e::CheckStaysFalse(
        ctx, [] { return FileLines(kFirefoxLog).size() != 2 || !RunningProcesses("firefox.exe").empty(); }, 2000,
        "no browser is started");

}
