// After each activation through the companion the user learns whether the profile is in effect, on an adapter that
// is a real interface of the scenario's network namespace: a stand-in netsh in the system folder changes the
// adapter's registry values as Windows does and gives the interface the address (or leaves it as it was, or leaves
// an automatic address), and the notice says what the adapter really has; with the interface down the profile is set
// but not in effect; with the window hidden the tray icon's notification tells it; a DHCP profile on an adapter
// already on DHCP is no failure, whatever the language of netsh's refusal; netsh receives exactly the profiles'
// lines; execute.log ends with the verdict.
#include <windows.h>

#include <string>
#include <vector>

#include "app/model/ControlIds.h"
#include "tests/e2e/driver/Adapters.h"
#include "tests/e2e/driver/Driver.h"
#include "tests/e2e/driver/Session.h"
#include "tests/e2e/driver/LiveNetwork.h"
#include "tests/e2e/driver/StoredProfiles.h"

using namespace zelta;

namespace {

const std::string kNic = "Local Area Connection";

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The program's tray icon tells the profile and the adapter's address under the product's name.
void CheckTrayTip(e2e::Context& ctx, const std::string& expected) {
    std::string tips;
    const bool shown = e2e::WaitUntil(
        [&] {
            tips.clear();
            for (const std::string& tip : e2e::TrayTips()) tips += "[" + tip + "]";
            return Contains(tips, "[" + expected + "]");
        },
        5000);
    e2e::Check(ctx, shown, "the tray tip is \"" + expected + "\": " + tips);
}

// Applies the profile at index and waits for the notice whose text starts with the profile's name and "is";
// returns that text.
std::string ApplyAndReadVerdict(e2e::Context& ctx, e2e::Zelta& app, int index, const std::string& name, int timeoutMs) {
    app.ClickBarItem(kId_XPBar_Profiles, index);
    CHECK(ctx, app.Enabled(kId_Button_ApplyProfile));
    app.Click(kId_Button_ApplyProfile);
    std::string text;
    const bool seen = e2e::WaitUntil(
        [&] {
            const HWND balloon = app.VisibleBalloon();
            text = balloon ? e2e::WindowText(balloon) : std::string();
            return (Contains(text, name + " is in effect") || Contains(text, name + " is not in effect") ||
                    Contains(text, name + " is set, but")) &&
                   text.back() == '.';
        },
        timeoutMs);
    e2e::Check(ctx, seen, "a verdict on " + name + " was shown: " + text);
    return text;
}

}  // namespace

