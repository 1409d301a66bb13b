#include "adapters/AdapterSelection.h"

#include "adapters/AdapterState.h"
#include "adapters/MiniReg.h"
#include "adapters/RegistryAccess.h"
#include "app/model/ZeltaError.h"

namespace zelta::adapters {

namespace {
constexpr auto kMachine = platform::RegistryRoot::LocalMachine;
}  // namespace

void AdapterItemClick(MainForm& main, int index) {
    const BarItem item = main.form.XPBar_NICs.Item(index);
    main.form.LE_NIC.SetText(item.hint);
    main.state.SelectedAdapterName = item.hint;
    ReadAdapterSettings(main, index);
}

// The adapter's key is the one its bar item was made from, not a position in the list of all key names.
void ReadAdapterSettings(MainForm& main, int index) {
    if (index < 0 || index >= static_cast<int>(main.adapterEntries.size())) throw ZeltaError(ListIndexError(index));
    const std::string interfacePath = InterfaceKeyPath(main.adapterEntries[index].keyName);
    platform::Registry& registry = main.platform.registry;

    profiles::NetworkProfile current;
    current.ip = ReadMultiStringValue(registry, kMachine, interfacePath + "\\IPAddress").value_or("");
    current.gw = ReadMultiStringValue(registry, kMachine, interfacePath + "\\DefaultGateway").value_or("");
    current.sm = ReadMultiStringValue(registry, kMachine, interfacePath + "\\SubnetMask").value_or("");
    std::string nameServer;
    if (const auto key = OpenExistingKey(registry, kMachine, interfacePath)) nameServer = ReadText(*key, "NameServer");
    current.dns = SplitNameServers(nameServer);

    for (const profiles::ProfileField& field : profiles::kProfileFields) {
        if (field.kind == profiles::FieldKind::AdapterAddress) {
            main.form.Find(field.control)->SetText(profiles::FieldValue(current, field));
        }
    }
}

void LE_NICChange(MainForm& main) {
    main.form.JvSwitch1.SetEnabled(true);
    main.form.Button_Save.SetEnabled(!main.form.LE_NewProfile.Text().empty());
}

NameServers SplitNameServers(const std::string& nameServer) {
    NameServers servers;
    std::string rest = nameServer;
    std::size_t at = 0;
    for (std::size_t comma; at + 1 < servers.size() && (comma = rest.find(',')) != std::string::npos; ++at) {
        servers[at] = rest.substr(0, comma);
        rest.erase(0, comma + 1);
    }
    servers[at] = rest;
    return servers;
}

}  // namespace zelta::adapters
