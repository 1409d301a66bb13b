#include "apply/ApplyProfile.h"

#include "app/model/ZeltaError.h"
#include "apply/AdapterCommands.h"
#include "proxy/BrowserSwitch.h"

namespace zelta::apply {

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

void WriteBatchFile(MainForm& main, const std::vector<std::string>& lines) {
    // The command interpreter reads a batch file in the console code page.
    const auto bytes = main.platform.codePages.AnsiToConsole(ComposeBatchText(lines));
    std::string reason = "Its text has characters the console cannot show";
    if (!bytes || !main.platform.files.ReplaceContents(kBatchFileName, *bytes, reason)) {
        throw ZeltaError(std::string("Cannot create file \"") + kBatchFileName + "\". " + reason);
    }
}

}  // namespace

void ApplyProfile(MainForm& main, int number, const profiles::NetworkProfile& profile,
                  profiles::SettingsFile::Edit& settings) {
    const profiles::ProfileNameParts parts = profiles::SplitProfileName(profile.profileName);
    main.form.LE_NewProfile.SetText(parts.name);
    main.form.LE_NIC.SetText(parts.adapter);

    profiles::MarkAppliedProfile(settings.Document(), number, main.state.LastAppliedNumber);
    settings.Commit();

    const std::vector<std::string> lines =
        BuildAdapterCommands(profile, main.state.OSMajorVersion, main.state.OSMinorVersion);
    RunProxyStage(main, profile);
    WriteBatchFile(main, lines);

    platform::Launcher& launcher = main.platform.launcher;
    if (main.platform.files.FileExists(kCompanionFileName)) {
        launcher.ShellOpen(kCompanionFileName, "", platform::ShowMode::Hidden);
    } else {
        launcher.ShellOpen(kBatchFileName, "", platform::ShowMode::Normal);
    }
}

}  // namespace zelta::apply
