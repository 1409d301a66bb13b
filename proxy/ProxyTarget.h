#pragma once
// Which stored proxy a browser can read back: checked before any browser is closed or any setting is written.
#include <string>

namespace zelta::proxy {

// True for four decimal numbers 0..255 of one to three digits each, joined by dots.
bool IsDottedQuad(const std::string& address);
// True for one to five decimal digits with a value 1..65535.
bool IsProxyPort(const std::string& port);
// Throws ZeltaError naming the key and the value when the address or the port could not be read by a browser.
void CheckProxyTarget(const std::string& address, const std::string& port);

}  // namespace zelta::proxy
