#include "companion/Verdict.h"

#include <cstdlib>

namespace zelta::companion {

namespace {

bool Asked(const std::string& address) { return !address.empty() && address != "0.0.0.0"; }

bool StartsWith(const std::string& text, const std::string& part) { return text.compare(0, part.size(), part) == 0; }

// The value of "key=" in a command line, up to the next blank; empty when the line has none.
std::string Parameter(const std::string& line, const std::string& key) {
    const std::string marker = " " + key + "=";
    const auto at = line.find(marker);
    if (at == std::string::npos) return {};
    const auto start = at + marker.size();
    const auto end = line.find(' ', start);
    return line.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::string AdapterName(const std::string& line) {
    const auto start = line.find("name=\"");
    if (start == std::string::npos) return {};
    const auto end = line.find('"', start + 6);
    return end == std::string::npos ? std::string() : line.substr(start + 6, end - start - 6);
}

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

Expectation ExpectationOf(const std::vector<std::string>& commandLines) {
    Expectation expected;
    for (const std::string& line : commandLines) {
        if (expected.adapter.empty()) expected.adapter = AdapterName(line);
        const bool dhcp = Parameter(line, "source") == "dhcp";
        if (line.find(" set address ") != std::string::npos) {
            expected.setsAddress = true;
            expected.addressFromDhcp = dhcp;
            // The older form sets the address and the gateway in two commands.
            if (const std::string ip = Parameter(line, "addr"); !ip.empty()) expected.ip = ip;
            if (const std::string mask = Parameter(line, "mask"); !mask.empty()) expected.mask = mask;
            if (const std::string gateway = Parameter(line, "gateway"); !gateway.empty()) expected.gateway = gateway;
        } else if (line.find(" set dns ") != std::string::npos || line.find(" add dns ") != std::string::npos) {
            expected.setsDns = true;
            expected.dnsFromDhcp = dhcp;
            if (const std::string server = Parameter(line, "addr"); Asked(server))
                expected.dnsServers.push_back(server);
        }
    }
    return expected;
}

Judgement Judge(const Expectation& expected, const adapters::AdapterState& adapter) {
    Judgement judgement;
    std::vector<std::string> problems;
    bool awaitingLease = false;
    if (expected.setsAddress && expected.addressFromDhcp) {
        judgement.address = IsLease(adapter.dhcpIpAddress) ? adapter.dhcpIpAddress + " from DHCP"
                                                           : FirstOr(adapter.ipAddresses, "no address");
        if (!adapter.dhcpEnabled) {
            problems.push_back("DHCP is not switched on for its address (it has " +
                               FirstOr(adapter.ipAddresses, "no address") + ")");
        } else if (!IsLease(adapter.dhcpIpAddress)) {
            awaitingLease = true;
        } else {
            judgement.detail = AddressLine(adapter.dhcpIpAddress + " from DHCP", adapter.dhcpSubnetMask,
                                           FirstOr(adapter.dhcpDefaultGateways, ""));
        }
    } else if (expected.setsAddress) {
        const std::string has = FirstOr(adapter.ipAddresses, "no address");
        judgement.address = has;
        if (adapter.dhcpEnabled) problems.push_back("its address still comes from DHCP");
        if (Asked(expected.ip) && has != expected.ip)
            problems.push_back("the adapter has " + has + ", not " + expected.ip);
        const std::string mask = FirstOr(adapter.subnetMasks, "none");
        if (Asked(expected.mask) && mask != expected.mask) {
            problems.push_back("its mask is " + mask + ", not " + expected.mask);
        }
        const std::string gateway = FirstOr(adapter.defaultGateways, "");
        if (Asked(expected.gateway) && gateway != expected.gateway) {
            problems.push_back((gateway.empty() ? std::string("it has no gateway") : "its gateway is " + gateway) +
                               ", not " + expected.gateway);
        }
        judgement.detail = AddressLine(has, mask, gateway);
    }
    CheckDns(expected, adapter, problems);
    if (problems.empty()) {
        judgement.status = awaitingLease ? Judgement::Status::AwaitingLease : Judgement::Status::InEffect;
        return judgement;
    }
    judgement.detail.clear();
    for (const std::string& problem : problems) judgement.detail += (judgement.detail.empty() ? "" : "; ") + problem;
    return judgement;
}

Judgement NoLease(const adapters::AdapterState& adapter) {
    const std::string has = Asked(adapter.autoconfigurationAddress) ? adapter.autoconfigurationAddress
                            : Asked(adapter.dhcpIpAddress)          ? adapter.dhcpIpAddress
                                                                    : std::string("no address");
    Judgement judgement;
    judgement.detail =
        "no DHCP server answered within " + std::to_string(kLeaseWaitMs / 1000) + " s (the adapter has " + has + ")";
    judgement.address = has;
    return judgement;
}

std::string AlreadyFromDhcp(const std::string& commandLine, const adapters::AdapterState& adapter) {
    if (Parameter(commandLine, "source") != "dhcp") return {};
    if (commandLine.find(" set address ") != std::string::npos && adapter.dhcpEnabled) {
        return "the adapter already takes its address from DHCP (EnableDHCP is 1), so this counts as done";
    }
    if (commandLine.find(" set dns ") != std::string::npos && adapter.nameServers.empty()) {
        return "the adapter already takes its DNS servers from DHCP (no NameServer is set), so this counts as done";
    }
    return {};
}

Verdict MakeVerdict(const Judgement& judgement, unsigned seconds, std::uint32_t batchFingerprint) {
    Verdict verdict;
    verdict.inEffect = judgement.status == Judgement::Status::InEffect;
    verdict.showSeconds = !StartsWith(judgement.detail, "no DHCP server answered");
    verdict.seconds = seconds;
    verdict.detail = judgement.detail;
    verdict.address = judgement.address;
    verdict.batchFingerprint = batchFingerprint;
    return verdict;
}

std::string VerdictSentence(const Verdict& verdict) {
    std::string sentence = (verdict.inEffect ? "is in effect: " : "is not in effect: ") + verdict.detail;
    if (verdict.showSeconds) sentence += " (" + std::to_string(verdict.seconds) + " s)";
    return sentence + ".";
}

std::string EncodeVerdict(const Verdict& verdict) {
    return "verdict=1\neffect=" + std::to_string(verdict.inEffect) + "\ntell=" + std::to_string(verdict.tellUser) +
           "\ntimed=" + std::to_string(verdict.showSeconds) + "\nseconds=" + std::to_string(verdict.seconds) +
           "\nbatch=" + std::to_string(verdict.batchFingerprint) + "\ndetail=" + verdict.detail +
           "\naddress=" + verdict.address + "\n";
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
        if (key == "tell") verdict.tellUser = number != 0;
        if (key == "timed") verdict.showSeconds = number != 0;
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
