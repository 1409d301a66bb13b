#pragma once
// Whether the profile is in effect once its adapter commands have run: what the commands ask of the adapter, held
// against what the system now holds for it; and the verdict as the companion hands it to the program's window.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "adapters/AdapterCommand.h"
#include "adapters/AdapterState.h"
#include "platform/LiveAdapters.h"

namespace zelta::companion {

// The tag of a verdict among the data that other programs may copy to the program's window.
inline constexpr std::uint32_t kVerdictCopyDataTag = 0x56544456;

// How long an address from DHCP, or one that Windows is still checking, may take once the commands have run: the
// Apply button promises up to 50 s for a DHCP profile.
inline constexpr unsigned kLeaseWaitMs = 60000;
// While it waits, the adapter is looked at again on each change of its registry values, and at least this often.
inline constexpr unsigned kLookIntervalMs = 250;

// What the adapter commands of one batch ask of the adapter. An address left empty or "0.0.0.0" asks nothing.
struct Expectation {
    std::string adapter;
    bool setsAddress = false;
    bool addressFromDhcp = false;
    std::string ip, mask, gateway;
    bool setsDns = false;
    bool dnsFromDhcp = false;
    std::vector<std::string> dnsServers;  // in the order given
};
// commands as run (read back from the batch file).
Expectation ExpectationOf(const std::vector<adapters::AdapterCommand>& commands);

struct Judgement {
    enum class Status {
        InEffect,
        NotInEffect,
        NotConnected,  // what Windows keeps is as asked, but the adapter is not connected
        Awaiting,      // no lease yet, or an address Windows is still checking: looked at again within the wait
    };
    Status status = Status::NotInEffect;
    // What follows "is in effect: ", "is not in effect: " or "is set, but "; while awaiting, what the verdict says
    // when the wait runs out.
    std::string detail;
    std::string address;  // the adapter's address now, as the tray tip names it
};
// stored: the adapter's registry values, what Windows keeps and will use (DNS servers are judged from them alone);
// live: what the IP helper reports, none when it does not know the adapter. In effect only when both are as asked
// and the adapter is connected and uses the asked address.
Judgement Judge(const Expectation& expected, const adapters::AdapterState& stored,
                const std::optional<platform::LiveAdapter>& live);
// A wait that ran out turns what was awaited into the verdict.
Judgement WaitRanOut(Judgement awaiting);

// netsh may report a failure although the adapter afterwards holds what the command asked: it refuses to switch on
// DHCP where it is on already, and Windows 7 and later complain about a DNS server they could not reach yet. For a
// failed command, why it counts as done (read from the adapter's values, never from netsh's text, which each
// language words differently); empty when the failure stands.
std::string AlreadyAsAsked(const adapters::AdapterCommand& command, const adapters::AdapterState& adapter);

// "255.255.255.0" from 24 and back; -1 for a text that is no mask.
std::string MaskOfPrefix(int prefixLength);
int PrefixOfMask(const std::string& mask);

// Whether the verdict's sentence ends with the time the commands took; chosen by whoever makes the verdict, apart
// from what the sentence says.
enum class VerdictShape { Plain, Timed };

struct Verdict {
    bool inEffect = false;
    bool connected = true;  // false: set as asked, and it takes effect when the adapter connects
    bool tellUser = true;   // false when the companion showed its own error message: no second word on it
    VerdictShape shape = VerdictShape::Timed;
    unsigned seconds = 0;  // from the start of the commands
    std::string detail;
    std::string address;
    std::uint32_t batchFingerprint = 0;  // of the batch file it ran, so the window knows which activation it was
};
Verdict MakeVerdict(const Judgement& judgement, VerdictShape shape, unsigned seconds, std::uint32_t batchFingerprint);
// "is in effect: 192.168.1.20, mask 255.255.255.0, gateway 192.168.1.1", "is not in effect: ...", "is set, but Local
// Area Connection is not connected: ...", after a name.
std::string VerdictWording(const Verdict& verdict);
// The wording in its shape, closed by a full stop: "is in effect: 192.168.1.20, mask 255.255.255.0 (4 s)."
std::string VerdictSentence(const Verdict& verdict);

// The companion's parameter naming the window that takes its verdict: "/window=" and the handle in decimal.
std::string WindowParameter(std::uint64_t window);
// The handle that the command line names; 0 when it names none.
std::uint64_t WindowOfParameters(const std::string& commandLine);

std::string EncodeVerdict(const Verdict& verdict);
std::optional<Verdict> DecodeVerdict(const std::string& text);
std::uint32_t BatchFingerprint(const std::string& batchBytes);

}  // namespace zelta::companion
