// Applying a stored profile through the whole activation flow over the fake system: the batch file and its start,
// the settings file's record, the window, the tray menu and the notice, and every refusal.
#include <gtest/gtest.h>

#include <functional>

#include "apply/ActivationFlow.h"
#include "apply/ApplyProfile.h"
#include "apply/VerdictNotice.h"
#include "tests/fakes/HandlerTest.h"
#include "tests/fakes/SettingsText.h"

namespace zelta::apply {
namespace {

using platform::ShowMode;
using Kind = fakes::LaunchRecord::Kind;

using fakes::kBatch;
using fakes::kIni;
const char kCompanion[] = "C:\\Tools\\Zelta\\Quillet.exe";

// Two profiles, none applied yet: the file a user has after saving two profiles.
std::string TwoProfiles(const std::string& extra = "", const std::string& applied1 = "0") {
    fakes::StoredProfile office("Office - Local Area Connection");
    office.applied = applied1;
    return fakes::SettingsText({office, {"Home - Wireless Network Connection", "0.0.0.0", "dhcp"}}, extra);
}

const char kOfficeBatch[] =
    "netsh int ipv4 set address name=\"Local Area Connection\" source=static addr=192.168.1.20 mask=255.255.255.0 "
    "gateway=192.168.1.1 gwmetric=1\r\n"
    "netsh int ipv4 set dns name=\"Local Area Connection\" source=static addr=192.168.1.1 validate=no\r\n"
    "netsh int ipv4 add dns name=\"Local Area Connection\" addr=8.8.4.4 index=2 validate=no\r\n";

// The program model over the fake system with the helpers of the activation tests; a row of a table makes its own.
struct ActivationModel : fakes::Handlers {
    void Start(const std::string& settings) {
        Handlers::Start(settings);
        app.launcher.launches.clear();
        app.files.readCalls = 0;
        app.files.replaceCalls = 0;
    }
    bool HasBatch() { return app.files.files.count(kBatch) > 0; }
    std::string Batch() { return app.files.files[kBatch]; }
    bool TrayEnabled(int number) { return app.main.trayMenu.At(TrayMenu::ProfilePosition(number)).enabled; }
    // Everything a refused activation must leave as it was.
    void ExpectNothingChanged(const std::string& settingsBefore) {
        EXPECT_EQ(Ini(), settingsBefore);
        EXPECT_FALSE(HasBatch());
        EXPECT_TRUE(app.launcher.launches.empty());
        EXPECT_EQ(app.files.replaceCalls, 0);
        EXPECT_FALSE(s.ActivatedFlag);
        EXPECT_TRUE(f.Button_ApplyProfile.Enabled());
        EXPECT_EQ(f.L_ProfileActivated.Text(), "");
    }
};
struct Activation : ::testing::Test, ActivationModel {};

TEST_F(Activation, TrayEntryAppliesTheProfileAndRecordsItEverywhere) {
    Start(TwoProfiles());
    app.controller.TrayMenuClick(TrayMenu::ProfilePosition(1));

    EXPECT_EQ(Batch(), kOfficeBatch);
    ASSERT_EQ(app.launcher.launches.size(), 2u);
    EXPECT_EQ(app.launcher.launches[0].kind, Kind::SystemProgram);
    EXPECT_EQ(app.launcher.launches[0].program, "cmd.exe");
    EXPECT_EQ(app.launcher.launches[0].target, "cmd /t:0a /k title Vok Tarvex | ping 8.8.8.8 -t");
    EXPECT_EQ(app.launcher.launches[0].mode, ShowMode::Normal);
    EXPECT_EQ(app.launcher.launches[1].kind, Kind::ShellStart);
    EXPECT_EQ(app.launcher.launches[1].target, kBatch);
    EXPECT_EQ(app.launcher.launches[1].verb, platform::ShellVerb::Open);  // the fake runs elevated
    EXPECT_EQ(app.launcher.launches[1].mode, ShowMode::Normal);

    // The first apply writes last_pai and the one mark, nothing else.
    EXPECT_EQ(Ini(), TwoProfiles("last_pai=1\r\n", "1"));
    EXPECT_EQ(app.files.readCalls, 1);
    EXPECT_EQ(app.files.replaceCalls, 2);  // the settings file once, the batch file once

    EXPECT_EQ(f.LE_NewProfile.Text(), "Office");
    EXPECT_EQ(f.LE_NIC.Text(), "Local Area Connection");
    EXPECT_TRUE(f.Button_Save.Enabled());  // the name's change handler ran (an adapter is chosen)
    EXPECT_TRUE(s.ActivatedFlag);
    EXPECT_EQ(s.ActivatingNumber, 1);
    EXPECT_EQ(s.LastAppliedNumber, 1);
    EXPECT_FALSE(TrayEnabled(1));
    EXPECT_TRUE(TrayEnabled(2));
    EXPECT_FALSE(f.Button_ApplyProfile.Enabled());
    EXPECT_EQ(f.Caption.Text(), "Office - Local Area Connection is activated !");
    EXPECT_EQ(f.L_ProfileActivated.Text(), "Profile Activated: Office - Local Area Connection");
    ASSERT_EQ(app.notifier.notices.size(), 1u);
    EXPECT_EQ(app.notifier.notices[0].message, "Office - Local Area Connection is activated !");
    EXPECT_EQ(app.notifier.notices[0].header, "Vok Tarvex");
    EXPECT_EQ(app.notifier.notices[0].timeMs, 5000u);
}

// Profile 2 applied after profile 1 or after itself: it alone holds the mark and the greyed entry.
TEST(ActivationOrder, TheLastAppliedProfileAloneHoldsTheMarkAndTheGreyedEntry) {
    for (const int first : {1, 2}) {
        SCOPED_TRACE("profile 2 after profile " + std::to_string(first));
        ActivationModel m;
        m.Start(TwoProfiles());
        m.app.controller.TrayMenuClick(TrayMenu::ProfilePosition(first));
        m.app.controller.TrayMenuClick(TrayMenu::ProfilePosition(2));
        EXPECT_TRUE(m.TrayEnabled(1));
        EXPECT_FALSE(m.TrayEnabled(2));
        EXPECT_EQ(m.Value("Zelta Settings", "last_pai"), "2");
        EXPECT_EQ(m.Value("Profile1", "profile_applied"), "0");
        EXPECT_EQ(m.Value("Profile2", "profile_applied"), "1");
        EXPECT_EQ(m.Batch(),
                  "netsh int ipv4 set address name=\"Wireless Network Connection\" source=dhcp\r\n"
                  "netsh int ipv4 set dns name=\"Wireless Network Connection\" source=dhcp\r\n");
        // Two activations, two ping consoles and two notices.
        int consoles = 0;
        for (const auto& launch : m.app.launcher.launches) consoles += launch.kind == Kind::SystemProgram;
        EXPECT_EQ(consoles, 2);
        EXPECT_EQ(m.app.notifier.notices.size(), 2u);
    }
}

TEST_F(Activation, ApplyButtonActsOnTheClickedProfileOrOnProfileOneWithTheNameHeldThen) {
    Start(TwoProfiles());
    f.Button_ApplyProfile.Click();  // right after start: profile 1, and no name yet
    EXPECT_EQ(Batch(), kOfficeBatch);
    EXPECT_EQ(f.Caption.Text(), " is activated !");
    EXPECT_EQ(f.L_ProfileActivated.Text(), "Profile Activated: ");

    f.XPBar_Profiles.ClickItem(1);
    EXPECT_TRUE(f.Button_ApplyProfile.Enabled());
    f.Button_ApplyProfile.Click();
    EXPECT_EQ(f.Caption.Text(), "Home - Wireless Network Connection is activated !");
    EXPECT_EQ(Value("Zelta Settings", "last_pai"), "2");
}

TEST_F(Activation, TheWindowsXpFormHasFourLines) {
    app.systemInfo.version = platform::OsVersionInfo{5, 1, 2600, true, "Service Pack 3"};
    Start(TwoProfiles());
    app.controller.TrayMenuClick(TrayMenu::ProfilePosition(1));
    EXPECT_EQ(Batch(),
              "netsh int ip set address name=\"Local Area Connection\" source=static addr=192.168.1.20 "
              "mask=255.255.255.0\r\n"
              "netsh int ip set address name=\"Local Area Connection\" source=static gateway=192.168.1.1 gwmetric=1\r\n"
              "netsh int ip set dns name=\"Local Area Connection\" source=static addr=192.168.1.1\r\n"
              "netsh int ip add dns name=\"Local Area Connection\" addr=8.8.4.4 index=2\r\n");
}

TEST_F(Activation, WithTheCompanionPresentOnlyItIsStartedHidden) {
    Start(TwoProfiles());
    app.files.files[kCompanion] = "MZ";
    app.files.files[kCompanionFileName] = "MZ";  // one in the working folder alone would not count
    app.launcher.administratorPaths[kCompanion] = "\\\\server\\tools\\Quillet.exe";  // a mapped drive's share
    app.controller.TrayMenuClick(TrayMenu::ProfilePosition(1));
    ASSERT_EQ(app.launcher.launches.size(), 2u);
    EXPECT_EQ(app.launcher.launches[1].kind, Kind::ShellStart);
    EXPECT_EQ(app.launcher.launches[1].target, "\\\\server\\tools\\Quillet.exe");
    EXPECT_EQ(app.launcher.launches[1].parameters, "/window=16170");  // the window to answer
    EXPECT_EQ(app.launcher.launches[1].mode, ShowMode::Hidden);
    EXPECT_EQ(Batch(), kOfficeBatch);  // the companion runs the same batch
}

// A fast companion answers while the shell is still answering the start: its verdict is taken, and stays the notice.
TEST_F(Activation, AVerdictThatComesDuringTheStartIsTakenAndNotCovered) {
    Start(TwoProfiles());
    app.files.files[kCompanion] = "MZ";
    companion::Verdict verdict;
    verdict.inEffect = true;
    verdict.detail = "192.168.1.20, mask 255.255.255.0";
    app.launcher.duringShellStart = [&] {
        verdict.batchFingerprint = companion::BatchFingerprint(Batch());
        ReceiveVerdict(app.main, companion::EncodeVerdict(verdict));
    };
    app.controller.TrayMenuClick(TrayMenu::ProfilePosition(1));
    EXPECT_EQ(app.notifier.Messages(),
              std::vector<std::string>{"Office is in effect: 192.168.1.20, mask 255.255.255.0 (0 s)."});
}

TEST_F(Activation, PercentSignsInTheAdapterNameAreDoubledInTheBatch) {
    std::string settings = TwoProfiles();
    settings.replace(settings.find("Office - Local Area Connection"), 30, "Office - LAN 50%");
    Start(settings);
    app.controller.TrayMenuClick(TrayMenu::ProfilePosition(1));
    EXPECT_EQ(Batch().substr(0, 51), "netsh int ipv4 set address name=\"LAN 50%%\" source=s");
    EXPECT_EQ(f.LE_NIC.Text(), "LAN 50%");
}

// A stored text that could break out of a command, or that the console cannot show, refuses the activation.
TEST(UnsafeActivation, RefusesTheWholeActivationBeforeAnythingHappens) {
    const struct {
        const char* good;
        const char* bad;
    } rows[] = {
        {"IP=192.168.1.20", "IP=192.168.1.20 & format C:"},
        {"DNS2=8.8.4.4", "DNS2=8.8.4.4\"&calc&\""},
        {"Office - Local Area Connection", "Office - LAN\" & calc"},
        {"Office - Local Area Connection", "Office - LAN\x01"},
        {"Office - Local Area Connection", "Office - LAN \x80"},
        {"Office - Local Area Connection", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.good) + " spoilt as \"" + row.bad + "\"");
        ActivationModel m;
        std::string settings = TwoProfiles();
        settings.replace(settings.find(row.good), std::string(row.good).size(), row.bad);
        m.app.codePages.missingInConsole = "\x80";
        m.Start(settings);
        const std::string error = fakes::ErrorOf([&] { m.app.controller.TrayMenuClick(TrayMenu::ProfilePosition(1)); });
        EXPECT_EQ(error.rfind("Cannot apply profile 1 (", 0), 0u) << "accepted, or refused with: " << error;
        m.ExpectNothingChanged(settings);
        EXPECT_TRUE(m.TrayEnabled(1));
        EXPECT_EQ(m.s.LastAppliedNumber, 0);
    }
}

TEST_F(Activation, NoStoredProfileMeansANoticeAndNothingElse) {
    Start("");
    f.Button_ApplyProfile.Click();
    ExpectNothingChanged("");
    EXPECT_EQ(app.notifier.Messages(), std::vector<std::string>{kNoSuchProfileNotice});

    Start(TwoProfiles());
    app.notifier.notices.clear();
    ActivateProfile(app.main, "ghost", 3);
    ExpectNothingChanged(TwoProfiles());
    EXPECT_EQ(app.notifier.Messages(), std::vector<std::string>{kNoSuchProfileNotice});
}

TEST_F(Activation, AfterTheAppliedHighestProfileWasDeletedTheNextActivationCompletes) {
    Start(TwoProfiles());
    f.XPBar_Profiles.ClickItem(1);  // loaded while not applied: Delete stays enabled
    app.controller.TrayMenuClick(TrayMenu::ProfilePosition(2));
    ASSERT_TRUE(f.Button_Delete.Enabled());
    f.Button_Delete.Click();
    ASSERT_EQ(app.main.trayMenu.Count(), TrayMenu::ProfilePosition(1) + 1);

    app.controller.TrayMenuClick(TrayMenu::ProfilePosition(1));
    EXPECT_EQ(s.LastAppliedNumber, 1);
    EXPECT_FALSE(TrayEnabled(1));
    EXPECT_EQ(f.Caption.Text(), "Office - Local Area Connection is activated !");
    EXPECT_EQ(Value("Zelta Settings", "last_pai"), "1");

    // Even a number that names no entry at all (a file edited by hand while the program ran) ends nothing.
    s.LastAppliedNumber = 9;
    app.controller.TrayMenuClick(TrayMenu::ProfilePosition(1));
    EXPECT_EQ(s.LastAppliedNumber, 1);
}

// Who is asked for administrator rights, and what a start that did not happen leaves: the error in plain words,
// the settings file as it was, the window and the tray menu as they were.
TEST_F(Activation, StartOfTheCommandsAsksForRightsOnlyWhereNeededAndRecordsOnlyWhatStarted) {
    using platform::LaunchOutcome;
    using platform::ShellVerb;
    using Status = LaunchOutcome::Status;
    const LaunchOutcome declined{Status::Declined, ""};
    const LaunchOutcome damaged{Status::Failed, "The file is not a valid application"};
    const std::string notStarted = std::string("The profile was not applied: \"") + kCompanion +
                                   "\" could not be started. The file is not a valid application";
    const struct {
        const char* form;
        bool elevated;
        bool companion;
        LaunchOutcome outcome;
        ShellVerb verb;
        std::string error;  // empty: the activation is recorded
    } rows[] = {
        {"standard user, batch", false, false, {}, ShellVerb::RunAsAdministrator, ""},
        {"elevated, batch", true, false, {}, ShellVerb::Open, ""},
        {"standard user, companion (asks by itself)", false, true, {}, ShellVerb::Open, ""},
        {"consent declined for the companion", false, true, declined, ShellVerb::Open, kPermissionRefused},
        {"consent declined for the batch", false, false, declined, ShellVerb::RunAsAdministrator, kPermissionRefused},
        {"a damaged companion", false, true, damaged, ShellVerb::Open, notStarted},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.form);
        fakes::Handlers h;
        if (row.companion) h.app.files.files[kCompanion] = "MZ";
        h.app.launcher.elevated = row.elevated;
        h.app.launcher.shellStartOutcome = row.outcome;
        h.Start(TwoProfiles());
        const std::string caption = h.f.Caption.Text();
        EXPECT_EQ(fakes::ErrorOf([&] { h.app.controller.TrayMenuClick(TrayMenu::ProfilePosition(1)); }), row.error);
        ASSERT_EQ(h.app.launcher.launches.size(), 2u);
        EXPECT_EQ(h.app.launcher.launches[1].kind, Kind::ShellStart);
        EXPECT_EQ(h.app.launcher.launches[1].target, row.companion ? kCompanion : kBatch);
        EXPECT_EQ(h.app.launcher.launches[1].verb, row.verb);
        EXPECT_EQ(h.app.files.files[kBatch], kOfficeBatch);
        const bool recorded = row.error.empty();
        EXPECT_EQ(h.Ini() == TwoProfiles(), !recorded);
        EXPECT_EQ(h.s.LastAppliedNumber, recorded ? 1 : 0);
        EXPECT_EQ(h.app.main.trayMenu.At(TrayMenu::ProfilePosition(1)).enabled, !recorded);
        EXPECT_EQ(h.f.Button_ApplyProfile.Enabled(), !recorded);
        EXPECT_EQ(h.f.L_ProfileActivated.Text(), recorded ? "Profile Activated: Office - Local Area Connection" : "");
        if (!recorded) {
            EXPECT_EQ(h.f.Caption.Text(), caption);
        }
        EXPECT_EQ(h.app.notifier.notices.size(), recorded ? 1u : 0u);
    }
}

