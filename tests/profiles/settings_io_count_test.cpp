// Each user action reads the settings file once and replaces it at most once, with twenty stored profiles: the
// handlers pass one read document along instead of reading the file again for every value.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/model/TrayMenu.h"
#include "profiles/NetworkProfile.h"
#include "tests/adapters/AdapterRegistry.h"
#include "tests/fakes/Fakes.h"
#include "tests/fakes/SettingsText.h"

namespace zelta::profiles {
namespace {

const char kPath[] = "C:\\Tools\\Zelta\\Zelta.ini";

std::string TwentyProfiles() {
    std::vector<fakes::StoredProfile> profiles;
    for (int n = 1; n <= kMaxProfiles; ++n) {
        profiles.push_back(fakes::StoredProfile("Site " + std::to_string(n) + " - LAN", "10.0.0." + std::to_string(n))
                               .Net("255.255.255.0", "10.0.0.254", "10.0.0.253", "0.0.0.0"));
    }
    return fakes::SettingsText(profiles, "last_pai=0\r\n");
}

TEST(SettingsFileTraffic, EveryActionReadsOnceAndReplacesAtMostOnce) {
    fakes::FakeApp app;
    Form1& f = app.form();
    fakes::AddAdapter(app.registry, "{A}", true, std::string("LAN"));
    app.files.files[kPath] = TwentyProfiles();

    struct Action {
        const char* name;
        std::function<void()> run;
        int reads;         // of the settings file
        int replacements;  // of every file: the activation also writes the batch file
    };
    // In this order, each one prepared by the ones before it (an adapter chosen, a profile loaded).
    const std::vector<Action> actions = {
        {"start-up", [&] { app.controller.FormCreate(); }, 1, 0},
        {"choose an adapter", [&] { f.XPBar_NICs.ClickItem(0); }, 0, 0},
        {"load profile 5", [&] { f.XPBar_Profiles.ClickItem(4); }, 1, 0},
        {"save over profile 5", [&] { f.Button_Save.Click(); }, 1, 1},
        {"load profile 20", [&] { f.XPBar_Profiles.ClickItem(19); }, 1, 0},
        {"delete profile 20", [&] { f.Button_Delete.Click(); }, 1, 1},
        {"save a new profile",
         [&] {
             f.LE_NewProfile.SetText("Branch");
             f.Button_Save.Click();
         },
         1, 1},
        {"activate profile 3", [&] { app.controller.TrayMenuClick(TrayMenu::ProfilePosition(3)); }, 1, 2},
    };
    for (const Action& action : actions) {
        app.files.readCalls = 0;
        app.files.replaceCalls = 0;
        action.run();
        EXPECT_EQ(app.files.readCalls, action.reads) << action.name;
        EXPECT_EQ(app.files.replaceCalls, action.replacements) << action.name;
    }
    // The actions did what they are for: the new profile took the freed place and profile 3 is the applied one.
    EXPECT_EQ(f.XPBar_Profiles.Count(), kMaxProfiles);
    EXPECT_EQ(f.XPBar_Profiles.Item(kMaxProfiles - 1).caption, "Branch - LAN");
    EXPECT_EQ(app.state().LastAppliedNumber, 3);
}

}  // namespace
}  // namespace zelta::profiles
