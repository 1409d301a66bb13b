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

    const std::string ip = ReadMultiStringValue(registry, kMachine, interfacePath + "\\IPAddress").value_or("");
    const std::string gw = ReadMultiStringValue(registry, kMachine, interfacePath + "\\DefaultGateway").value_or("");
    const std::string sm = ReadMultiStringValue(registry, kMachine, interfacePath + "\\SubnetMask").value_or("");
    std::string nameServer;
    if (const auto key = OpenExistingKey(registry, kMachine, interfacePath)) nameServer = ReadText(*key, "NameServer");

    Form1& f = main.form;
    f.IPA_IP.SetText(ip);
    f.IPA_SM.SetText(sm);
    f.IPA_GW.SetText(gw);
    const NameServers dns = SplitNameServers(nameServer);
    f.IPA_DNS1.SetText(dns.first);
    f.IPA_DNS2.SetText(dns.second);
}

void LE_NICChange(MainForm& main) {
    main.form.JvSwitch1.SetEnabled(true);
    main.form.Button_Save.SetEnabled(!main.form.LE_NewProfile.Text().empty());
}

NameServers SplitNameServers(const std::string& nameServer) {
    const std::size_t comma = nameServer.find(',');
    if (comma == std::string::npos) return {nameServer, {}};
    return {nameServer.substr(0, comma), nameServer.substr(comma + 1)};
}

}  // namespace zelta::adapters
