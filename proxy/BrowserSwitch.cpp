#include "proxy/BrowserSwitch.h"

#include "app/model/Form1.h"
#include "proxy/BrowserProcesses.h"
#include "proxy/FirefoxPrefs.h"
#include "proxy/ProxyTarget.h"
#include "proxy/SystemProxy.h"
#include "tools/Launchers.h"

namespace zelta::proxy {

void SwitchBrowserProxy(MainForm& main, const std::string& address, const std::string& port) {
    // A proxy no browser could read is refused before anything is closed or written.
    CheckProxyTarget(address, port);
    platform::Platform& platform = main.platform;
    // Termination is asked for, not waited for: the writes follow at once.
    const bool internetExplorerWasRunning = EndBrowser(platform.processes, kInternetExplorerExe);
    const bool firefoxWasRunning = EndBrowser(platform.processes, kFirefoxExe);
    WriteProxyServer(platform, address + ":" + port);
    WriteProxyEnable(platform, 1);
    WriteFirefoxProxy(platform, address, port, kManualProxyType);
    if (internetExplorerWasRunning) platform.launcher.ShellOpen(kInternetExplorerExe, "", platform::ShowMode::Normal);
    if (firefoxWasRunning) tools::OpenUrl(main, kMakerWebAddress);
}

void SwitchProxyOff(MainForm& main) {
    platform::Platform& platform = main.platform;
    WriteProxyEnable(platform, 0);
    // A running Firefox holds its preferences in memory and writes them back when it ends, and it may not be
    // closed without the profile's permission: its file is changed only while it is not running in this session
    // (another user's Firefox keeps that user's own preferences).
    const auto running =
        FindBrowserTrees(platform.processes.Snapshot(), kFirefoxExe, platform.processes.OwnSessionId());
    if (running.empty()) SwitchFirefoxManualProxyOff(platform);
}

}  // namespace zelta::proxy
