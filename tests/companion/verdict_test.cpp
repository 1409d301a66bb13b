// Whether a profile is in effect: the commands' wishes held against the adapter's registry values, the wait for a
// lease on the fake clock, netsh's refusal to switch on DHCP twice, and what the window makes of the verdict.
#include <gtest/gtest.h>

#include "apply/VerdictNotice.h"
#include "tests/adapters/AdapterRegistry.h"
#include "tests/companion/CompanionHarness.h"

namespace zelta::companion {
namespace {

using adapters::AdapterState;
using Status = Judgement::Status;

const std::vector<std::string> kStatic = {
    "netsh int ipv4 set address name=\"LAN\" source=static addr=192.168.1.20 mask=255.255.255.0 gateway=192.168.1.1 "
    "gwmetric=1",
    "netsh int ipv4 set dns name=\"LAN\" source=static addr=192.168.1.1",
    "netsh int ipv4 add dns name=\"LAN\" addr=8.8.4.4 index=2"};
const std::vector<std::string> kDhcp = {"netsh int ipv4 set address name=\"LAN\" source=dhcp",
                                        "netsh int ipv4 set dns name=\"LAN\" source=dhcp"};

// The commands as the companion reads them back.
std::vector<adapters::AdapterCommand> Read(const std::vector<std::string>& lines) {
    std::vector<adapters::AdapterCommand> commands;
    std::string problem;
    for (const std::string& line : lines) commands.push_back(adapters::ReadAdapterCommand(line, problem).value());
    return commands;
}

AdapterState Static(const std::string& ip, const std::string& gateway, std::vector<std::string> dns) {
    AdapterState state;
    state.ipAddresses = {ip};
    state.subnetMasks = {"255.255.255.0"};
    if (!gateway.empty()) state.defaultGateways = {gateway};
    state.nameServers = std::move(dns);
    return state;
}

AdapterState Leased(const std::string& lease, std::vector<std::string> nameServers = {}) {
    AdapterState state;
    state.dhcpEnabled = true;
    state.ipAddresses = {"0.0.0.0"};
    state.dhcpIpAddress = lease;
    state.dhcpSubnetMask = "255.255.255.0";
    state.dhcpDefaultGateways = {"192.168.1.1"};
    state.nameServers = std::move(nameServers);
    return state;
}

using platform::LiveAdapter;
using platform::LiveAddress;
using AddressState = LiveAddress::State;

LiveAdapter Live(const std::string& ip, const std::string& gateway, AddressState state = AddressState::Preferred,
                 bool up = true) {
    LiveAdapter live;
    live.up = up;
    if (!ip.empty()) live.addresses.push_back({ip, 24, state});
    if (!gateway.empty()) live.gateways = {gateway};
    return live;
}

const AdapterState kOfficeStored = Static("192.168.1.20", "192.168.1.1", {"192.168.1.1", "8.8.4.4"});

TEST(Judge, HoldsWhatTheCommandsAskAgainstWhatWindowsKeepsAndWhatTheAdapterDoes) {
    const std::vector<std::string> xpForm = {
        "netsh int ip set address name=\"LAN\" source=static addr=192.168.1.20 mask=255.255.255.0",
        "netsh int ip set address name=\"LAN\" source=static gateway=192.168.1.1 gwmetric=1",
        "netsh int ip set dns name=\"LAN\" source=static addr=192.168.1.1",
        "netsh int ip add dns name=\"LAN\" addr= index=2"};
    const std::vector<std::string> emptyFields = {
        "netsh int ipv4 set address name=\"LAN\" source=static addr=192.168.1.20 mask=255.255.255.0 gateway=0.0.0.0 "
        "gwmetric=1",
        "netsh int ipv4 set dns name=\"LAN\" source=static addr= validate=no",
        "netsh int ipv4 add dns name=\"LAN\" addr=0.0.0.0 index=2"};
    const std::vector<std::string> nameWithAddr = {
        "netsh int ipv4 set address name=\"LAN addr=10.0.0.1\" source=static addr=192.168.1.20"};
    AdapterState stillDhcp = Static("10.0.0.5", "", {});
    stillDhcp.dhcpEnabled = true;
    const LiveAdapter office = Live("192.168.1.20", "192.168.1.1");
    const std::string officeInEffect = "192.168.1.20, mask 255.255.255.0, gateway 192.168.1.1";
    LiveAdapter xpLive = Live("192.168.1.20", "");
    xpLive.addresses[0].prefixLength = -1;
    xpLive.gatewaysKnown = false;
    const struct {
        const char* form;
        std::vector<std::string> commands;
        AdapterState stored;
        std::optional<LiveAdapter> live;
        Status status;
        std::string detail;
    } rows[] = {
        {"static, as asked and in use", kStatic, kOfficeStored, office, Status::InEffect, officeInEffect},
        {"an adapter name that holds \" addr=\" names no address", nameWithAddr, kOfficeStored, office,
         Status::InEffect, officeInEffect},
        {"static, the older two-line form, the system tells no mask or gateway", xpForm,
         Static("192.168.1.20", "192.168.1.1", {"192.168.1.1"}), xpLive, Status::InEffect, officeInEffect},
        {"static, empty and 0.0.0.0 fields ask nothing", emptyFields, Static("192.168.1.20", "", {}),
         Live("192.168.1.20", ""), Status::InEffect, "192.168.1.20, mask 255.255.255.0"},
        {"stored as asked, the adapter still uses its old address", kStatic, kOfficeStored,
         Live("10.0.0.5", "10.0.0.1"), Status::NotInEffect, "the adapter has 10.0.0.5, not 192.168.1.20"},
        {"stored as asked, the gateway missing live", kStatic, kOfficeStored, Live("192.168.1.20", ""),
         Status::NotInEffect, "it has no gateway, not 192.168.1.1"},
        {"another device uses the address", kStatic, kOfficeStored,
         Live("192.168.1.20", "192.168.1.1", AddressState::Duplicate), Status::NotInEffect,
         "another device on the network already uses 192.168.1.20"},
        {"Windows is still checking the address", kStatic, kOfficeStored,
         Live("192.168.1.20", "192.168.1.1", AddressState::Tentative), Status::Awaiting,
         "Windows was still checking after 60 s whether another device on the network uses 192.168.1.20"},
        {"stored as asked, not connected", kStatic, kOfficeStored, Live("", "", AddressState::Preferred, false),
         Status::NotConnected, "LAN is not connected: it takes effect when the adapter connects"},
        {"in use, but Windows keeps other values", kStatic, stillDhcp, office, Status::NotInEffect,
         "its address still comes from DHCP; Windows keeps 10.0.0.5 as its address, not 192.168.1.20; it has no DNS "
         "server set by hand, not 192.168.1.1, 8.8.4.4"},
        {"nothing taken", kStatic, stillDhcp, Live("10.0.0.5", "10.0.0.1"), Status::NotInEffect,
         "the adapter has 10.0.0.5, not 192.168.1.20; its address still comes from DHCP; it has no DNS server set by "
         "hand, not 192.168.1.1, 8.8.4.4"},
        {"unknown to the IP helper", kStatic, kOfficeStored, std::nullopt, Status::NotInEffect,
         "the adapter \"LAN\" was not found"},
        {"DHCP with a lease", kDhcp, Leased("192.168.1.57"), Live("192.168.1.57", "192.168.1.1"), Status::InEffect,
         "192.168.1.57 from DHCP, mask 255.255.255.0, gateway 192.168.1.1"},
        {"DHCP, an automatic address is no lease", kDhcp, Leased("0.0.0.0"), Live("169.254.7.1", ""), Status::Awaiting,
         "no DHCP server answered within 60 s (the adapter has 169.254.7.1)"},
        {"DHCP, the lease is someone else's address", kDhcp, Leased("192.168.1.57"),
         Live("192.168.1.57", "192.168.1.1", AddressState::Duplicate), Status::NotInEffect,
         "another device on the network already uses 192.168.1.57"},
        {"DHCP not switched on", kDhcp, Static("192.168.1.20", "192.168.1.1", {}), Live("192.168.1.20", ""),
         Status::NotInEffect, "DHCP is not switched on for its address (it has 192.168.1.20)"},
        {"DHCP, DNS servers still by hand", kDhcp, Leased("192.168.1.57", {"1.1.1.1"}),
         Live("192.168.1.57", "192.168.1.1"), Status::NotInEffect, "its DNS servers are still set by hand (1.1.1.1)"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.form);
        const Judgement judgement = Judge(ExpectationOf(Read(row.commands)), row.stored, row.live);
        EXPECT_EQ(judgement.status, row.status);
        EXPECT_EQ(judgement.detail, row.detail);
    }
}

// What a command that netsh reports as failed leaves: done when the adapter holds what it asked.
TEST(AlreadyAsAsked, ExcusesAFailureOnlyWhereTheAdapterHoldsTheAskedValues) {
    AdapterState dhcpOn = Leased("192.168.1.57");
    const struct {
        std::string command;
        AdapterState adapter;
        bool done;
    } rows[] = {
        {kStatic[0], kOfficeStored, true},
        {kStatic[0], Static("192.168.1.20", "192.168.1.254", {}), false},
        {kStatic[1] + " validate=no", kOfficeStored, true},
        {kStatic[2] + " validate=no", kOfficeStored, true},
        {kStatic[2], Static("192.168.1.20", "192.168.1.1", {"192.168.1.1"}), false},
        {kDhcp[0], dhcpOn, true},
        {kDhcp[0], kOfficeStored, false},
        {kDhcp[1], dhcpOn, true},
        {kDhcp[1], kOfficeStored, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.command);
        EXPECT_EQ(!AlreadyAsAsked(Read({row.command}).at(0), row.adapter).empty(), row.done);
    }
}

// The companion over the fake system: an adapter "LAN" whose values the fake netsh leaves to the test.
struct CompanionVerdict : CompanionHarness {
    const std::string interfaceKey = fakes::InterfaceKey("{A}");

