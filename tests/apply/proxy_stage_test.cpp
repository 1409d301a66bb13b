// The proxy stage of applying a profile: when it runs, what it refuses up front, and where it sits between the
// record of the applied profile and the batch file.
#include <gtest/gtest.h>

#include "app/model/Form1.h"
#include "app/model/ZeltaError.h"
#include "apply/ApplyProfile.h"
#include "proxy/SystemProxy.h"
#include "tests/fakes/HandlerTest.h"
#include "tests/fakes/SettingsText.h"
#include "tools/Launchers.h"

namespace zelta::apply {
namespace {

using platform::RegistryRoot;

using fakes::kBatch;
using fakes::kIni;
const std::string kPrefs = fakes::kXpPrefs;
const char kPrefsContent[] = "user_pref(\"network.proxy.type\", 1);\r\n";

std::string Settings(const std::string& proxyIp, const std::string& proxyPort, const std::string& useProxy,
                     const std::string& killBrowsers) {
    return fakes::SettingsText({fakes::ProxyProfile("Office - LAN", proxyIp, proxyPort, useProxy, killBrowsers)});
}

struct ProxyStage : fakes::HandlerTest {
    void Start(const std::string& settings) {
        PlaceBrowsers(kPrefsContent);
        app.registry.SetValue(RegistryRoot::CurrentUser, proxy::kInternetSettingsKey, "ProxyEnable",
                              platform::kRegDword, std::string("\x01\0\0\0", 4));
        app.processes.running = {{"firefox.exe", 40}};
        Handlers::Start(settings);
        app.launcher.launches.clear();
    }
    void Apply() { app.controller.TrayMenuClick(TrayMenu::ProfilePosition(1)); }
    bool HasBatch() { return app.files.files.count(kBatch) > 0; }
};

TEST_F(ProxyStage, BothFlagsSwitchTheBrowsersBeforeTheBatchAndTheRecord) {
    Start(Settings("10.0.0.1", "8080", "1", "1"));
    bool batchAtTermination = true;
    std::string settingsAtTermination;
    app.processes.onTerminate = [&](std::uint32_t) {
        batchAtTermination = HasBatch();
        settingsAtTermination = app.files.files[kIni];
    };
    const std::string settingsBefore = app.files.files[kIni];
    Apply();
    EXPECT_FALSE(batchAtTermination);
    EXPECT_EQ(settingsAtTermination, settingsBefore);
    EXPECT_NE(app.files.files[kIni], settingsBefore);
    EXPECT_EQ(app.processes.terminated, std::vector<std::uint32_t>{40});
    EXPECT_EQ(ProxyValue("ProxyServer"), std::string("10.0.0.1:8080\0", 14));
    EXPECT_EQ(ProxyValue("ProxyEnable"), std::string("\x01\0\0\0", 4));
    EXPECT_NE(app.files.files[kPrefs], kPrefsContent);
    EXPECT_EQ(LaunchTargets(),
              (std::vector<std::string>{"cmd /t:0a /k title Vok Tarvex | ping 8.8.8.8 -t",
                                        std::string("\"") + tools::kFirefoxPath + "\" " + kMakerWebAddress, kBatch}));
}

TEST_F(ProxyStage, AProxyBrowsersCannotReadRefusesTheWholeActivation) {
    const struct {
        const char* ip;
        const char* port;
        const char* problem;
    } cases[] = {
        {"10.0.0.1", "", "its proxy_port is empty: the proxy needs a port from 1 to 65535"},
        {"10.0.0.1", "80 80", "its proxy_port \"80 80\" is not a port number from 1 to 65535"},
        {"10.0.0", "8080", "its proxy_IP \"10.0.0\" is not an IPv4 address such as 10.0.0.1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.problem);
        const std::string settings = Settings(c.ip, c.port, "1", "1");
        app.files.files.clear();
        app.files.replaceCalls = 0;
        Start(settings);
        EXPECT_EQ(fakes::ErrorOf([&] { Apply(); }),
                  std::string("Cannot apply profile 1 (\"Office - LAN\"): ") + c.problem);
        EXPECT_EQ(app.files.files[kIni], settings);
        EXPECT_EQ(app.files.replaceCalls, 0);
        EXPECT_TRUE(app.launcher.launches.empty());
        EXPECT_EQ(app.processes.snapshots, 0);
        EXPECT_EQ(ProxyValue("ProxyServer"), std::string("1.1.1.1:1\0", 10));
        EXPECT_FALSE(app.state().ActivatedFlag);
    }
}

TEST_F(ProxyStage, WithoutThePermissionToCloseBrowsersNothingIsTouchedAndNothingRefused) {
    Start(Settings("10.0.0.1", "", "1", "0"));
    Apply();
    EXPECT_EQ(app.processes.snapshots, 0);
    EXPECT_EQ(ProxyValue("ProxyServer"), std::string("1.1.1.1:1\0", 10));
    EXPECT_EQ(ProxyValue("ProxyEnable"), std::string("\x01\0\0\0", 4));
    EXPECT_EQ(app.files.files[kPrefs], kPrefsContent);
    EXPECT_TRUE(HasBatch());
}

TEST_F(ProxyStage, AProfileWithoutProxySwitchesTheSystemProxyOffAndClosesNoBrowser) {
    // The permission without the proxy closes nothing, and a stored proxy that is not used is not checked.
    Start(Settings("", "", "0", "1"));
    Apply();
    EXPECT_EQ(ProxyValue("ProxyEnable"), std::string(4, '\0'));
    EXPECT_EQ(ProxyValue("ProxyServer"), std::string("1.1.1.1:1\0", 10));
    EXPECT_TRUE(app.processes.terminated.empty());
    EXPECT_EQ(app.files.files[kPrefs], kPrefsContent);  // Firefox runs: its file is left to it
    EXPECT_TRUE(HasBatch());
}

TEST_F(ProxyStage, AFailedProxyWriteStopsBeforeTheBatch) {
    Start(Settings("10.0.0.1", "8080", "1", "1"));
    app.registry.RefuseValueWrites(RegistryRoot::CurrentUser, proxy::kInternetSettingsKey);
    EXPECT_THROW(Apply(), ZeltaError);
    EXPECT_FALSE(HasBatch());
    EXPECT_EQ(LaunchTargets(), std::vector<std::string>{"cmd /t:0a /k title Vok Tarvex | ping 8.8.8.8 -t"});
}

}  // namespace
}  // namespace zelta::apply
