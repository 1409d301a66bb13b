#pragma once
// Whether the profile is in effect once its adapter commands have run: what the commands ask of the adapter, held
// against what the system now holds for it; and the verdict as the companion hands it to the program's window.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "adapters/AdapterState.h"

namespace zelta::companion {

// The tag of a verdict among the data that other programs may copy to the program's window.
inline constexpr std::uint32_t kVerdictCopyDataTag = 0x56544456;

// How long an address from DHCP may take to arrive once the commands have run.
inline constexpr unsigned kLeaseWaitMs = 30000;

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
// commandLines as run (read back from the batch file).
Expectation ExpectationOf(const std::vector<std::string>& commandLines);

struct Judgement {
    enum class Status { InEffect, NotInEffect, AwaitingLease };
    Status status = Status::NotInEffect;
    std::string detail;   // what follows "is in effect: " or "is not in effect: "
    std::string address;  // the adapter's address now, as the tray tip names it
};
Judgement Judge(const Expectation& expected, const adapters::AdapterState& adapter);
// What the verdict says when no lease came in time.
Judgement NoLease(const adapters::AdapterState& adapter);

// netsh refuses to switch on DHCP where it is on already. For a failed "source=dhcp" command, the reason why it
// asked for nothing new (read from the adapter's values, never from netsh's text, which each language words
// differently); empty when the failure stands.
std::string AlreadyFromDhcp(const std::string& commandLine, const adapters::AdapterState& adapter);

struct Verdict {
    bool inEffect = false;
    bool tellUser = true;     // false when the companion showed its own error message: no second word on it
    bool showSeconds = true;  // false when the detail names the time itself
    unsigned seconds = 0;     // from the start of the commands
    std::string detail;
    std::string address;
    std::uint32_t batchFingerprint = 0;  // of the batch file it ran, so the window knows which activation it was
};
Verdict MakeVerdict(const Judgement& judgement, unsigned seconds, std::uint32_t batchFingerprint);
// "is in effect: 192.168.1.20, mask 255.255.255.0, gateway 192.168.1.1 (4 s)." and the like, after a name.
std::string VerdictSentence(const Verdict& verdict);

std::string EncodeVerdict(const Verdict& verdict);
std::optional<Verdict> DecodeVerdict(const std::string& text);
std::uint32_t BatchFingerprint(const std::string& batchBytes);

}  // namespace zelta::companion
