// The adapter commands and the batch text: the command forms for each Windows version, and what may reach them.
#include <gtest/gtest.h>

#include "adapters/AdapterCommand.h"
#include "app/model/Ipv4Text.h"
#include "apply/AdapterCommands.h"
#include "apply/CommandSafety.h"
#include "tests/fakes/Fakes.h"

namespace zelta::apply {
namespace {

using Lines = std::vector<std::string>;
using Profile = profiles::NetworkProfile;

Profile Office() {
    Profile p;
    p.profileName = "Office - Local Area Connection";
    p.useIp = "user";
    p.useDns = "user";
    p.ip = "192.168.1.20";
    p.sm = "255.255.255.0";
    p.gw = "192.168.1.1";
    p.dns[0] = "192.168.1.1";
    p.dns[1] = "8.8.4.4";
    return p;
}
// The office profile with one change made.
Profile Office(void (*change)(Profile&)) {
    Profile p = Office();
    change(p);
    return p;
}

TEST(AdapterCommands, TheStaticFormsOfEachWindowsVersion) {
    const std::string address =
        "netsh int ipv4 set address name=\"Local Area Connection\" source=static "
        "addr=192.168.1.20 mask=255.255.255.0 gateway=192.168.1.1 gwmetric=1";
    const std::string dns = "netsh int ipv4 set dns name=\"Local Area Connection\" source=static addr=192.168.1.1";
    const std::string second = "netsh int ipv4 add dns name=\"Local Area Connection\" addr=8.8.4.4 index=2";
    const Profile noSecond = Office([](Profile& p) { p.dns[1] = "0.0.0.0"; });
    const Profile dhcp = Office([](Profile& p) { p.useIp = p.useDns = "dhcp"; });
    const Lines dhcpLines = {"netsh int ipv4 set address name=\"Local Area Connection\" source=dhcp",
                             "netsh int ipv4 set dns name=\"Local Area Connection\" source=dhcp"};
    const Lines xpDhcpLines = {"netsh int ip set address name=\"Local Area Connection\" source=dhcp",
                               "netsh int ip set dns name=\"Local Area Connection\" source=dhcp"};
    const Profile upperDhcp = Office([](Profile& p) {
        p.useIp = "DHCP";
        p.useDns = "Dhcp";
    });
    const Profile bare = Office([](Profile& p) { p.useDns = p.dns[0] = p.dns[1] = p.gw = ""; });
    const Lines bareLines = {
        "netsh int ipv4 set address name=\"Local Area Connection\" source=static "
        "addr=192.168.1.20 mask=255.255.255.0 gateway= gwmetric=1",
        "netsh int ipv4 set dns name=\"Local Area Connection\" source=static addr="};
    const struct {
        const char* form;
        int major, minor;
        Profile profile;
        Lines lines;
    } rows[] = {
        {"XP",
         5,
         1,
         Office(),
         {"netsh int ip set address name=\"Local Area Connection\" source=static addr=192.168.1.20 "
          "mask=255.255.255.0",
          "netsh int ip set address name=\"Local Area Connection\" source=static gateway=192.168.1.1 gwmetric=1",
          "netsh int ip set dns name=\"Local Area Connection\" source=static addr=192.168.1.1",
          "netsh int ip add dns name=\"Local Area Connection\" addr=8.8.4.4 index=2"}},
        {"Vista", 6, 0, Office(), {address, dns, second}},
        {"7", 6, 1, Office(), {address, dns + " validate=no", second + " validate=no"}},
        {"10 (it reports 10.0)", 10, 0, Office(), {address, dns + " validate=no", second + " validate=no"}},
        {"Vista, no second DNS", 6, 0, noSecond, {address, dns}},
        {"10, no second DNS", 10, 0, noSecond, {address, dns + " validate=no"}},
        {"7, DHCP", 6, 1, dhcp, dhcpLines},
        {"XP, DHCP", 5, 1, dhcp, xpDhcpLines},
        {"7, DHCP only in lower case", 6, 1, upperDhcp, {address, dns + " validate=no", second + " validate=no"}},
        {"Vista, empty values leave their keywords bare", 6, 0, bare, bareLines},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.form);
        EXPECT_EQ(BuildAdapterCommands(row.profile, row.major, row.minor), row.lines);
    }
}

TEST(AdapterCommands, TheAdapterComesFromTheFirstDashBlank) {
    Profile p = Office();
    p.profileName = "Local Area Connection";  // no separator: all but the first character
    EXPECT_EQ(BuildAdapterCommands(p, 6, 0)[1], "netsh int ipv4 set dns name=\"ocal Area Connection\" source=static "
                                                "addr=192.168.1.1");
    p.profileName = "Up- down - LAN";  // the name's own "- " wins
    EXPECT_EQ(BuildAdapterCommands(p, 6, 0)[1], "netsh int ipv4 set dns name=\"down - LAN\" source=static "
                                                "addr=192.168.1.1");
}

// Each verb in each context reads back as the command written, whatever its adapter name holds.
TEST(AdapterCommand, EveryVerbReadsBackAsWritten) {
    using adapters::NetshContext;
    using adapters::NetshVerb;
    const struct {
        adapters::AdapterCommand command;
        std::string line;
    } rows[] = {
        {{NetshContext::Ip, NetshVerb::SetAddress, "LAN", {{"source", "static"}, {"addr", "10.0.0.2"}, {"mask", ""}}},
         "netsh int ip set address name=\"LAN\" source=static addr=10.0.0.2 mask="},
        {{NetshContext::Ipv4, NetshVerb::SetDns, "Caf\xe9 50% source=dhcp", {{"source", "dhcp"}}},
         "netsh int ipv4 set dns name=\"Caf\xe9 50% source=dhcp\" source=dhcp"},
        {{NetshContext::Ipv4, NetshVerb::AddDns, "LAN addr=1.1.1.1", {{"addr", "8.8.4.4"}, {"index", "2"}}},
         "netsh int ipv4 add dns name=\"LAN addr=1.1.1.1\" addr=8.8.4.4 index=2"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(adapters::WriteAdapterCommand(row.command), row.line);
        std::string problem;
        const std::optional<adapters::AdapterCommand> read = adapters::ReadAdapterCommand(row.line, problem);
        ASSERT_TRUE(read) << problem;
        EXPECT_TRUE(*read == row.command);
    }
}

TEST(BatchText, EveryLineEndsWithCrLfAndPercentSignsAreDoubled) {
    EXPECT_EQ(ComposeBatchText({"a", "b c"}), "a\r\nb c\r\n");
    EXPECT_EQ(ComposeBatchText({"name=\"50% off\" x=%%"}), "name=\"50%% off\" x=%%%%\r\n");
    EXPECT_EQ(ComposeBatchText({}), "");
}

TEST(DottedQuad, AcceptsFourNumbersUpTo255AndNothingElse) {
    for (const char* good : {"0.0.0.0", "192.168.1.20", "255.255.255.255", "010.1.1.1"}) {
        EXPECT_TRUE(IsDottedQuad(good)) << good;
    }
    for (const char* bad : {"", "1.2.3", "1.2.3.4.5", "256.1.1.1", "1.2.3.4 ", " 1.2.3.4", "1..3.4", "1.2.3.",
                            "1.2.3.4&calc", "0001.1.1.1", "a.b.c.d", "1.2.3.-4", "1.2.3.4\r\nx"}) {
        EXPECT_FALSE(IsDottedQuad(bad)) << bad;
    }
}

struct UnsafeCase {
    const char* what;
    void (*spoil)(Profile&);
    const char* keyInMessage;
};

TEST(CommandSafety, RefusesWhatCouldBreakOutOfACommandAndNamesTheKey) {
    const UnsafeCase cases[] = {
        {"command after an address", [](Profile& p) { p.ip = "1.2.3.4 & del C:\\x"; }, "its IP"},
        {"mask", [](Profile& p) { p.sm = "255.255.255.0|x"; }, "its SM"},
        {"gateway", [](Profile& p) { p.gw = "300.1.1.1"; }, "its GW"},
        {"first DNS", [](Profile& p) { p.dns[0] = "dns.example"; }, "its DNS1"},
        {"second DNS", [](Profile& p) { p.dns[1] = "8.8.4.4\"x"; }, "its DNS2"},
        {"quote in the adapter", [](Profile& p) { p.profileName = "A - LAN\" & calc & \""; }, "profile_name"},
        {"line break in the adapter", [](Profile& p) { p.profileName = "A - LAN\rcalc"; }, "profile_name"},
        {"backslash before the closing quote", [](Profile& p) { p.profileName = "A - LAN\\"; }, "profile_name"},
        {"no adapter", [](Profile& p) { p.profileName = "A - "; }, "profile_name"},
        {"empty name", [](Profile& p) { p.profileName = ""; }, "profile_name"},
        {"not in the console code page", [](Profile& p) { p.profileName = "A - LAN\x80"; }, "profile_name"},
    };
    fakes::FakeCodePages codePages;
    codePages.missingInConsole = "\x80";
    for (const UnsafeCase& c : cases) {
        const Profile p = Office(c.spoil);
        const std::string text = fakes::ErrorOf([&] { CheckCommandInputs(p, 7, codePages); });  // empty: accepted
        EXPECT_NE(text.find("profile 7"), std::string::npos) << c.what << ": " << text;
        EXPECT_NE(text.find(c.keyInMessage), std::string::npos) << c.what << ": " << text;
    }
}

TEST(CommandSafety, AcceptsEmptyAddressesUnusedAddressesAndOrdinaryNames) {
    fakes::FakeCodePages codePages;
    Profile p = Office();
    p.profileName = "Caf\xe9 - Connexion au r\xe9seau local 50% & co";
    p.dns[1] = "";
    EXPECT_NO_THROW(CheckCommandInputs(p, 1, codePages));
    // Addresses of a DHCP part never reach a command, so they are not judged.
    p.useIp = "dhcp";
    p.useDns = "dhcp";
    p.ip = "garbage & calc";
    p.dns[0] = "garbage";
    EXPECT_NO_THROW(CheckCommandInputs(p, 1, codePages));
}

}  // namespace
}  // namespace zelta::apply
