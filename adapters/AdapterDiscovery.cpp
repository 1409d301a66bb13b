#include "adapters/AdapterDiscovery.h"

namespace zelta::adapters {

// Discovery is not built yet: no adapter is listed.
std::vector<AdapterEntry> DiscoverAdapters(platform::Registry&, std::vector<std::string>& keyNames) {
    keyNames.clear();
    return {};
}

void FillAdapterSideBar(MainForm& main, const std::vector<AdapterEntry>& entries) {
    for (const AdapterEntry& entry : entries) {
        main.adapterEntries.push_back(entry);
        main.form.XPBar_NICs.AddItem({entry.connectionName, entry.connectionName});
    }
}

}  // namespace zelta::adapters
