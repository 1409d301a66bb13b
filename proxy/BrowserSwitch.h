#pragma once
// The browser proxy switch run by applying a profile.
#include <string>

#include "app/model/MainForm.h"

namespace zelta::proxy {

inline const char kInternetExplorerExe[] = "iexplore.exe";
inline const char kFirefoxExe[] = "firefox.exe";

// Closes the browsers running in the user's session (Internet Explorer, then Firefox; every process of each), writes
// the proxy address:port into the system's and Firefox's settings and starts again the browsers it closed. An address
// or port that a browser could not read is refused first, with nothing closed or written. Throws the proxy writers'
// errors; the browsers then stay closed. Without Firefox or its preferences file, only the system proxy is written.
void SwitchBrowserProxy(MainForm& main, const std::string& address, const std::string& port);
// Applying a profile without proxy: the system proxy is switched off ("ProxyServer" stays for the next time), and
// so is a manual proxy in Firefox's preferences while Firefox is not running. No browser is closed.
void SwitchProxyOff(MainForm& main);

}  // namespace zelta::proxy
