#pragma once
// The browser proxy switch run by applying a profile.
#include <string>

#include "app/model/MainForm.h"

namespace zelta::proxy {

// Closes the running browsers, writes the proxy address:port into the system's and Firefox's settings and starts
// again the browsers it closed. Throws the proxy writers' errors.
void SwitchBrowserProxy(MainForm& main, const std::string& address, const std::string& port);
// Applying a profile without proxy: the system proxy is switched off.
void SwitchProxyOff(MainForm& main);

}  // namespace zelta::proxy
