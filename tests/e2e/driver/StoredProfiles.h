#pragma once
// Settings files as the scenarios prepare them, and the netsh lines that applying their profiles gives on the
// prefix's Windows 7. The settings file keeps its settings section, then one 14-line block per profile.
#include <string>
#include <utility>
#include <vector>

namespace e2e {

struct StoredProfile {
    // name: "profile_name", the profile and its adapter joined by " - "; use: "use_ip" and "use_dns" alike.
    StoredProfile(std::string profileName, std::string address = "192.168.1.20", std::string useIpAndDns = "user")
        : name(std::move(profileName)), ip(std::move(address)), use(std::move(useIpAndDns)) {}
    std::string name;
    std::string ip;
    std::string use;
    std::string proxyIp = "0.0.0.0";
    std::string proxyPort;
    std::string useProxy = "0";
    std::string killBrowsers = "0";
    std::string sm = "255.255.255.0";
    std::string gw = "192.168.1.1";
    std::string dns1 = "192.168.1.1";
    std::string dns2 = "8.8.4.4";
    std::string applied = "0";
};

inline std::string ProfileBlock(int number, const StoredProfile& p) {
    return "[Profile" + std::to_string(number) + "]\r\nprofile_name=" + p.name + "\r\nIP=" + p.ip + "\r\nSM=" + p.sm +
           "\r\nGW=" + p.gw + "\r\nDNS1=" + p.dns1 + "\r\nDNS2=" + p.dns2 + "\r\nproxy_IP=" + p.proxyIp +
           "\r\nproxy_port=" + p.proxyPort + "\r\nuse_ip=" + p.use + "\r\nuse_dns=" + p.use +
           "\r\nuse_proxy=" + p.useProxy + "\r\nkill_browsers=" + p.killBrowsers + "\r\nprofile_applied=" + p.applied +
           "\r\n";
}

// The whole file: "[Zelta Settings]", the count, the extra settings lines (each ending in CR LF), the blocks.
inline std::string SettingsText(const std::vector<StoredProfile>& profiles, const std::string& extra = "") {
    std::string text = "[Zelta Settings]\r\n#_profiles=" + std::to_string(profiles.size()) + "\r\n" + extra;
    for (std::size_t i = 0; i < profiles.size(); ++i) text += ProfileBlock(static_cast<int>(i) + 1, profiles[i]);
    return text;
}

// What reaches netsh (the arguments after "netsh") when a profile with the default addresses is applied to nic:
// the static address and the two DNS servers (Wine reports Windows 7 or later: without netsh's check of the servers),
// or DHCP for both.
inline std::vector<std::string> StaticArguments(const std::string& nic, const std::string& ip = "192.168.1.20") {
    return {"int ipv4 set address name=\"" + nic + "\" source=static addr=" + ip +
                " mask=255.255.255.0 gateway=192.168.1.1 gwmetric=1",
            "int ipv4 set dns name=\"" + nic + "\" source=static addr=192.168.1.1 validate=no",
            "int ipv4 add dns name=\"" + nic + "\" addr=8.8.4.4 index=2 validate=no"};
}
inline std::vector<std::string> DhcpArguments(const std::string& nic) {
    return {"int ipv4 set address name=\"" + nic + "\" source=dhcp",
            "int ipv4 set dns name=\"" + nic + "\" source=dhcp"};
}
// The lines one after the other, as the netsh log keeps them.
inline std::vector<std::string> Joined(std::vector<std::string> first, const std::vector<std::string>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

}  // namespace e2e
