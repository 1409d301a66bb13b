#include "apply/ApplyProfile.h"

#include "app/model/ZeltaError.h"
#include "apply/AdapterCommands.h"
#include "companion/Verdict.h"
#include "proxy/BrowserSwitch.h"

namespace zelta::apply {

using platform::LaunchOutcome;
using platform::ShellVerb;
using platform::ShowMode;

namespace {

void RunProxyStage(MainForm& main, const profiles::NetworkProfile& profile) {
    const bool useProxy = profiles::FlagFromText(profile.useProxy, false);
    const bool killBrowsers = useProxy && profiles::FlagFromText(profile.killBrowsers, false);
    if (killBrowsers) {
        proxy::SwitchBrowserProxy(main, profile.proxyIp, profile.proxyPort);
    } else if (!useProxy) {
        proxy::SwitchProxyOff(main);
    }
    // A proxy profile without the permission to close browsers changes no proxy setting.
}

// Returns the bytes written.
std::string WriteBatchFile(MainForm& main, const std::string& path, const std::vector<std::string>& lines) {
    // The command interpreter reads a batch file in the console code page.
    const auto bytes = main.platform.codePages.AnsiToConsole(ComposeBatchText(lines));
    std::string reason = "Its text has characters the console cannot show";
    if (!bytes || !main.platform.files.ReplaceContents(path, *bytes, reason)) {
        throw ZeltaError(CannotCreateFileError(path, reason));
    }
    return *bytes;
}

// What gets administrator rights: the companion when it is beside the program, else the batch file; named by a path
// that a program with those rights reaches.
struct CommandStart {
    std::string path;
    bool companion = false;
};

CommandStart ChooseCommandStart(MainForm& main, const std::string& batchPath) {
    const std::string companionPath = main.state.ProgramDir + kCompanionFileName;
    CommandStart start{batchPath, main.platform.files.FileExists(companionPath)};
    if (start.companion) start.path = companionPath;
    std::string reason;
    const auto reachable = main.platform.launcher.PathForAdministrator(start.path, reason);
    if (!reachable) {
        throw ZeltaError("The profile was not applied: \"" + start.path +
                         "\" cannot be started with administrator rights from where it is: " + reason +
                         ". Keep the program in a folder on a local disk, or start it by its network path.");
    }
    start.path = *reachable;
    return start;
}

// The program itself runs with the user's rights, so that the proxy and the browsers are the user's own: only the
// network commands get administrator rights. The companion asks for them by itself, and is told the window to answer;
// the batch file is opened so that they are asked for, unless the program has them already.
void StartCommands(MainForm& main, const CommandStart& start) {
    platform::Launcher& launcher = main.platform.launcher;
    const LaunchOutcome outcome =
        start.companion ? launcher.ShellStart(start.path, companion::WindowParameter(launcher.OwnerWindow()),
                                              ShellVerb::Open, ShowMode::Hidden)
                        : launcher.ShellStart(start.path, "",
                                              launcher.RunsElevated() ? ShellVerb::Open : ShellVerb::RunAsAdministrator,
                                              ShowMode::Normal);
    switch (outcome.status) {
        case LaunchOutcome::Status::Started:
            return;
        case LaunchOutcome::Status::Declined:
            throw ZeltaError(kPermissionRefused);
        case LaunchOutcome::Status::Failed:
            throw ZeltaError("The profile was not applied: \"" + start.path + "\" could not be started. " +
                             outcome.reason);
    }
}

}  // namespace

void ApplyProfile(MainForm& main, int number, const profiles::NetworkProfile& profile,
                  profiles::SettingsFile::Edit& settings) {
    const profiles::ProfileNameParts parts = profiles::SplitProfileName(profile.profileName);
    main.form.LE_NewProfile.SetText(parts.name);
    main.form.LE_NIC.SetText(parts.adapter);

    const std::vector<std::string> lines =
        BuildAdapterCommands(profile, main.state.OSMajorVersion, main.state.OSMinorVersion);
    const std::string batchPath = main.state.ProgramDir + kBatchFileName;
    // Before the browsers close or anything is written: a start that cannot work stops the activation here.
    const CommandStart start = ChooseCommandStart(main, batchPath);
    RunProxyStage(main, profile);
    const std::string batch = WriteBatchFile(main, batchPath, lines);
    // Before the start: the shell answers it through COM, which lets the window take a fast companion's verdict
    // before ShellExecuteEx returns.
    main.state.ActivatedProfileName = parts.name;
    main.state.ActivatedBatchFingerprint = companion::BatchFingerprint(batch);
    main.state.ActivatedVerdictShown = false;
    StartCommands(main, start);

    profiles::MarkAppliedProfile(settings.Document(), number, main.state.LastAppliedNumber);
    settings.Commit();
}

}  // namespace zelta::apply
