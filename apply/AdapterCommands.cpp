#include "apply/AdapterCommands.h"

namespace zelta::apply {

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
    const std::string prefix = std::string("netsh int ") + (vista ? "ipv4" : "ip") + " ";
    const std::string nic = "name=\"" + profiles::SplitProfileName(profile.profileName).adapter + "\"";

    std::vector<std::string> lines;
    if (profiles::IsDhcp(profile.useIp)) {
        lines.push_back(prefix + "set address " + nic + " source=dhcp");
    } else if (vista) {
        lines.push_back(prefix + "set address " + nic + " source=static addr=" + profile.ip + " mask=" + profile.sm +
                        " gateway=" + profile.gw + " gwmetric=1");
    } else {
        lines.push_back(prefix + "set address " + nic + " source=static addr=" + profile.ip + " mask=" + profile.sm);
        lines.push_back(prefix + "set address " + nic + " source=static gateway=" + profile.gw + " gwmetric=1");
    }
    if (profiles::IsDhcp(profile.useDns)) {
        lines.push_back(prefix + "set dns " + nic + " source=dhcp");
    } else {
        const std::string noCheck = ValidatesDnsServers(osMajorVersion, osMinorVersion) ? " validate=no" : "";
        lines.push_back(prefix + "set dns " + nic + " source=static addr=" + profile.dns[0] + noCheck);
        // netsh refuses an empty further server, and would keep 0.0.0.0 as one.
        for (std::size_t i = 1; i < profile.dns.size(); ++i) {
            if (NoServer(profile.dns[i])) continue;
            lines.push_back(prefix + "add dns " + nic + " addr=" + profile.dns[i] + " index=" + std::to_string(i + 1) +
                            noCheck);
        }
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