E2E_SCENARIO(verdict) {
    // The adapter is a real interface of the scenario's own network namespace, which Wine's IP helper reports.
    e2e::RunLinux(ctx, "/usr/sbin/ip link add zv0 type veth peer name zv1");
    e2e::RunLinux(ctx, "/usr/sbin/ip link set zv1 up");
    e2e::RunLinux(ctx, "/usr/sbin/ip link set zv0 up");
    std::string kKey;
    SETUP(ctx, e2e::WaitUntil([&] { return !(kKey = e2e::LiveAdapterKey("zv0")).empty(); }, 10000));
    e2e::AddAdapter(ctx, kKey, "Local Area Connection");
    const std::string effect = e2e::SystemFolder() + "netsh-registry.txt";
    // The commands take effect on the interface too.
    const std::string live = "apply\r\n192.168.1.57\r\nen\r\nzv0\r\n";
    SETUP(ctx, e2e::WriteFileBytes(effect, live));
    SETUP(ctx, e2e::WriteFileBytes(ctx.appDir + "Zelta.ini",
                                   e2e::SettingsText({{"Office - " + kNic},
                                                      {"Home - " + kNic, "192.168.1.20", "dhcp"},
                                                      {"Cafe - " + kNic, "192.168.1.20", "dhcp"}})));
    const std::string log = ctx.appDir + "execute.log";

    e2e::Session app(ctx, e2e::kNetsh | e2e::kCompanion, DETACHED_PROCESS);
    if (!app.Started()) return;

    // Static: in effect, with what the adapter has and the time taken.
    // Each activation: the verdict it gave, after checking every line that has reached netsh so far.
    std::vector<std::string> received;
    const auto activate = [&](int position, const char* name, const std::vector<std::string>& lines, int waitMs) {
        const std::string verdict = ApplyAndReadVerdict(ctx, app, position, name, waitMs);
        received = e2e::Joined(received, lines);
        e2e::CheckNetshReceived(ctx, received, 5000);
        return verdict;
    };
    std::string text = activate(0, "Office", e2e::StaticArguments(kNic), 30000);
    CHECK(ctx, Contains(text, "Office is in effect: 192.168.1.20, mask 255.255.255.0, gateway 192.168.1.1 ("));
    CheckTrayTip(ctx, "Vok Tarvex\nOffice is in effect: 192.168.1.20");
    e2e::SaveScreenshot(ctx, "verdict-in-effect");
    CHECK(ctx, e2e::FileContains(log, "\r\nThe profile is in effect: 192.168.1.20, mask "));

    // DHCP with a server: the lease, and that it came from DHCP.
    text = activate(1, "Home", e2e::DhcpArguments(kNic), 30000);
    CHECK(ctx, Contains(text, "Home is in effect: 192.168.1.57 from DHCP, mask 255.255.255.0, gateway 192.168.1.1 ("));
    CheckTrayTip(ctx, "Vok Tarvex\nHome is in effect: 192.168.1.57 from DHCP");

    // DHCP again on an adapter already on DHCP: netsh refuses (here in a German system's words, which the rule does
    // not read), which is no failure; no box of the companion's.
    SETUP(ctx, e2e::WriteFileBytes(effect, "apply\r\n192.168.1.57\r\nde\r\nzv0\r\n"));
    text = activate(2, "Cafe", e2e::DhcpArguments(kNic), 30000);
    CHECK(ctx, Contains(text, "Cafe is in effect: 192.168.1.57 from DHCP"));
    CHECK(ctx, e2e::FileContains(log, "    DHCP ist auf dieser Schnittstelle bereits aktiviert."));
    CHECK(ctx, e2e::FileContains(log, "the adapter already takes its address from DHCP"));
    e2e::CheckStaysFalse(
        ctx, [&] { return e2e::MessageBoxOfAnotherProcess(app.ProcessId()) != nullptr; }, 3000,
        "no box of the companion's");

    // Windows keeps the values but the interface did not take them: not in effect, with what it really has.
    SETUP(ctx, e2e::WriteFileBytes(effect, "apply\r\n192.168.1.57\r\nen\r\n\r\n"));
    text = activate(0, "Office", e2e::StaticArguments(kNic), 30000);
    CHECK_EQ(ctx, text, std::string("Office is not in effect: the adapter has 192.168.1.57, not 192.168.1.20."));
    CheckTrayTip(ctx, "Vok Tarvex\nOffice is not in effect (192.168.1.57)");

    // The cable out: set, but never in effect.
    SETUP(ctx, e2e::WriteFileBytes(effect, live));
    e2e::RunLinux(ctx, "/usr/sbin/ip link set zv0 down");
    text = activate(1, "Home", e2e::DhcpArguments(kNic), 30000);
    CHECK_EQ(ctx, text,
             std::string("Home is set, but Local Area Connection is not connected: it takes effect when the adapter "
                         "connects."));
    CheckTrayTip(ctx, "Vok Tarvex\nHome is set, not connected");
    e2e::RunLinux(ctx, "/usr/sbin/ip link set zv0 up");

    // No DHCP server for an adapter that had a static address: after the wait, the automatic address.
    SETUP(ctx, e2e::WriteFileBytes(effect, "apply\r\n169.254.7.1\r\nen\r\nzv0\r\n"));
    e2e::RegAdd(ctx, e2e::kInterfacesKey + kKey + "\" /v EnableDHCP /t REG_DWORD /d 0");
    text = activate(2, "Cafe", e2e::DhcpArguments(kNic), 90000);
    CHECK_EQ(ctx, text,
             std::string("Cafe is not in effect: no DHCP server answered within 60 s (the adapter has "
                         "169.254.7.1)."));
    CheckTrayTip(ctx, "Vok Tarvex\nCafe is not in effect (169.254.7.1)");
    CHECK(ctx, e2e::FileContains(log, "The profile is not in effect: no DHCP server answered within 60 s"));

    // From the tray menu with the window hidden: the tray icon's own notification tells it, not the window's notice.
    SETUP(ctx, e2e::WriteFileBytes(effect, live));
    PostMessageA(app.Main(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    SETUP(ctx, e2e::WaitUntil([&] { return !IsWindowVisible(app.Main()); }, 5000));
    app.ChooseTrayEntry(3);  // Exit, the web site, then Office
    std::string shown;
    CHECK(ctx,
          e2e::WaitUntil([&] { return Contains(shown = e2e::TrayNotificationText(), "Office is in effect"); }, 30000));
    CHECK(ctx, Contains(shown, "Office is in effect: 192.168.1.20, mask 255.255.255.0, gateway 192.168.1.1 ("));
    e2e::SaveScreenshot(ctx, "verdict-tray-notification");
    CHECK(ctx, app.VisibleBalloon() == nullptr);
}
