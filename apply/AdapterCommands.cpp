#include "apply/AdapterCommands.h"

#include "adapters/AdapterCommand.h"

namespace zelta::apply {

using adapters::AdapterCommand;
using adapters::NetshVerb;

namespace {

// Vista and later name the context "ipv4" and take the address and the gateway in one command.
bool IsVistaOrLater(int osMajorVersion, int osMinorVersion) { return osMajorVersion > 5 && osMinorVersion > -1; }

// Windows 7 and later check a static DNS server by contacting it; at the moment of a switch the new network is not
// up yet, so netsh waits and then complains although it set the server.
bool ValidatesDnsServers(int osMajorVersion, int osMinorVersion) {
    return osMajorVersion > 6 || (osMajorVersion == 6 && osMinorVersion >= 1);
}

// An address box left empty holds "0.0.0.0".
bool NoServer(const std::string& address) { return address.empty() || address == "0.0.0.0"; }

}  // namespace

std::vector<std::string> BuildAdapterCommands(const profiles::NetworkProfile& profile, int osMajorVersion,
                                              int osMinorVersion) {
    const bool vista = IsVistaOrLater(osMajorVersion, osMinorVersion);
    const std::string adapter = profiles::SplitProfileName(profile.profileName).adapter;
    std::vector<std::string> lines;
    auto add = [&](NetshVerb verb, std::vector<std::pair<std::string, std::string>> parameters) {
        lines.push_back(adapters::WriteAdapterCommand(
            {vista ? adapters::NetshContext::Ipv4 : adapters::NetshContext::Ip, verb, adapter, std::move(parameters)}));
    };

    if (profiles::IsDhcp(profile.useIp)) {
        add(NetshVerb::SetAddress, {{"source", "dhcp"}});
    } else if (vista) {
        add(NetshVerb::SetAddress, {{"source", "static"},
                                    {"addr", profile.ip},
                                    {"mask", profile.sm},
                                    {"gateway", profile.gw},
                                    {"gwmetric", "1"}});
    } else {
        add(NetshVerb::SetAddress, {{"source", "static"}, {"addr", profile.ip}, {"mask", profile.sm}});
        add(NetshVerb::SetAddress, {{"source", "static"}, {"gateway", profile.gw}, {"gwmetric", "1"}});
    }
    if (profiles::IsDhcp(profile.useDns)) {
        add(NetshVerb::SetDns, {{"source", "dhcp"}});
        return lines;
    }
    const bool noCheck = ValidatesDnsServers(osMajorVersion, osMinorVersion);
    const auto& dnsServers = profile.dns;
    for (std::size_t i = 0; i < dnsServers.size(); ++i) {
        std::vector<std::pair<std::string, std::string>> parameters;
        if (i == 0) {
            parameters = {{"source", "static"}, {"addr", dnsServers[i]}};
        } else if (NoServer(dnsServers[i])) {
            continue;  // netsh refuses an empty further server, and would keep 0.0.0.0 as one
        } else {
            parameters = {{"addr", dnsServers[i]}, {"index", std::to_string(i + 1)}};
        }
        if (noCheck) parameters.emplace_back("validate", "no");
        add(i == 0 ? NetshVerb::SetDns : NetshVerb::AddDns, std::move(parameters));
    }
    return lines;
}

std::string ComposeBatchText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        for (const char c : line) {
            text += c;
            if (c == '%') text += '%';
        }
        text += "\r\n";
    }
    return text;
}

}  // namespace zelta::apply
