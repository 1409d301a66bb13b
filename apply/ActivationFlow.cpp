#include "apply/ActivationFlow.h"

#include "app/model/AsciiText.h"
#include "apply/ApplyProfile.h"
#include "apply/CommandSafety.h"
#include "profiles/ProfileList.h"
#include "tools/Launchers.h"

namespace zelta::apply {

namespace {

// The entry of a profile that is no longer in the menu (it was deleted) is simply not there to change.
void SetTrayEntryEnabled(TrayMenu& menu, int number, bool enabled) {
    const int position = TrayMenu::ProfilePosition(number);
    if (position >= 0 && position < menu.Count()) menu.SetEnabled(position, enabled);
}

// An adapter that was unplugged keeps its profiles; applying one would only have netsh fail. When no adapter at all
// could be read, the list says nothing about the machine, and the commands are left to tell.
bool AdapterMissing(const MainForm& main, const std::string& adapter) {
    if (main.adapterEntries.empty()) return false;
    for (const AdapterEntry& entry : main.adapterEntries) {
        if (SameIgnoringAsciiCase(entry.connectionName, adapter)) return false;
    }
    return true;
}

}  // namespace

void ActivateProfile(MainForm& main, const std::string& name, int number) {
    AppState& s = main.state;
    Form1& f = main.form;

    // The settings file is read once here; the applied record goes back in the same edit.
    profiles::SettingsFile settingsFile(main.platform);
    profiles::SettingsFile::Edit settings = settingsFile.BeginEdit();
    const int count = profiles::StoredProfileCount(settings.Document());
    if (number < 1 || number > count) {
        // Commands for an empty adapter name would run and the window would still announce an activation.
        main.Notice(kNoSuchProfileNotice);
        return;
    }
    const profiles::NetworkProfile profile = profiles::ReadNetworkProfile(settings.Document(), number);
    const std::string adapter = profiles::SplitProfileName(profile.profileName).adapter;
    if (AdapterMissing(main, adapter)) {
        main.Notice(kAdapterMissingNoticeStart + adapter + kAdapterMissingNoticeEnd);
        return;
    }
    // Before anything is recorded, written or started.
    CheckCommandInputs(profile, number, main.platform.codePages);

    main.platform.launcher.RunSystemProgram(tools::kCommandInterpreter,
                                            std::string(tools::kConsoleCommand) + " | ping 8.8.8.8 -t",
                                            platform::ShowMode::Normal);
    s.ActivatedFlag = true;
    s.ActivatingNumber = number;
    ApplyProfile(main, number, profile, settings);

    SetTrayEntryEnabled(main.trayMenu, s.LastAppliedNumber, true);
    SetTrayEntryEnabled(main.trayMenu, number, false);
    s.LastAppliedNumber = number;
    f.Button_ApplyProfile.SetEnabled(false);
    f.Caption.SetText(name + kActivatedSuffix);
    f.L_ProfileActivated.SetText(profiles::kActivatedLabelPrefix + name);
    // A verdict that came in while the companion was being started says more than this.
    if (!s.ActivatedVerdictShown) main.Notice(f.Caption.Text());
}

void Button_ApplyProfileClick(MainForm& main) {
    ActivateProfile(main, main.state.CurrentProfileName, main.state.SelectedProfileIndex + 1);
}

}  // namespace zelta::apply
