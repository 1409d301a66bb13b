#pragma once
// Settings files as tests prepare them: the settings section, then one 14-line block per profile, each line ended
// as the file's own (CR LF unless a test asks for another ending).
#include <string>
#include <utility>
#include <vector>

namespace zelta::fakes {

struct StoredProfile {
    // name: "profile_name", the profile and its adapter joined by " - "; use: "use_ip" and "use_dns" alike.
    StoredProfile(std::string profileName, std::string address = "192.168.1.20", const std::string& use = "user")
        : name(std::move(profileName)), ip(std::move(address)), useIp(use), useDns(use) {}
    std::string name;
    std::string ip;
    std::string useIp;
    std::string useDns;
    std::string proxyIp = "0.0.0.0";
    std::string proxyPort;
    std::string useProxy = "0";
    std::string killBrowsers = "0";
    std::string sm = "255.255.255.0";
    std::string gw = "192.168.1.1";
    std::string dns1 = "192.168.1.1";
    std::string dns2 = "8.8.4.4";
    std::string applied = "0";

    // The mask, the gateway and the two DNS servers at once.
    StoredProfile& Net(std::string mask, std::string gateway, std::string firstDns, std::string secondDns) {
        sm = std::move(mask), gw = std::move(gateway), dns1 = std::move(firstDns), dns2 = std::move(secondDns);
        return *this;
    }
    // The proxy's address and port, "use_proxy" and "kill_browsers" at once.
    StoredProfile& Proxy(std::string address, std::string port, std::string use, std::string kill) {
        proxyIp = std::move(address), proxyPort = std::move(port), useProxy = std::move(use);
        killBrowsers = std::move(kill);
        return *this;
    }
};

inline std::string ProfileBlock(int number, const StoredProfile& p, const std::string& eol = "\r\n") {
    const char* const keys[] = {"profile_name",   "IP",         "SM",     "GW",      "DNS1",      "DNS2",
                                "proxy_IP",       "proxy_port", "use_ip", "use_dns", "use_proxy", "kill_browsers",
                                "profile_applied"};
    const std::string* const values[] = {&p.name,     &p.ip,           &p.sm,        &p.gw,    &p.dns1,
                                         &p.dns2,     &p.proxyIp,      &p.proxyPort, &p.useIp, &p.useDns,
                                         &p.useProxy, &p.killBrowsers, &p.applied};
    std::string block = "[Profile" + std::to_string(number) + "]" + eol;
    for (int i = 0; i < 13; ++i) block += keys[i] + ("=" + *values[i]) + eol;
    return block;
}

// The whole file: "[Zelta Settings]", the count (countText, or the number of profiles), the extra settings lines
// (each with its line end), the blocks.
inline std::string SettingsText(const std::vector<StoredProfile>& profiles, const std::string& extra = "",
                                const std::string& eol = "\r\n", const std::string& countText = "") {
    std::string text = "[Zelta Settings]" + eol +
                       "#_profiles=" + (countText.empty() ? std::to_string(profiles.size()) : countText) + eol + extra;
    for (std::size_t i = 0; i < profiles.size(); ++i) text += ProfileBlock(static_cast<int>(i) + 1, profiles[i], eol);
    return text;
}

// The two profiles a user keeps after saving them from the editor: an office with its proxy, a home on DHCP that is
// marked applied.
inline StoredProfile OfficeProfile() {
    return StoredProfile("Office - Local Area Connection", "192.168.10.25")
        .Net("255.255.255.0", "192.168.10.1", "192.168.10.2", "0.0.0.0")
        .Proxy("192.168.10.5", "3128", "1", "0");
}
inline StoredProfile HomeProfile() {
    StoredProfile p("Home - Wireless Network Connection", "0.0.0.0", "dhcp");
    p.Net("0.0.0.0", "0.0.0.0", "0.0.0.0", "0.0.0.0").applied = "1";
    return p;
}
// A DHCP profile that differs from the others in its proxy keys only.
inline StoredProfile ProxyProfile(const std::string& name, const std::string& proxyIp, const std::string& port,
                                  const std::string& useProxy, const std::string& killBrowsers) {
    return StoredProfile(name, "0.0.0.0", "dhcp")
        .Net("0.0.0.0", "0.0.0.0", "0.0.0.0", "0.0.0.0")
        .Proxy(proxyIp, port, useProxy, killBrowsers);
}

}  // namespace zelta::fakes
