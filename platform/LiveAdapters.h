#pragma once
// What an adapter really does now, as the IP helper reports it: whether it is connected, the IPv4 addresses it holds
// and whether Windows uses them, its gateways. The registry holds what Windows keeps for it, which it keeps even
// for an adapter with no cable in, or an address another device already uses.
#include <optional>
#include <string>
#include <vector>

namespace zelta::platform {

struct LiveAddress {
    // Where Windows is in checking that no other device on the network uses the address.
    enum class State { Preferred, Tentative, Duplicate, Deprecated, Invalid };
    std::string address;
    int prefixLength = -1;  // -1 where the system does not say (Windows XP)
    State state = State::Preferred;
};

struct LiveAdapter {
    bool up = false;  // connected: it can send and receive
    bool dhcpEnabled = false;
    std::vector<LiveAddress> addresses;  // IPv4 only
    std::vector<std::string> gateways;   // IPv4 only
    bool gatewaysKnown = true;           // false where the system does not report them (Windows XP)
};

class LiveAdapters {
public:
    virtual ~LiveAdapters() = default;
    // The adapter whose key name ("{GUID}") is given, letter case aside; nullopt when the IP helper does not know it.
    virtual std::optional<LiveAdapter> Find(const std::string& adapterKeyName) = 0;
};

}  // namespace zelta::platform
