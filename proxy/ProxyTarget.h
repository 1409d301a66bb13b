#pragma once
// Which stored proxy a browser can read back: checked before any browser is closed or any setting is written.
#include <optional>
#include <string>

namespace zelta::proxy {

// True for one to five decimal digits with a value 1..65535.
bool IsProxyPort(const std::string& port);
// What is wrong with the proxy, naming the key and the value ("proxy_port \"80x\" is not ..."); nullopt when the
// address is a dotted quad and the port a number 1..65535.
std::optional<std::string> ProxyTargetProblem(const std::string& address, const std::string& port);
// Throws ZeltaError "Cannot set the browser proxy: " and the problem, when there is one.
void CheckProxyTarget(const std::string& address, const std::string& port);

}  // namespace zelta::proxy
