#pragma once
// What the system holds for one adapter now, read from the adapter's own registry values: the settings given by
// hand and those a DHCP server leased. The connection name leads to the adapter's key as the adapter list finds it.
#include <optional>
#include <string>
#include <vector>

#include "platform/Registry.h"

namespace zelta::adapters {

struct AdapterState {
    bool dhcpEnabled = false;                      // "EnableDHCP" is 1
    std::vector<std::string> ipAddresses;          // "IPAddress", the addresses given by hand
    std::vector<std::string> subnetMasks;          // "SubnetMask"
    std::vector<std::string> defaultGateways;      // "DefaultGateway"
    std::vector<std::string> nameServers;          // "NameServer": the DNS servers given by hand; none when from DHCP
    std::string dhcpIpAddress;                     // "DhcpIPAddress": the leased address, "0.0.0.0" while there is none
    std::string dhcpSubnetMask;                    // "DhcpSubnetMask"
    std::vector<std::string> dhcpDefaultGateways;  // "DhcpDefaultGateway"
    std::vector<std::string> dhcpNameServers;      // "DhcpNameServer"
    std::string autoconfigurationAddress;          // "IPAutoconfigurationAddress": 169.254.x.x when nobody answered
};

// The adapter key name ("{GUID}") of the connection of that name (letter case aside, as the system compares
// connection names); nullopt when no adapter has it.
std::optional<std::string> AdapterKeyOf(platform::Registry& registry, const std::string& connectionName);
// The key of the adapter's TCP/IP values under HKEY_LOCAL_MACHINE.
std::string InterfaceKeyPath(const std::string& adapterKeyName);
AdapterState ReadAdapterState(platform::Registry& registry, const std::string& adapterKeyName);

// A list as the registry keeps it: a multi-string's entries, or a text of addresses separated by commas or blanks;
// empty entries left out.
std::vector<std::string> AddressList(const platform::RegistryValue& value);

}  // namespace zelta::adapters
