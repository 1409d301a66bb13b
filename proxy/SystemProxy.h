#pragma once
// The proxy of the user's Internet settings, which Internet Explorer and every program that follows the system
// proxy read. Only "ProxyServer" and "ProxyEnable" are written; the key itself is never created.
#include <cstdint>
#include <string>

#include "platform/Platform.h"

namespace zelta::proxy {

inline const char kInternetSettingsKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

// "ProxyServer" as text. Nothing happens when the key is missing or cannot be opened for writing; a value that
// cannot be set throws "Failed to set data for 'ProxyServer'". Running programs are told of a change.
void WriteProxyServer(platform::Platform& platform, const std::string& text);
// "ProxyEnable" as a 32-bit number (1 on, 0 off), with the same rules.
void WriteProxyEnable(platform::Platform& platform, std::uint32_t value);

}  // namespace zelta::proxy
