#include "proxy/ProxyTarget.h"

#include "app/model/Ipv4Text.h"
#include "app/model/ZeltaError.h"

namespace zelta::proxy {

bool IsProxyPort(const std::string& port) {
    if (port.empty() || port.size() > 5) return false;
    long value = 0;
    for (char c : port) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return value >= 1 && value <= 65535;
}

std::optional<std::string> ProxyTargetProblem(const std::string& address, const std::string& port) {
    if (!IsDottedQuad(address)) return "proxy_IP \"" + address + "\" is not an IPv4 address such as 10.0.0.1";
    // A port Firefox cannot read would make its whole preferences file unreadable.
    if (port.empty()) return std::string("proxy_port is empty: the proxy needs a port from 1 to 65535");
    if (!IsProxyPort(port)) return "proxy_port \"" + port + "\" is not a port number from 1 to 65535";
    return std::nullopt;
}

void CheckProxyTarget(const std::string& address, const std::string& port) {
    if (const auto problem = ProxyTargetProblem(address, port)) {
        throw ZeltaError("Cannot set the browser proxy: " + *problem);
    }
}

}  // namespace zelta::proxy
