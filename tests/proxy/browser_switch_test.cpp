// Finding and ending browsers, and the switch's order: browsers closed, proxy written, browsers started again.
#include <gtest/gtest.h>

#include "app/model/Form1.h"
#include "app/model/ZeltaError.h"
#include "proxy/BrowserProcesses.h"
#include "proxy/BrowserSwitch.h"
#include "proxy/FirefoxPrefs.h"
#include "proxy/SystemProxy.h"
#include "tests/fakes/HandlerTest.h"
#include "tools/Launchers.h"

namespace zelta::proxy {
namespace {

using fakes::LaunchRecord;
using platform::ProcessEntry;
using platform::RegistryRoot;

TEST(BrowserProcesses, FindMatchesTheWholeNameExactlyAndTakesTheLastMatch) {
    fakes::FakeProcesses processes;
    EXPECT_EQ(FindProcessId(processes, "firefox.exe"), kNoProcess);
    processes.running = {{"[System Process]", 0}, {"firefox.exe", 100}, {"IEXPLORE.EXE", 200},
                         {"explorer.exe", 300},   {"firefox.exe", 400}, {"C:\\x\\iexplore.exe", 500}};
    const std::pair<const char*, decltype(kNoProcess)> found[] = {
        {"firefox.exe", 400}, {"iexplore.exe", kNoProcess}, {"IEXPLORE.EXE", 200}, {"[System Process]", 0}};
    for (const auto& [name, id] : found) EXPECT_EQ(FindProcessId(processes, name), id) << name;
}

TEST(BrowserProcesses, KillEndsTheGivenIdOnlyWhileItBelongsToTheNameInAnyLetterCase) {
    const struct {
        const char* nameOf77;
        bool ended;
    } cases[] = {{"FireFox.EXE", true},
                 {"C:\\Program Files\\Mozilla Firefox\\FIREFOX.exe", true},
                 {"D:firefox.exe", true},
                 {"firefox.exe.bak", false},
                 {"xfirefox.exe", false},
                 {"notepad.exe", false}};  // the id was handed to another program after the browser ended
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nameOf77);
        fakes::FakeProcesses processes;
        processes.running = {{"firefox.exe", 10}, {c.nameOf77, 77}};
        KillProcess(processes, "firefox.exe", 77);
        EXPECT_EQ(processes.terminated, c.ended ? std::vector<std::uint32_t>{77} : std::vector<std::uint32_t>{});
    }
}

