#pragma once
// Adapter keys in the fake registry, laid out as the system keeps them.
#include <optional>
#include <string>

#include "tests/fakes/Fakes.h"

namespace zelta::fakes {

constexpr auto kHklm = platform::RegistryRoot::LocalMachine;
inline const std::string kTcpip = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\";

inline std::string ConnectionKey(const std::string& keyName) {
    return "SYSTEM\\CurrentControlSet\\Control\\Network\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\" + keyName +
           "\\Connection";
}
inline std::string InterfaceKey(const std::string& keyName) { return kTcpip + "Interfaces\\" + keyName; }

// An adapter key in the list; with a connection key when hasConnection, with a "Name" when name is given.
inline void AddAdapter(FakeRegistry& registry, const std::string& keyName, bool hasConnection,
                       const std::optional<std::string>& name = std::nullopt) {
    registry.AddKey(kHklm, kTcpip + "Adapters\\" + keyName);
    if (hasConnection) registry.AddKey(kHklm, ConnectionKey(keyName));
    if (name) registry.SetString(kHklm, ConnectionKey(keyName), "Name", *name);
}

// Every key refuses write access, as for a user without administrator rights.
inline void DenyAllWriteAccess(FakeRegistry& registry) {
    for (auto& entry : registry.keys) entry.second.denyWrite = true;
}

}  // namespace zelta::fakes
