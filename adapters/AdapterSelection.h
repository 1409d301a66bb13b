#pragma once
// Choosing an adapter in the "Network Interfaces" bar and reading its current addresses into the editor.
#include <array>
#include <string>

#include "app/model/MainForm.h"
#include "profiles/ProfileFields.h"

namespace zelta::adapters {

void AdapterItemClick(MainForm& main, int index);
// Fills the adapter's address fields (address, mask, gateway, DNS servers) from the registry key of the adapter at
// bar position index.
void ReadAdapterSettings(MainForm& main, int index);
// Change handler of LE_NIC and LE_ProfileID.
void LE_NICChange(MainForm& main);

// A "NameServer" text split at its commas, blanks kept: a server for each DNS field, the last one taking the rest
// of the text, commas included; the servers the text lacks are empty.
using NameServers = std::array<std::string, profiles::kDnsServerCount>;
NameServers SplitNameServers(const std::string& nameServer);

}  // namespace zelta::adapters