    void Prepare(const std::vector<std::string>& batch, bool dhcpOn, const std::string& lease) {
        environment.executablePath = "C:\\Tools\\Zelta\\Quillet.exe";
        std::string bytes;
        for (const std::string& line : batch) bytes += line + "\r\n";
        files.files["C:\\Tools\\Zelta\\execute.bat"] = bytes;
        fakes::AddAdapter(registry, "{A}", true, std::string("LAN"));
        registry.AddKey(fakes::kHklm, interfaceKey);
        registry.SetValue(fakes::kHklm, interfaceKey, "EnableDHCP", platform::kRegDword,
                          std::string(dhcpOn ? "\x01" : "\x00", 1) + std::string(3, '\0'));
        registry.SetString(fakes::kHklm, interfaceKey, "DhcpIPAddress", lease);
        registry.SetString(fakes::kHklm, interfaceKey, "DhcpSubnetMask", "255.255.255.0");
        registry.SetMultiString(fakes::kHklm, interfaceKey, "DhcpDefaultGateway", {"192.168.1.1"});
    }
    std::string Report() { return files.files["C:\\Tools\\Zelta\\execute.log"]; }
};

TEST_F(CompanionVerdict, WaitsForALeaseFourLooksASecondAndNoLongerThanItsBound) {
    Prepare(kDhcp, true, "0.0.0.0");
    liveAdapters.adapters["{A}"] = Live("169.254.7.1", "");
    clock.onWait = [&](std::uint64_t now) {
        if (now >= 4000) liveAdapters.adapters["{A}"] = Live("192.168.1.57", "192.168.1.1");
    };
    const CompanionResult leased = RunCompanion(system);
    ASSERT_TRUE(leased.verdict);
    EXPECT_EQ(clock.waits, 16);
    EXPECT_EQ(VerdictSentence(*leased.verdict),
              "is in effect: 192.168.1.57 from DHCP, mask 255.255.255.0, gateway 192.168.1.1 (4 s).");
    EXPECT_TRUE(leased.verdict->tellUser);
    EXPECT_EQ(leased.verdict->batchFingerprint, BatchFingerprint(files.files["C:\\Tools\\Zelta\\execute.bat"]));

    liveAdapters.adapters["{A}"] = Live("169.254.7.1", "");
    clock = fakes::FakeClock{};
    const CompanionResult unanswered = RunCompanion(system);
    ASSERT_TRUE(unanswered.verdict);
    EXPECT_EQ(clock.now, kLeaseWaitMs);
    EXPECT_EQ(VerdictSentence(*unanswered.verdict),
              "is not in effect: no DHCP server answered within 60 s (the adapter has 169.254.7.1).");
    EXPECT_NE(Report().find("\r\nThe profile is not in effect: no DHCP server answered"), std::string::npos);
}

TEST_F(CompanionVerdict, NetshRefusingDhcpThatIsOnAlreadyIsNoFailureButAFailureStaysOne) {
    Prepare(kDhcp, true, "192.168.1.57");
    liveAdapters.adapters["{A}"] = Live("192.168.1.57", "192.168.1.1");
    runner.results[kDhcp[0]] = Ended(1, "DHCP is already enabled on this interface.");
    const CompanionResult result = RunCompanion(system);
    EXPECT_EQ(result.exitCode, kAllSucceeded);
    EXPECT_EQ(result.message, "");
    EXPECT_NE(Report().find("    the adapter already takes its address from DHCP (EnableDHCP is 1), so this counts as "
                            "done\r\n"),
              std::string::npos)
        << Report();

    // On a static adapter the same failure stands: one message, and the verdict only for the tray tip.
    registry.SetValue(fakes::kHklm, interfaceKey, "EnableDHCP", platform::kRegDword, std::string(4, '\0'));
    clock = fakes::FakeClock{};
    const CompanionResult failed = RunCompanion(system);
    EXPECT_EQ(failed.exitCode, kCommandFailed);
    ASSERT_TRUE(failed.verdict);
    EXPECT_FALSE(failed.verdict->tellUser);
    EXPECT_EQ(clock.waits, 0);
}

TEST(VerdictNotice, NamesTheLastActivationsProfileOnceAndIgnoresAnOlderOne) {
    fakes::FakeApp app;
    app.state().ActivatedProfileName = "Home";
    app.state().ActivatedBatchFingerprint = 7;
    const Judgement noLease = WaitRanOut(Judge(ExpectationOf(Read(kDhcp)), Leased("0.0.0.0"), Live("169.254.7.1", "")));
    apply::ReceiveVerdict(app.main, EncodeVerdict(MakeVerdict(noLease, VerdictShape::Plain, 61, 7)));
    EXPECT_EQ(app.notifier.Messages(),
              std::vector<std::string>{"Home is not in effect: no DHCP server answered within 60 s (the adapter has "
                                       "169.254.7.1)."});
    EXPECT_TRUE(app.notifier.notices[0].anywhere);  // seen with the window hidden too, with the warning icon
    EXPECT_TRUE(app.notifier.notices[0].warning);
    EXPECT_EQ(app.state().TrayTip, "Vok Tarvex\nHome is not in effect (169.254.7.1)");

    Verdict older = MakeVerdict({Status::InEffect, "10.0.0.7, mask 255.0.0.0", "10.0.0.7"}, VerdictShape::Timed, 3, 8);
    apply::ReceiveVerdict(app.main, EncodeVerdict(older));
    EXPECT_EQ(app.notifier.Messages().size(), 1u);

    older.batchFingerprint = 7;
    older.tellUser = false;  // the companion's message said it already
    apply::ReceiveVerdict(app.main, EncodeVerdict(older));
    EXPECT_EQ(app.notifier.Messages().size(), 1u);
    EXPECT_EQ(app.state().TrayTip, "Vok Tarvex\nHome is in effect: 10.0.0.7");
}

}  // namespace
}  // namespace zelta::companion
