#include "adapters/AdapterDiscovery.h"

#include "adapters/RegistryAccess.h"

namespace zelta::adapters {

// Every key name is kept, and every key is walked, the first one included: keys that are no adapter of the
// user's (such as NdisWanIp) have no connection key and drop out by that test. Each listed adapter keeps the key
// it was read from, so a key without a connection key shifts nothing.
std::vector<AdapterEntry> DiscoverAdapters(platform::Registry& registry, std::vector<std::string>& keyNames) {
    keyNames.clear();
    if (const auto listKey = OpenExistingKey(registry, platform::RegistryRoot::LocalMachine, kAdapterListKey)) {
        keyNames = SubKeyNames(*listKey);
    }

    std::vector<AdapterEntry> entries;
    for (const std::string& keyName : keyNames) {
        const std::string connectionPath = std::string(kConnectionRoot) + "\\" + keyName + "\\Connection";
        const auto connection = OpenExistingKey(registry, platform::RegistryRoot::LocalMachine, connectionPath);
        if (!connection) continue;
        entries.push_back({ReadText(*connection, "Name"), keyName});
    }
    return entries;
}

void FillAdapterSideBar(MainForm& main, const std::vector<AdapterEntry>& entries) {
    for (const AdapterEntry& entry : entries) {
        main.adapterEntries.push_back(entry);
        main.form.XPBar_NICs.AddItem({entry.connectionName, entry.connectionName});
    }
}

}  // namespace zelta::adapters
