#include "adapters/AdapterState.h"

#include <cstring>

#include "adapters/AdapterDiscovery.h"
#include "adapters/RegistryAccess.h"
#include "app/model/AsciiText.h"

namespace zelta::adapters {

namespace {

const char kInterfacesKey[] = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces";

std::vector<std::string> List(platform::RegistryKey& key, const char* name) {
    const auto value = key.QueryValue(name);
    return value ? AddressList(*value) : std::vector<std::string>{};
}

std::string First(platform::RegistryKey& key, const char* name) {
    const std::vector<std::string> list = List(key, name);
    return list.empty() ? std::string() : list.front();
}

}  // namespace

std::vector<std::string> AddressList(const platform::RegistryValue& value) {
    if (value.type != platform::kRegSz && value.type != platform::kRegExpandSz && value.type != platform::kRegMultiSz) {
        return {};
    }
    // A text ends at its first NUL; a multi-string's entries are separated by NULs and end at an empty one.
    const char* separators = value.type == platform::kRegMultiSz ? "" : ", ";
    std::vector<std::string> entries;
    std::string entry;
    for (std::size_t i = 0; i <= value.data.size(); ++i) {
        const char c = i < value.data.size() ? value.data[i] : '\0';
        if (c == '\0' || std::strchr(separators, c) != nullptr) {
            if (!entry.empty()) entries.push_back(entry);
            const bool endOfText = c == '\0' && (value.type != platform::kRegMultiSz || entry.empty());
            entry.clear();
            if (endOfText) break;
        } else {
            entry += c;
        }
    }
    return entries;
}

std::optional<std::string> AdapterKeyOf(platform::Registry& registry, const std::string& connectionName) {
    std::vector<std::string> keyNames;
    for (const AdapterEntry& entry : DiscoverAdapters(registry, keyNames)) {
        if (SameIgnoringAsciiCase(entry.connectionName, connectionName)) return entry.keyName;
    }
    return std::nullopt;
}

std::string InterfaceKeyPath(const std::string& adapterKeyName) {
    return std::string(kInterfacesKey) + "\\" + adapterKeyName;
}

AdapterState ReadAdapterState(platform::Registry& registry, const std::string& adapterKeyName) {
    AdapterState state;
    const auto key = OpenExistingKey(registry, platform::RegistryRoot::LocalMachine, InterfaceKeyPath(adapterKeyName));
    if (!key) return state;
    if (const auto enable = key->QueryValue("EnableDHCP");
        enable && enable->type == platform::kRegDword && enable->data.size() >= 4) {
        state.dhcpEnabled =
            enable->data[0] != 0 || enable->data[1] != 0 || enable->data[2] != 0 || enable->data[3] != 0;
    }
    state.ipAddresses = List(*key, "IPAddress");
    state.subnetMasks = List(*key, "SubnetMask");
    state.defaultGateways = List(*key, "DefaultGateway");
    state.nameServers = List(*key, "NameServer");
    state.dhcpIpAddress = First(*key, "DhcpIPAddress");
    state.dhcpSubnetMask = First(*key, "DhcpSubnetMask");
    state.dhcpDefaultGateways = List(*key, "DhcpDefaultGateway");
    state.dhcpNameServers = List(*key, "DhcpNameServer");
    state.autoconfigurationAddress = First(*key, "IPAutoconfigurationAddress");
    return state;
}

}  // namespace zelta::adapters