// The settings file and the working folder in their broken forms, met by an activation of profile 1.
TEST(HostileActivation, EachFormEndsAsItsRowSays) {
    const std::string ini = kIni;
    const std::string mark = "\xEF\xBB\xBF";
    std::string euro = TwoProfiles();
    euro.replace(euro.find("Home"), 4, "\xE2\x82\xAC");  // no ANSI counterpart in the fake's code page
    const struct {
        const char* form;
        std::string settings;
        std::function<void(fakes::FakeApp&)> breakIt;
        std::string error;      // empty: the activation completes
        std::size_t launches;   // programs started: the ping console, then the batch
        bool settingsAsBefore;  // the settings file byte for byte as it was
    } rows[] = {
        {"a UTF-8 settings file with its mark", mark + TwoProfiles(), [](fakes::FakeApp&) {}, "", 2, false},
        {"a read-only settings file", TwoProfiles(), [&](fakes::FakeApp& a) { a.files.readOnly.insert(ini); },
         "Unable to write to " + ini, 2, true},
        {"a full disk under the settings file", TwoProfiles(), [&](fakes::FakeApp& a) { a.files.diskFull.insert(ini); },
         "Unable to write to " + ini, 2, true},
        {"a settings file locked since start-up", TwoProfiles(),
         [&](fakes::FakeApp& a) { a.files.unreadable.insert(ini); }, "Unable to write to " + ini, 0, true},
        {"a settings file gone since start-up: the no-profile notice", TwoProfiles(),
         [&](fakes::FakeApp& a) { a.files.files.erase(ini); }, "", 0, true},
        {"UTF-8 that ANSI cannot hold", mark + euro, [](fakes::FakeApp&) {},
         "Unable to write to " + ini + ". The file holds characters that the ANSI code page lacks", 2, true},
        {"a program folder where execute.bat cannot be written", TwoProfiles(),
         [](fakes::FakeApp& a) { a.files.readOnly.insert(kBatch); },
         std::string("Cannot create file \"") + kBatch + "\". Access is denied", 1, true},
        {"a full disk under execute.bat", TwoProfiles(), [](fakes::FakeApp& a) { a.files.diskFull.insert(kBatch); },
         std::string("Cannot create file \"") + kBatch + "\". There is not enough space on the disk", 1, true},
        {"a folder on a drive letter that administrators do not see", TwoProfiles(),
         [](fakes::FakeApp& a) { a.launcher.administratorPaths[kBatch] = ""; },
         std::string("The profile was not applied: \"") + kBatch +
             "\" cannot be started with administrator rights from where it is: drive Z: is mapped to a network share "
             "that could not be found. Keep the program in a folder on a local disk, or start it by its network path.",
         1, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.form);
        fakes::FakeApp app;
        app.files.files[ini] = row.settings;
        app.controller.FormCreate();
        row.breakIt(app);
        const auto before = app.files.files.count(ini) ? app.files.files[ini] : std::string("<none>");
        EXPECT_EQ(fakes::ErrorOf([&] { app.controller.TrayMenuClick(TrayMenu::ProfilePosition(1)); }), row.error);
        EXPECT_EQ(app.launcher.launches.size(), row.launches);
        const auto after = app.files.files.count(ini) ? app.files.files[ini] : std::string("<none>");
        EXPECT_EQ(after == before, row.settingsAsBefore);
        if (!row.error.empty()) {
            // The record comes last: whatever failed, nothing is recorded as applied and the window claims nothing,
            // though the commands ran when only the record failed. The program model runs on: the profile loads.
            EXPECT_EQ(app.state().ActivatedFlag, row.launches > 0);
            EXPECT_EQ(app.state().ActivatingNumber, row.launches > 0 ? 1 : 0);
            EXPECT_EQ(app.files.files.count(kBatch) ? app.files.files[kBatch] : "",
                      row.launches == 2 ? kOfficeBatch : "");
            EXPECT_EQ(app.state().LastAppliedNumber, 0);
            EXPECT_TRUE(app.main.trayMenu.At(TrayMenu::ProfilePosition(1)).enabled);
            EXPECT_TRUE(app.form().Button_ApplyProfile.Enabled());
            EXPECT_TRUE(app.notifier.notices.empty());
            app.form().XPBar_Profiles.ClickItem(1);
            EXPECT_EQ(app.form().LE_ProfileID.Text(), "       2");
        } else if (row.launches == 0) {
            EXPECT_EQ(app.notifier.Messages(), std::vector<std::string>{kNoSuchProfileNotice});
            EXPECT_FALSE(app.files.files.count(kBatch));
        } else {
            EXPECT_EQ(after.compare(0, 3, mark) == 0, row.settings.compare(0, 3, mark) == 0);
            EXPECT_EQ(profiles::SettingsFile(app.platform).ReadText("Zelta Settings", "last_pai"), "1");
        }
    }
}

}  // namespace
}  // namespace zelta::apply