TEST(BrowserProcesses, EachInstanceInTheOwnSessionIsAMainProcessWithItsSameNamedDescendants) {
    const std::uint32_t me = 1, other = 2, unknown = platform::kUnknownSession;
    const struct {
        const char* name;
        std::vector<ProcessEntry> snapshot;
        std::vector<std::vector<std::uint32_t>> trees;  // each main process, then its descendants
    } cases[] = {
        {"children and a grandchild listed before their main process",
         {{"firefox.exe", 12, 10, me},
          {"firefox.exe", 13, 11, me},
          {"firefox.exe", 10, 5, me},
          {"firefox.exe", 11, 10, me}},
         {{10, 12, 11, 13}}},
        {"the parent has ended, or its id is now another program's",
         {{"firefox.exe", 21, 20, me},
          {"firefox.exe", 22, 21, me},
          {"notepad.exe", 30, 5, me},
          {"firefox.exe", 31, 30, me}},
         {{21, 22}, {31}}},
        {"another user's and an unknown session's are left alone, a child of ours under theirs is a main process",
         {{"firefox.exe", 40, 4, other},
          {"firefox.exe", 41, 40, me},
          {"firefox.exe", 42, 40, other},
          {"firefox.exe", 50, 5, unknown}},
         {{41}}},
        {"other letter case is another program",
         {{"Firefox.exe", 60, 5, me}, {"firefox.exe", 61, 60, me}, {"FIREFOX.EXE", 62, 61, me}},
         {{61}}},
        {"parents in a ring through ids handed out again",
         {{"firefox.exe", 71, 70, me}, {"firefox.exe", 70, 71, me}},
         {{71, 70}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::vector<std::uint32_t>> trees;
        for (const BrowserTree& tree : FindBrowserTrees(c.snapshot, "firefox.exe", me)) {
            trees.push_back({tree.main});
            trees.back().insert(trees.back().end(), tree.descendants.begin(), tree.descendants.end());
        }
        EXPECT_EQ(trees, c.trees);
    }
}

struct Switch : fakes::HandlerTest {
    const std::string prefs = fakes::kXpPrefs;
    const std::string prefsContent = "user_pref(\"network.proxy.type\", 1);\r\nuser_pref(\"a\", 1);\r\n";
    // The type entry ends the scan: host and port are appended.
    const std::string prefsSwitched = prefsContent +
                                      "user_pref(\"network.proxy.http\", \"10.0.0.1\");\r\n"
                                      "user_pref(\"network.proxy.http_port\", 8080);\r\n";
    const std::string firefoxCommand = std::string("\"") + tools::kFirefoxPath + "\" " + kMakerWebAddress;
    const std::string oldServer = std::string("1.1.1.1:1\0", 10), newServer = std::string("10.0.0.1:8080\0", 14);
    const std::string prefsOff = "user_pref(\"network.proxy.type\", 0);\r\nuser_pref(\"a\", 1);\r\n";

    void SetUp() override { PlaceBrowsers(prefsContent); }
    std::string ProxyServer() { return ProxyValue("ProxyServer"); }
    std::string ProxyEnable() { return ProxyValue("ProxyEnable"); }
};

TEST_F(Switch, ClosesInternetExplorerThenFirefoxBeforeWritingAndStartsThemAgainInThatOrder) {
    app.processes.running = {{"firefox.exe", 40}, {"iexplore.exe", 20}, {"explorer.exe", 8}};
    std::vector<std::string> proxyAtTermination;
    app.processes.onTerminate = [&](std::uint32_t) { proxyAtTermination.push_back(ProxyServer()); };

    SwitchBrowserProxy(app.main, "10.0.0.1", "8080");

    EXPECT_EQ(app.processes.terminated, (std::vector<std::uint32_t>{20, 40}));
    EXPECT_EQ(proxyAtTermination, (std::vector<std::string>{oldServer, oldServer}));
    EXPECT_EQ(ProxyServer(), newServer);
    EXPECT_EQ(ProxyEnable(), std::string("\x01\0\0\0", 4));
    EXPECT_EQ(app.files.files[prefs], prefsSwitched);
    EXPECT_EQ(LaunchTargets(), (std::vector<std::string>{"iexplore.exe", firefoxCommand}));
    ASSERT_EQ(app.launcher.launches.size(), 2u);
    const LaunchRecord& explorer = app.launcher.launches[0];
    EXPECT_EQ(std::make_tuple(explorer.kind, explorer.parameters, explorer.mode),
              std::make_tuple(LaunchRecord::Kind::ShellOpen, std::string(), platform::ShowMode::Normal));
    EXPECT_EQ(app.launcher.launches[1].kind, LaunchRecord::Kind::CommandLine);
    EXPECT_GE(app.internetSettings.notices, 1);
}

TEST_F(Switch, StartsAgainOnlyWhatItClosed) {
    const struct {
        const char* name;
        std::vector<ProcessEntry> running;
        std::vector<std::uint32_t> terminated;
        std::vector<std::string> launches;
    } cases[] = {
        {"nothing running", {{"explorer.exe", 8}}, {}, {}},
        {"only Firefox", {{"firefox.exe", 40}}, {40}, {firefoxCommand}},
        {"letter case differs: not found", {{"Firefox.exe", 40}, {"IExplore.exe", 20}}, {}, {}},
        {"a Firefox of three processes: the main one first, one start",
         {{"firefox.exe", 41, 40}, {"firefox.exe", 40, 8}, {"firefox.exe", 42, 40}, {"explorer.exe", 8}},
         {40, 41, 42},
         {firefoxCommand}},
        {"another user's Firefox only: untouched, not started", {{"firefox.exe", 40, 8, 3}}, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        app.processes.running = c.running;
        app.processes.terminated.clear();
        app.launcher.launches.clear();
        app.files.files[prefs] = prefsContent;
        SwitchBrowserProxy(app.main, "10.0.0.1", "8080");
        EXPECT_EQ(app.processes.terminated, c.terminated);
        EXPECT_EQ(LaunchTargets(), c.launches);
        EXPECT_EQ(ProxyServer(), newServer);
        EXPECT_EQ(app.files.files[prefs], prefsSwitched);
    }
}

TEST_F(Switch, WithoutFirefoxTheSystemProxyIsStillWritten) {
    app.files.files.erase(tools::kFirefoxPath);
    app.processes.running = {{"firefox.exe", 40}};  // a copy from elsewhere still counts as running
    SwitchBrowserProxy(app.main, "10.0.0.1", "8080");
    EXPECT_EQ(ProxyServer(), newServer);
    EXPECT_EQ(app.files.files[prefs], prefsContent);
    EXPECT_EQ(app.files.replaceCalls, 0);
    EXPECT_EQ(LaunchTargets(), (std::vector<std::string>{kMakerWebAddress}));  // to the shell

    app.files.files[tools::kFirefoxPath] = "";
    app.files.files.erase(prefs);
    EXPECT_NO_THROW(SwitchBrowserProxy(app.main, "10.0.0.2", "8080"));
    EXPECT_EQ(app.files.files.count(prefs), 0u);
    EXPECT_EQ(ProxyServer(), std::string("10.0.0.2:8080\0", 14));
}

TEST_F(Switch, ARefusedProxyChangesNothing) {
    app.processes.running = {{"firefox.exe", 40}, {"iexplore.exe", 20}};
    const auto registryBefore = app.registry.keys.at(std::string("HKCU\\") + kInternetSettingsKey).values;
    for (const auto& [address, port] : std::vector<std::pair<std::string, std::string>>{
             {"10.0.0.1", ""}, {"10.0.0.1", "0"}, {"10.0.0.1", "8080;"}, {"10.0.0", "8080"}, {"0.0.0.0", "123456"}}) {
        SCOPED_TRACE(address + ":" + port);
        EXPECT_THROW(SwitchBrowserProxy(app.main, address, port), ZeltaError);
    }
    EXPECT_EQ(app.processes.snapshots, 0);
    EXPECT_TRUE(app.processes.terminated.empty());
    EXPECT_EQ(app.registry.keys.at(std::string("HKCU\\") + kInternetSettingsKey).values.size(), registryBefore.size());
    EXPECT_EQ(ProxyServer(), oldServer);
    EXPECT_EQ(app.files.replaceCalls, 0);
    EXPECT_TRUE(app.launcher.launches.empty());
    EXPECT_EQ(app.internetSettings.notices, 0);
}

TEST_F(Switch, AFailedWriteLeavesTheClosedBrowsersClosed) {
    app.processes.running = {{"firefox.exe", 40}, {"iexplore.exe", 20}};
    app.registry.RefuseValueWrites(RegistryRoot::CurrentUser, kInternetSettingsKey);
    EXPECT_THROW(SwitchBrowserProxy(app.main, "10.0.0.1", "8080"), ZeltaError);
    EXPECT_EQ(app.processes.terminated, (std::vector<std::uint32_t>{20, 40}));
    EXPECT_EQ(app.files.files[prefs], prefsContent);
    EXPECT_TRUE(app.launcher.launches.empty());
}

TEST_F(Switch, OffSwitchesTheSystemProxyOffAndFirefoxsManualProxyWhileItIsNotRunning) {
    SwitchProxyOff(app.main);
    EXPECT_EQ(ProxyEnable(), std::string(4, '\0'));
    EXPECT_EQ(ProxyServer(), oldServer);
    EXPECT_GE(app.internetSettings.notices, 1);
    EXPECT_EQ(app.files.files[prefs], prefsOff);

    // A running Firefox is neither closed nor has its file changed under it.
    app.files.files[prefs] = prefsContent;
    app.processes.running = {{"firefox.exe", 40}};
    SwitchProxyOff(app.main);
    EXPECT_EQ(app.files.files[prefs], prefsContent);
    EXPECT_TRUE(app.processes.terminated.empty());
    EXPECT_TRUE(app.launcher.launches.empty());
    app.processes.running = {{"firefox.exe", 40, 8, 5}};  // another user's Firefox: not this user's preferences
    SwitchProxyOff(app.main);
    EXPECT_EQ(app.files.files[prefs], prefsOff);
}

}  // namespace
}  // namespace zelta::proxy
