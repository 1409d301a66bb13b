#pragma once
// Reads the machine's adapters from the registry once at start and lists them in the "Network Interfaces" bar.
#include <string>
#include <vector>

#include "app/model/AdapterEntry.h"
#include "app/model/MainForm.h"
#include "platform/Registry.h"

namespace zelta::adapters {

// Under HKEY_LOCAL_MACHINE: one subkey per adapter, and the network class key with each adapter's connection name.
inline const char kAdapterListKey[] = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Adapters";
inline const char kConnectionRoot[] =
    "SYSTEM\\CurrentControlSet\\Control\\Network\\{4D36E972-E325-11CE-BFC1-08002BE10318}";

// Stores every adapter key name in keyNames and returns the adapters that have a connection name.
std::vector<AdapterEntry> DiscoverAdapters(platform::Registry& registry, std::vector<std::string>& keyNames);
void FillAdapterSideBar(MainForm& main, const std::vector<AdapterEntry>& entries);

}  // namespace zelta::adapters
