#include "adapters/AdapterRefresh.h"

#include <algorithm>

#include "adapters/AdapterDiscovery.h"

namespace zelta::adapters {

namespace {

bool SameEntries(const std::vector<AdapterEntry>& a, const std::vector<AdapterEntry>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const AdapterEntry& x, const AdapterEntry& y) {
        return x.connectionName == y.connectionName && x.keyName == y.keyName;
    });
}

}  // namespace

void WatchAdapterKeys(platform::KeyWatch& watch) {
    watch.Watch(platform::RegistryRoot::LocalMachine, kAdapterListKey);
    watch.Watch(platform::RegistryRoot::LocalMachine, kConnectionRoot);
}

bool RefreshAdapters(MainForm& main) {
    AppState& s = main.state;
    std::vector<std::string> keyNames;
    std::vector<AdapterEntry> fresh = DiscoverAdapters(main.platform.registry, keyNames);
    s.AdapterKeyNames = std::move(keyNames);
    if (SameEntries(fresh, main.adapterEntries)) return false;

    // The chosen adapter is known by the key it was listed from, as its connection name may be what changed.
    const std::string chosenName = main.form.LE_NIC.Text();
    std::string chosenKey;
    for (const AdapterEntry& entry : main.adapterEntries) {
        if (!chosenName.empty() && entry.connectionName == chosenName) chosenKey = entry.keyName;
    }

    main.adapterEntries = std::move(fresh);
    std::vector<BarItem> items;
    for (const AdapterEntry& entry : main.adapterEntries) items.push_back({entry.connectionName, entry.connectionName});
    main.form.XPBar_NICs.SetItems(std::move(items));

    const auto chosen = std::find_if(main.adapterEntries.begin(), main.adapterEntries.end(),
                                     [&](const AdapterEntry& entry) { return entry.keyName == chosenKey; });
    if (!chosenKey.empty() && chosen != main.adapterEntries.end() && chosen->connectionName != chosenName) {
        s.SelectedAdapterName = chosen->connectionName;
        main.form.LE_NIC.SetText(chosen->connectionName);
    }
    return true;
}

}  // namespace zelta::adapters
