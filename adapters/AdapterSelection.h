#pragma once
// Choosing an adapter in the "Network Interfaces" bar and reading its current addresses into the editor.
#include <string>

#include "app/model/MainForm.h"

namespace zelta::adapters {

void AdapterItemClick(MainForm& main, int index);
// Fills the five address fields from the registry key of the adapter at bar position index.
void ReadAdapterSettings(MainForm& main, int index);
// Change handler of LE_NIC and LE_ProfileID.
void LE_NICChange(MainForm& main);

// A "NameServer" text split at its first comma into the first server and the rest, blanks kept.
struct NameServers {
    std::string first;
    std::string second;
};
NameServers SplitNameServers(const std::string& nameServer);

}  // namespace zelta::adapters
