#pragma once
// Settings files as the scenarios prepare them, and the netsh lines that applying their profiles gives on the
// prefix's Windows 7.
#include <string>
#include <vector>

#include "tests/fakes/SettingsText.h"

namespace e2e {

using zelta::fakes::HomeProfile;
using zelta::fakes::OfficeProfile;
using zelta::fakes::ProfileBlock;
using zelta::fakes::SettingsText;
using zelta::fakes::StoredProfile;

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
