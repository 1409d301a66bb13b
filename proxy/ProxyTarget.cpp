#include "proxy/ProxyTarget.h"

#include "app/model/ZeltaError.h"

namespace zelta::proxy {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The value of one to maxDigits decimal digits; -1 for anything else.
long DigitsValue(const std::string& text, std::size_t maxDigits) {
    if (text.empty() || text.size() > maxDigits) return -1;
    long value = 0;
    for (char c : text) {
        if (!IsDigit(c)) return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

bool IsDottedQuad(const std::string& address) {
    std::size_t start = 0;
    for (int part = 0; part < 4; ++part) {
        const std::size_t dot = address.find('.', start);
        const bool last = part == 3;
        // The last part runs to the end; the others end at a dot.
        if (last != (dot == std::string::npos)) return false;
        const std::string number = address.substr(start, last ? std::string::npos : dot - start);
        const long value = DigitsValue(number, 3);
        if (value < 0 || value > 255) return false;
        start = dot + 1;
    }
    return true;
}

bool IsProxyPort(const std::string& port) {
    const long value = DigitsValue(port, 5);
    return value >= 1 && value <= 65535;
}

void CheckProxyTarget(const std::string& address, const std::string& port) {
    if (!IsDottedQuad(address)) {
        throw ZeltaError("The proxy address \"" + address +
                         "\" (proxy_IP) is not an IPv4 address of four numbers 0-255 such as 10.0.0.1");
    }
    if (port.empty()) throw ZeltaError("The proxy port (proxy_port) is empty: enter a port from 1 to 65535");
    if (!IsProxyPort(port)) {
        throw ZeltaError("The proxy port \"" + port + "\" (proxy_port) is not a number from 1 to 65535");
    }
}

}  // namespace zelta::proxy
