// The two values of the user's Internet settings, and the proxy check that comes before any of it.
#include <gtest/gtest.h>

#include "proxy/ProxyTarget.h"
#include "proxy/SystemProxy.h"
#include "tests/fakes/Fakes.h"

namespace zelta::proxy {
namespace {

using platform::RegistryRoot;
using platform::RegistryValue;

struct SystemProxy : ::testing::Test {
    fakes::FakeApp app;
    void SetUp() override { app.registry.AddKey(RegistryRoot::CurrentUser, kInternetSettingsKey); }
    std::optional<RegistryValue> Value(const std::string& name) {
        return app.registry.Value(RegistryRoot::CurrentUser, kInternetSettingsKey, name);
    }
};

TEST_F(SystemProxy, WritesTextWithItsNulAndAFourByteNumberAndTellsRunningPrograms) {
    // A value of another type is replaced.
    app.registry.SetValue(RegistryRoot::CurrentUser, kInternetSettingsKey, "ProxyServer", platform::kRegBinary, "ab");
    app.registry.SetString(RegistryRoot::CurrentUser, kInternetSettingsKey, "ProxyOverride", "<local>");
    WriteProxyServer(app.platform, "192.168.0.1:3128");
    WriteProxyEnable(app.platform, 1);
    EXPECT_EQ(Value("ProxyServer")->type, platform::kRegSz);
    EXPECT_EQ(Value("ProxyServer")->data, std::string("192.168.0.1:3128\0", 17));
    EXPECT_EQ(Value("ProxyEnable")->type, platform::kRegDword);
    EXPECT_EQ(Value("ProxyEnable")->data, std::string("\x01\0\0\0", 4));
    EXPECT_EQ(Value("ProxyOverride")->data, std::string("<local>\0", 8));
    EXPECT_EQ(app.internetSettings.notices, 2);

    WriteProxyServer(app.platform, "0.0.0.0:");
    WriteProxyEnable(app.platform, 0x01020300u);
    EXPECT_EQ(Value("ProxyServer")->data, std::string("0.0.0.0:\0", 9));
    EXPECT_EQ(Value("ProxyEnable")->data, std::string("\0\x03\x02\x01", 4));
    EXPECT_EQ(app.registry.openKeys, 0);
}

TEST_F(SystemProxy, AMissingOrClosedKeyIsNeitherCreatedNorReported) {
    app.registry.keys.clear();
    WriteProxyServer(app.platform, "10.0.0.1:8080");
    WriteProxyEnable(app.platform, 1);
    EXPECT_TRUE(app.registry.keys.empty());

    app.registry.DenyWriteAccess(RegistryRoot::CurrentUser, kInternetSettingsKey);
    WriteProxyServer(app.platform, "10.0.0.1:8080");
    WriteProxyEnable(app.platform, 1);
    EXPECT_FALSE(Value("ProxyServer"));
    EXPECT_FALSE(Value("ProxyEnable"));
    EXPECT_EQ(app.internetSettings.notices, 0);
}

TEST_F(SystemProxy, AValueThatCannotBeSetNamesIt) {
    app.registry.RefuseValueWrites(RegistryRoot::CurrentUser, kInternetSettingsKey);
    EXPECT_EQ(fakes::ErrorOf([&] { WriteProxyServer(app.platform, "10.0.0.1:8080"); }),
              "Failed to set data for 'ProxyServer'");
    EXPECT_EQ(fakes::ErrorOf([&] { WriteProxyEnable(app.platform, 1); }), "Failed to set data for 'ProxyEnable'");
    EXPECT_EQ(app.internetSettings.notices, 0);
    EXPECT_EQ(app.registry.openKeys, 0);
}

TEST(ProxyTarget, RefusesWhatABrowserCannotReadNamingTheKeyAndTheValue) {
    for (const char* port : {"1", "80", "8080", "65535", "00080"}) EXPECT_TRUE(IsProxyPort(port)) << port;
    for (const char* port : {"", "0", "00000", "65536", "99999", "123456", "80a", " 80", "-80", "+80", "8.0"}) {
        EXPECT_FALSE(IsProxyPort(port)) << port;
    }
    const struct {
        const char* address;
        const char* port;
        const char* problem;
    } cases[] = {
        {"10.0.0.256", "8080", "proxy_IP \"10.0.0.256\" is not an IPv4 address such as 10.0.0.1"},
        {"proxy.example", "8080", "proxy_IP \"proxy.example\" is not an IPv4 address such as 10.0.0.1"},
        {"10.0.0.1", "", "proxy_port is empty: the proxy needs a port from 1 to 65535"},
        {"10.0.0.1", "80x", "proxy_port \"80x\" is not a port number from 1 to 65535"},
        {"10.0.0.1", "70000", "proxy_port \"70000\" is not a port number from 1 to 65535"},
        // The address is looked at first.
        {"", "", "proxy_IP \"\" is not an IPv4 address such as 10.0.0.1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.problem);
        EXPECT_EQ(ProxyTargetProblem(c.address, c.port), std::optional<std::string>(c.problem));
        EXPECT_EQ(fakes::ErrorOf([&] { CheckProxyTarget(c.address, c.port); }),
                  std::string("Cannot set the browser proxy: ") + c.problem);
    }
    EXPECT_EQ(ProxyTargetProblem("10.0.0.1", "8080"), std::nullopt);
    EXPECT_NO_THROW(CheckProxyTarget("0.0.0.0", "1"));
}

}  // namespace
}  // namespace zelta::proxy
