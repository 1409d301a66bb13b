#include "apply/AdapterCommands.h"

namespace zelta::apply {

namespace {

// Vista and later name the context "ipv4" and take the address and the gateway in one command.
bool IsVistaOrLater(int osMajorVersion, int osMinorVersion) { return osMajorVersion > 5 && osMinorVersion > -1; }

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
        lines.push_back(prefix + "set dns " + nic + " source=static addr=" + profile.dns1);
        lines.push_back(prefix + "add dns " + nic + " addr=" + profile.dns2 + " index=2");
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
