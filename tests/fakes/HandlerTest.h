#pragma once
// The fixture of the handler tests: the main window model over the fake system, the settings file beside the
// program, and (when a test asks for them) a Firefox with one profile and the system's proxy keys.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "profiles/SettingsDocument.h"
#include "proxy/SystemProxy.h"
#include "tests/fakes/Fakes.h"
#include "tools/Launchers.h"

namespace zelta::fakes {

inline const char kIni[] = "C:\\Tools\\Zelta\\Zelta.ini";
// Beside the program, whatever the working folder.
inline const char kBatch[] = "C:\\Tools\\Zelta\\execute.bat";
inline const char kXpFirefoxFolder[] = "C:\\DOCUME~1\\anna\\Application Data\\Mozilla\\Firefox\\";
inline const std::string kXpPrefs = std::string(kXpFirefoxFolder) + "Profiles\\p.default\\prefs.js";

struct Handlers {
    FakeApp app;
    Form1& f = app.form();
    AppState& s = app.state();

    // Stores the settings file, when there is one, and runs the start-up sequence.
    void Start(const std::optional<std::string>& settings = std::nullopt) {
        if (settings) app.files.files[kIni] = *settings;
        app.controller.FormCreate();
    }
    std::string& Ini() { return app.files.files[kIni]; }
    std::vector<std::string> IniLines() { return profiles::SplitLines(Ini()); }
    std::string Value(const std::string& section, const std::string& key) {
        return profiles::SettingsDocument::Parse(Ini()).ReadText(section, key, "<none>");
    }
    std::vector<std::string> Notices() { return app.notifier.Messages(); }
    std::vector<std::string> LaunchTargets() {
        std::vector<std::string> targets;
        for (const LaunchRecord& launch : app.launcher.launches) targets.push_back(launch.target);
        return targets;
    }

    // Firefox installed, its profile list (on XP, under TEMP's user) naming one profile whose prefs.js holds prefs,
    // and the system's proxy at 1.1.1.1:1.
    void PlaceBrowsers(const std::string& prefs) {
        app.files.files[tools::kFirefoxPath] = "";
        app.files.files[std::string(kXpFirefoxFolder) + "profiles.ini"] = "[Profile0]\r\nPath=Profiles/p.default\r\n";
        app.files.files[kXpPrefs] = prefs;
        app.environment.variables["TEMP"] = "C:\\DOCUME~1\\anna\\LOCALS~1\\Temp";
        app.registry.AddKey(platform::RegistryRoot::CurrentUser, proxy::kInternetSettingsKey);
        app.registry.SetString(platform::RegistryRoot::CurrentUser, proxy::kInternetSettingsKey, "ProxyServer",
                               "1.1.1.1:1");
    }
    // A value of the system's proxy keys, "<none>" when it is missing.
    std::string ProxyValue(const std::string& name) {
        const auto value = app.registry.Value(platform::RegistryRoot::CurrentUser, proxy::kInternetSettingsKey, name);
        return value ? value->data : "<none>";
    }
};

struct HandlerTest : ::testing::Test, Handlers {};

}  // namespace zelta::fakes
