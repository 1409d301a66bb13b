#include "companion/Verdict.h"

#include <cstdlib>

namespace zelta::companion {

namespace {

bool Asked(const std::string& address) { return !address.empty() && address != "0.0.0.0"; }

bool StartsWith(const std::string& text, const std::string& part) { return text.compare(0, part.size(), part) == 0; }

std::string FirstOr(const std::vector<std::string>& list, const std::string& none) {
    return list.empty() ? none : list.front();
}

std::string Joined(const std::vector<std::string>& list) {
    std::string text;
    for (const std::string& entry : list) text += (text.empty() ? "" : ", ") + entry;
    return text;
}

bool IsLease(const std::string& address) { return Asked(address) && !StartsWith(address, "169.254."); }

std::string AddressLine(const std::string& address, const std::string& mask, const std::string& gateway) {
    std::string line = address + ", mask " + mask;
    if (Asked(gateway)) line += ", gateway " + gateway;
    return line;
}

void CheckDns(const Expectation& expected, const adapters::AdapterState& adapter, std::vector<std::string>& problems) {
    if (!expected.setsDns) return;
    if (expected.dnsFromDhcp) {
        if (!adapter.nameServers.empty()) {
            problems.push_back("its DNS servers are still set by hand (" + Joined(adapter.nameServers) + ")");
        }
    } else if (!expected.dnsServers.empty() && adapter.nameServers != expected.dnsServers) {
        problems.push_back((adapter.nameServers.empty() ? std::string("it has no DNS server set by hand")
                                                        : "its DNS servers are " + Joined(adapter.nameServers)) +
                           ", not " + Joined(expected.dnsServers));
    }
}

}  // namespace

Expectation ExpectationOf(const std::vector<adapters::AdapterCommand>& commands) {
    Expectation expected;
    for (const adapters::AdapterCommand& command : commands) {
        if (expected.adapter.empty()) expected.adapter = command.adapter;
        const bool dhcp = command.Parameter("source") == "dhcp";
        if (command.verb == adapters::NetshVerb::SetAddress) {
            expected.setsAddress = true;
            expected.addressFromDhcp = dhcp;
            // The older form sets the address and the gateway in two commands.
            if (const std::string ip = command.Parameter("addr"); !ip.empty()) expected.ip = ip;
            if (const std::string mask = command.Parameter("mask"); !mask.empty()) expected.mask = mask;
            if (const std::string gateway = command.Parameter("gateway"); !gateway.empty()) expected.gateway = gateway;
        } else {
            expected.setsDns = true;
            expected.dnsFromDhcp = dhcp;
            if (const std::string server = command.Parameter("addr"); Asked(server)) {
                expected.dnsServers.push_back(server);
            }
        }
    }
    return expected;
}

namespace {

using platform::LiveAdapter;
using platform::LiveAddress;

const LiveAddress* LiveAddressOf(const LiveAdapter& live, const std::string& address) {
    for (const LiveAddress& held : live.addresses) {
        if (held.address == address) return &held;
    }
    return nullptr;
}

std::string LiveAddresses(const LiveAdapter& live) {
    std::vector<std::string> list;
    for (const LiveAddress& held : live.addresses) list.push_back(held.address);
    return list.empty() ? std::string("no address") : Joined(list);
}

bool Contains(const std::vector<std::string>& list, const std::string& entry) {
    for (const std::string& item : list) {
        if (item == entry) return true;
    }
    return false;
}

std::string GatewayProblem(const std::vector<std::string>& has, const std::string& asked) {
    return (has.empty() ? std::string("it has no gateway") : "its gateway is " + Joined(has)) + ", not " + asked;
}

// Which reading tells a field of a static address: the registry's, the live one (the registry's differing value is then
// what Windows keeps for the next start), or the live one alone (the live value differs already).
enum class Reading { Stored, LiveToo, LiveOnly };

// What the registry holds for a static address, against what was asked.
void CheckStoredStatic(const Expectation& expected, const adapters::AdapterState& stored, Reading address,
                       bool liveMask, bool liveGateway, std::vector<std::string>& problems) {
    const std::string has = FirstOr(stored.ipAddresses, "no address");
    if (stored.dhcpEnabled) problems.push_back("its address still comes from DHCP");
    if (address != Reading::LiveOnly && Asked(expected.ip) && has != expected.ip) {
        problems.push_back(
            (address == Reading::LiveToo ? "Windows keeps " + has + " as its address" : "the adapter has " + has) +
            ", not " + expected.ip);
    }
    const std::string mask = FirstOr(stored.subnetMasks, "none");
    if (!liveMask && Asked(expected.mask) && mask != expected.mask) {
        problems.push_back("its mask is " + mask + ", not " + expected.mask);
    }
    if (!liveGateway && Asked(expected.gateway) && !Contains(stored.defaultGateways, expected.gateway)) {
        problems.push_back(GatewayProblem(stored.defaultGateways, expected.gateway));
    }
}

// What the adapter does with the one address that matters: the asked one, or the lease. False when it is in use.
bool CheckLiveAddress(const LiveAddress& held, Judgement& judgement, std::vector<std::string>& problems) {
    switch (held.state) {
        case LiveAddress::State::Preferred:
            return true;
        case LiveAddress::State::Tentative:
            judgement.status = Judgement::Status::Awaiting;
            judgement.detail = "Windows was still checking after " + std::to_string(kLeaseWaitMs / 1000) +
                               " s whether another device on the network uses " + held.address;
            return false;
        case LiveAddress::State::Duplicate:
            problems.push_back("another device on the network already uses " + held.address);
            return false;
        case LiveAddress::State::Deprecated:
        case LiveAddress::State::Invalid:
            problems.push_back("the adapter holds " + held.address + " but no longer uses it");
            return false;
    }
    return false;
}

Judgement Finished(Judgement judgement, const std::vector<std::string>& problems) {
    if (judgement.status == Judgement::Status::Awaiting && problems.empty()) return judgement;
    if (problems.empty()) {
        judgement.status = Judgement::Status::InEffect;
        return judgement;
    }
    judgement.status = Judgement::Status::NotInEffect;
    judgement.detail.clear();
    for (const std::string& problem : problems) judgement.detail += (judgement.detail.empty() ? "" : "; ") + problem;
    return judgement;
}

std::string NoLeaseDetail(const std::string& has) {
    return "no DHCP server answered within " + std::to_string(kLeaseWaitMs / 1000) + " s (the adapter has " + has + ")";
}

void JudgeDhcp(const adapters::AdapterState& stored, const LiveAdapter& live, Judgement& judgement,
               std::vector<std::string>& problems) {
    const LiveAddress* lease = nullptr;
    for (const LiveAddress& held : live.addresses) {
        if (IsLease(held.address)) {
            lease = &held;
            break;
        }
    }
    if (!lease) {
        const std::string has = live.addresses.empty() ? std::string("no address") : live.addresses.front().address;
        judgement.address = has;
        judgement.status = Judgement::Status::Awaiting;
        judgement.detail = NoLeaseDetail(has);
        return;
    }
    judgement.address = lease->address + " from DHCP";
    if (!CheckLiveAddress(*lease, judgement, problems)) return;
    const std::string mask = lease->prefixLength >= 0 ? MaskOfPrefix(lease->prefixLength) : stored.dhcpSubnetMask;
    const std::vector<std::string>& gateways = live.gatewaysKnown ? live.gateways : stored.dhcpDefaultGateways;
    judgement.detail = AddressLine(judgement.address, mask, FirstOr(gateways, ""));
}

void JudgeStatic(const Expectation& expected, const adapters::AdapterState& stored, const LiveAdapter& live,
                 Judgement& judgement, std::vector<std::string>& problems) {
    const LiveAddress* held = Asked(expected.ip) ? LiveAddressOf(live, expected.ip) : nullptr;
    const bool maskKnown = held && held->prefixLength >= 0;
    const Reading address = !Asked(expected.ip) ? Reading::Stored : held ? Reading::LiveToo : Reading::LiveOnly;
    CheckStoredStatic(expected, stored, address, maskKnown, live.gatewaysKnown, problems);
    if (Asked(expected.ip) && !held) {
        judgement.address = live.addresses.empty() ? std::string("no address") : live.addresses.front().address;
        problems.insert(problems.begin(), "the adapter has " + LiveAddresses(live) + ", not " + expected.ip);
        return;
    }
    if (held) {
        judgement.address = held->address;
        if (!CheckLiveAddress(*held, judgement, problems)) return;
    }
    const std::string mask = maskKnown ? MaskOfPrefix(held->prefixLength) : FirstOr(stored.subnetMasks, "none");
    if (maskKnown && Asked(expected.mask) && mask != expected.mask) {
        problems.push_back("its mask is " + mask + ", not " + expected.mask);
    }
    const std::vector<std::string>& gateways = live.gatewaysKnown ? live.gateways : stored.defaultGateways;
    if (live.gatewaysKnown && Asked(expected.gateway) && !Contains(gateways, expected.gateway)) {
        problems.push_back(GatewayProblem(gateways, expected.gateway));
    }
    const std::string gateway =
        Asked(expected.gateway) && Contains(gateways, expected.gateway) ? expected.gateway : FirstOr(gateways, "");
    judgement.detail = AddressLine(judgement.address, mask, gateway);
}

}  // namespace

Judgement Judge(const Expectation& expected, const adapters::AdapterState& stored,
                const std::optional<LiveAdapter>& live) {
    Judgement judgement;
    std::vector<std::string> problems;
    if (!live) {
        judgement.detail = "the adapter \"" + expected.adapter + "\" was not found";
        return judgement;
    }
    const bool dhcp = expected.setsAddress && expected.addressFromDhcp;
    if (!live->up) {
        // Nothing it holds now tells what it will do once connected: what Windows keeps for it is the verdict.
        if (dhcp && !stored.dhcpEnabled) {
            problems.push_back("DHCP is not switched on for its address (it has " +
                               FirstOr(stored.ipAddresses, "no address") + ")");
        } else if (expected.setsAddress && !dhcp) {
            CheckStoredStatic(expected, stored, Reading::Stored, false, false, problems);
        }
        CheckDns(expected, stored, problems);
        judgement.address = "not connected";
        if (!problems.empty()) return Finished(judgement, problems);
        judgement.status = Judgement::Status::NotConnected;
        judgement.detail = expected.adapter + " is not connected: it takes effect when the adapter connects";
        return judgement;
    }
    if (dhcp) {
        if (!stored.dhcpEnabled) {
            problems.push_back("DHCP is not switched on for its address (it has " +
                               FirstOr(stored.ipAddresses, "no address") + ")");
            judgement.address = LiveAddresses(*live);
        } else {
            JudgeDhcp(stored, *live, judgement, problems);
        }
    } else if (expected.setsAddress) {
        JudgeStatic(expected, stored, *live, judgement, problems);
    }
    CheckDns(expected, stored, problems);
    return Finished(judgement, problems);
}

Judgement WaitRanOut(Judgement awaiting) {
    if (awaiting.status == Judgement::Status::Awaiting) awaiting.status = Judgement::Status::NotInEffect;
    return awaiting;
}

std::string MaskOfPrefix(int prefixLength) {
    if (prefixLength < 0 || prefixLength > 32) return "none";
    const std::uint32_t bits = prefixLength == 0 ? 0u : ~std::uint32_t{0} << (32 - prefixLength);
    return std::to_string(bits >> 24) + "." + std::to_string((bits >> 16) & 0xFF) + "." +
           std::to_string((bits >> 8) & 0xFF) + "." + std::to_string(bits & 0xFF);
}

int PrefixOfMask(const std::string& mask) {
    for (int prefix = 0; prefix <= 32; ++prefix) {
        if (MaskOfPrefix(prefix) == mask) return prefix;
    }
    return -1;
}

std::string AlreadyAsAsked(const adapters::AdapterCommand& command, const adapters::AdapterState& adapter) {
    const bool address = command.verb == adapters::NetshVerb::SetAddress;
    const bool firstDns = command.verb == adapters::NetshVerb::SetDns;
    const bool secondDns = command.verb == adapters::NetshVerb::AddDns;
    if (command.Parameter("source") == "dhcp") {
        if (address && adapter.dhcpEnabled) {
            return "the adapter already takes its address from DHCP (EnableDHCP is 1), so this counts as done";
        }
        if (firstDns && adapter.nameServers.empty()) {
            return "the adapter already takes its DNS servers from DHCP (no NameServer is set), so this counts as "
                   "done";
        }
        return {};
    }
    const std::string addr = command.Parameter("addr");
    if (address) {
        const std::string mask = command.Parameter("mask");
        const std::string gateway = command.Parameter("gateway");
        if (adapter.dhcpEnabled || (Asked(addr) && FirstOr(adapter.ipAddresses, "") != addr) ||
            (Asked(mask) && FirstOr(adapter.subnetMasks, "") != mask) ||
            (Asked(gateway) && !Contains(adapter.defaultGateways, gateway)) || (!Asked(addr) && !Asked(gateway))) {
            return {};
        }
        return "the adapter holds what it asked (" + (Asked(addr) ? "IPAddress " + addr : std::string()) +
               (Asked(addr) && Asked(gateway) ? ", " : "") + (Asked(gateway) ? "DefaultGateway " + gateway : "") +
               "), so this counts as done";
    }
    const std::size_t position = secondDns ? 1 : 0;
    if ((firstDns || secondDns) && Asked(addr) && adapter.nameServers.size() > position &&
        adapter.nameServers[position] == addr) {
        return "the adapter holds what it asked (NameServer " + Joined(adapter.nameServers) +
               "), so this counts as done";
    }
    return {};
}

Verdict MakeVerdict(const Judgement& judgement, VerdictShape shape, unsigned seconds, std::uint32_t batchFingerprint) {
    Verdict verdict;
    verdict.inEffect = judgement.status == Judgement::Status::InEffect;
    verdict.connected = judgement.status != Judgement::Status::NotConnected;
    verdict.shape = shape;
    verdict.seconds = seconds;
    verdict.detail = judgement.detail;
    verdict.address = judgement.address;
    verdict.batchFingerprint = batchFingerprint;
    return verdict;
}

std::string VerdictWording(const Verdict& verdict) {
    return (verdict.inEffect    ? "is in effect: "
            : verdict.connected ? "is not in effect: "
                                : "is set, but ") +
           verdict.detail;
}

std::string VerdictSentence(const Verdict& verdict) {
    const std::string time =
        verdict.shape == VerdictShape::Timed ? " (" + std::to_string(verdict.seconds) + " s)" : std::string();
    return VerdictWording(verdict) + time + ".";
}

std::string WindowParameter(std::uint64_t window) {
    return window == 0 ? std::string() : "/window=" + std::to_string(window);
}

std::uint64_t WindowOfParameters(const std::string& commandLine) {
    const std::string marker = "/window=";
    const auto at = commandLine.find(marker);
    if (at == std::string::npos) return 0;
    const char* digits = commandLine.c_str() + at + marker.size();
    if (*digits < '0' || *digits > '9') return 0;
    return std::strtoull(digits, nullptr, 10);
}

std::string EncodeVerdict(const Verdict& verdict) {
    return "verdict=1\neffect=" + std::to_string(verdict.inEffect) +
           "\nconnected=" + std::to_string(verdict.connected) + "\ntell=" + std::to_string(verdict.tellUser) +
           "\ntimed=" + std::to_string(verdict.shape == VerdictShape::Timed) +
           "\nseconds=" + std::to_string(verdict.seconds) + "\nbatch=" + std::to_string(verdict.batchFingerprint) +
           "\ndetail=" + verdict.detail + "\naddress=" + verdict.address + "\n";
}

std::optional<Verdict> DecodeVerdict(const std::string& text) {
    if (!StartsWith(text, "verdict=1\n")) return std::nullopt;
    Verdict verdict;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find('\n', start);
        const std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        start = end == std::string::npos ? text.size() : end + 1;
        const auto equals = line.find('=');
        if (equals == std::string::npos) continue;
        const std::string key = line.substr(0, equals);
        const std::string value = line.substr(equals + 1);
        const unsigned long number = std::strtoul(value.c_str(), nullptr, 10);
        if (key == "effect") verdict.inEffect = number != 0;
        if (key == "connected") verdict.connected = number != 0;
        if (key == "tell") verdict.tellUser = number != 0;
        if (key == "timed") verdict.shape = number != 0 ? VerdictShape::Timed : VerdictShape::Plain;
        if (key == "seconds") verdict.seconds = static_cast<unsigned>(number);
        if (key == "batch") verdict.batchFingerprint = static_cast<std::uint32_t>(number);
        if (key == "detail") verdict.detail = value;
        if (key == "address") verdict.address = value;
    }
    return verdict;
}

std::uint32_t BatchFingerprint(const std::string& batchBytes) {
    std::uint32_t hash = 2166136261u;  // FNV-1a
    for (const char c : batchBytes) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    return hash;
}

}  // namespace zelta::companion
