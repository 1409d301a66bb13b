#include "proxy/SystemProxy.h"

#include "app/model/ZeltaError.h"

namespace zelta::proxy {

namespace {

void WriteValue(platform::Platform& platform, const std::string& name, const platform::RegistryValue& value) {
    const auto key = platform.registry.OpenKey(platform::RegistryRoot::CurrentUser, kInternetSettingsKey,
                                               platform::RegistryAccess::ReadWrite);
    if (!key) return;
    if (!key->SetValue(name, value)) throw ZeltaError(SetDataError(name));
    platform.internetSettings.NotifySettingsChanged();
}

}  // namespace

void WriteProxyServer(platform::Platform& platform, const std::string& text) {
    // The stored length counts the terminating NUL.
    WriteValue(platform, "ProxyServer", {platform::kRegSz, text + std::string(1, '\0')});
}

void WriteProxyEnable(platform::Platform& platform, std::uint32_t value) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFFu);
    WriteValue(platform, "ProxyEnable", {platform::kRegDword, bytes});
}

}  // namespace zelta::proxy
