#include "proxy/BrowserSwitch.h"

namespace zelta::proxy {

// The proxy writers are not built yet: neither switch changes anything so far.
void SwitchBrowserProxy(MainForm&, const std::string&, const std::string&) {}
void SwitchProxyOff(MainForm&) {}

}  // namespace zelta::proxy
