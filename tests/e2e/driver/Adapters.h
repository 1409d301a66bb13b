#pragma once
// Adapters as Windows' network setup leaves them in the registry, prepared with Wine's reg.exe.
#include <string>

#include "tests/e2e/driver/Driver.h"

namespace e2e {

// The keys as reg.exe takes them: quoted, up to the adapter's key (the caller adds it and the closing quote).
inline const std::string kAdaptersKey = "\"HKLM\\SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Adapters\\";
inline const std::string kNetworkKey =
    "\"HKLM\\SYSTEM\\CurrentControlSet\\Control\\Network\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\";
inline const std::string kInterfacesKey =
    "\"HKLM\\SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces\\";

// The adapter's key, and its connection's name when it has one.
inline void AddAdapter(Context& ctx, const std::string& key, const char* name) {
    RegAdd(ctx, kAdaptersKey + key + "\"");
    if (name) RegAdd(ctx, kNetworkKey + key + "\\Connection\" /v Name /t REG_SZ /d \"" + name + "\"");
}

// Its addresses as the interface's key keeps them.
inline void AddAddresses(Context& ctx, const std::string& key, const std::string& ip, const std::string& mask,
                         const std::string& gateway, const std::string& nameServer) {
    const std::string path = kInterfacesKey + key + "\"";
    RegAdd(ctx, path + " /v IPAddress /t REG_MULTI_SZ /d \"" + ip + "\"");
    RegAdd(ctx, path + " /v SubnetMask /t REG_MULTI_SZ /d \"" + mask + "\"");
    RegAdd(ctx, path + " /v DefaultGateway /t REG_MULTI_SZ /d \"" + gateway + "\"");
    RegAdd(ctx, path + " /v NameServer /t REG_SZ /d \"" + nameServer + "\"");
}

}  // namespace e2e
