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
        throw ZeltaError("Cannot create file \"" + path + "\". " + reason);
    }
    return *bytes;
}

// The program itself runs with the user's rights, so that the proxy and the browsers are the user's own: only the
// network commands get administrator rights. The companion asks for them by itself; the batch file is opened so
// that they are asked for, unless the program has them already.
void StartCommands(MainForm& main, const std::string& batchPath) {
    platform::Launcher& launcher = main.platform.launcher;
    const std::string companionPath = main.state.ProgramDir + kCompanionFileName;
    const bool withCompanion = main.platform.files.FileExists(companionPath);
    const std::string started = withCompanion ? companionPath : batchPath;
    const LaunchOutcome outcome =
        withCompanion
            ? launcher.ShellStart(companionPath, ShellVerb::Open, ShowMode::Hidden)
            : launcher.ShellStart(batchPath, launcher.RunsElevated() ? ShellVerb::Open : ShellVerb::RunAsAdministrator,
                                  ShowMode::Normal);
    switch (outcome.status) {
        case LaunchOutcome::Status::Started:
            return;
        case LaunchOutcome::Status::Declined:
            throw ZeltaError(kPermissionRefused);
        case LaunchOutcome::Status::Failed:
            throw ZeltaError("The profile was not applied: \"" + started + "\" could not be started. " +
                             outcome.reason);
    }
}

}  // namespace

std::uint32_t ApplyProfile(MainForm& main, int number, const profiles::NetworkProfile& profile,
                           profiles::SettingsFile::Edit& settings) {
    const profiles::ProfileNameParts parts = profiles::SplitProfileName(profile.profileName);
    main.form.LE_NewProfile.SetText(parts.name);
    main.form.LE_NIC.SetText(parts.adapter);

    const std::vector<std::string> lines =
        BuildAdapterCommands(profile, main.state.OSMajorVersion, main.state.OSMinorVersion);
    RunProxyStage(main, profile);
    const std::string batchPath = main.state.ProgramDir + kBatchFileName;
    const std::string batch = WriteBatchFile(main, batchPath, lines);
    StartCommands(main, batchPath);

    profiles::MarkAppliedProfile(settings.Document(), number, main.state.LastAppliedNumber);
    settings.Commit();
    return companion::BatchFingerprint(batch);
}

}  // namespace zelta::apply
