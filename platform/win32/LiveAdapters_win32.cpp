#include "platform/win32/LiveAdapters_win32.h"

// The IP helper's header needs the sockets header before the system's main one.
#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>
#include <iphlpapi.h>

#include <cstddef>
#include <vector>

namespace zelta::platform {

namespace {

// A few tries: the list may grow between the question for the size and the answer.
constexpr int kTries = 3;
constexpr ULONG kFirstGuess = 16 * 1024;

std::string DottedText(const SOCKADDR* address) {
    if (!address || address->sa_family != AF_INET) return {};
    const auto* bytes =
        reinterpret_cast<const unsigned char*>(&reinterpret_cast<const sockaddr_in*>(address)->sin_addr);
    return std::to_string(bytes[0]) + "." + std::to_string(bytes[1]) + "." + std::to_string(bytes[2]) + "." +
           std::to_string(bytes[3]);
}

LiveAddress::State StateOf(IP_DAD_STATE state) {
    switch (state) {
        case IpDadStatePreferred:
            return LiveAddress::State::Preferred;
        case IpDadStateTentative:
            return LiveAddress::State::Tentative;
        case IpDadStateDuplicate:
            return LiveAddress::State::Duplicate;
        case IpDadStateDeprecated:
            return LiveAddress::State::Deprecated;
        default:
            return LiveAddress::State::Invalid;
    }
}

bool SameIgnoringCase(const char* a, const std::string& b) { return a && lstrcmpiA(a, b.c_str()) == 0; }

// The structures grew with the system: a field lies within what this system filled in when its Length reaches it.
template <typename Struct>
bool Holds(const Struct& item, std::size_t fieldEnd) {
    return item.Length >= fieldEnd;
}

LiveAdapter Read(const IP_ADAPTER_ADDRESSES& adapter) {
    LiveAdapter live;
    live.up = adapter.OperStatus == IfOperStatusUp;
    live.dhcpEnabled = (adapter.Flags & IP_ADAPTER_DHCP_ENABLED) != 0;
    for (const IP_ADAPTER_UNICAST_ADDRESS* unicast = adapter.FirstUnicastAddress; unicast; unicast = unicast->Next) {
        const std::string text = DottedText(unicast->Address.lpSockaddr);
        if (text.empty()) continue;
        LiveAddress address;
        address.address = text;
        address.state = StateOf(unicast->DadState);
        if (Holds(*unicast, offsetof(IP_ADAPTER_UNICAST_ADDRESS, OnLinkPrefixLength) + sizeof(UINT8))) {
            address.prefixLength = unicast->OnLinkPrefixLength;
        }
        live.addresses.push_back(address);
    }
    live.gatewaysKnown = Holds(adapter, offsetof(IP_ADAPTER_ADDRESSES, FirstGatewayAddress) + sizeof(void*));
    if (live.gatewaysKnown) {
        for (const IP_ADAPTER_GATEWAY_ADDRESS* gateway = adapter.FirstGatewayAddress; gateway;
             gateway = gateway->Next) {
            const std::string text = DottedText(gateway->Address.lpSockaddr);
            if (!text.empty()) live.gateways.push_back(text);
        }
    }
    return live;
}

}  // namespace

std::optional<LiveAdapter> Win32LiveAdapters::Find(const std::string& adapterKeyName) {
    // Windows XP ignores the gateway flag and leaves the newer fields out (Length says so).
    constexpr ULONG kFlags = GAA_FLAG_INCLUDE_GATEWAYS | GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST |
                             GAA_FLAG_SKIP_DNS_SERVER | GAA_FLAG_SKIP_FRIENDLY_NAME;
    ULONG size = kFirstGuess;
    std::vector<unsigned char> buffer;
    ULONG result = ERROR_BUFFER_OVERFLOW;
    for (int attempt = 0; attempt < kTries && result == ERROR_BUFFER_OVERFLOW; ++attempt) {
        buffer.assign(size, 0);
        result = GetAdaptersAddresses(AF_INET, kFlags, nullptr, reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data()),
                                      &size);
    }
    if (result != NO_ERROR) return std::nullopt;
    for (auto* adapter = reinterpret_cast<const IP_ADAPTER_ADDRESSES*>(buffer.data()); adapter;
         adapter = adapter->Next) {
        if (SameIgnoringCase(adapter->AdapterName, adapterKeyName)) return Read(*adapter);
    }
    return std::nullopt;
}

}  // namespace zelta::platform
