#include "profiles/ProfileList.h"

#include "profiles/AddressPlan.h"
#include "profiles/NetworkProfile.h"
#include "profiles/ProfileDeletion.h"
#include "profiles/SettingsFile.h"

namespace zelta::profiles {

namespace {

const char kBadNameNotice[] = "A profile name must not contain \"- \" nor end with \"-\" !";

// The number field: seven blanks before the number, five before 20.
std::string ProfileIdText(int number) {
    return number == kMaxProfiles ? "     20" : "       " + std::to_string(number);
}

// The editor's control of a field; the table names only controls the window has.
Control& EditorControl(const Form1& f, int id) { return *f.Find(id); }

// Fields the editor shows in one control each (all but the name and the applied mark).
bool InOneControl(FieldKind kind) { return kind != FieldKind::ProfileName && kind != FieldKind::AppliedMark; }

void ShowField(Form1& f, const ProfileField& field, const std::string& value) {
    Control& control = EditorControl(f, field.control);
    switch (field.kind) {
        case FieldKind::AdapterAddress:
        case FieldKind::Text:
            control.SetText(value);
            break;
        case FieldKind::UseSwitch:
            control.SetChecked(!IsDhcp(value));
            break;
        case FieldKind::FlagSwitch:
        case FieldKind::Flag:
            control.SetChecked(FlagFromText(value, false));
            break;
        case FieldKind::ProfileName:
        case FieldKind::AppliedMark:
            break;
    }
}

std::string EditorValue(const Form1& f, const ProfileField& field) {
    const Control& control = EditorControl(f, field.control);
    switch (field.kind) {
        case FieldKind::AdapterAddress:
        case FieldKind::Text:
            return control.Text();
        case FieldKind::UseSwitch:
            return UseValue(control.Checked());
        case FieldKind::FlagSwitch:
        case FieldKind::Flag:
            return control.Checked() ? "1" : "0";
        case FieldKind::ProfileName:
        case FieldKind::AppliedMark:
            break;
    }
    return {};
}

NetworkProfile ProfileFromEditor(const MainForm& main, const std::string& name) {
    const Form1& f = main.form;
    NetworkProfile profile;
    for (const ProfileField& field : kProfileFields) {
        if (InOneControl(field.kind)) FieldValue(profile, field) = EditorValue(f, field);
    }
    profile.profileName = ComposeProfileName(name, f.LE_NIC.Text());
    profile.profileApplied = "0";
    return profile;
}

// The tray entries from position onwards take the number and picture of the place they now stand at.
void RenumberTrayEntriesFrom(TrayMenu& menu, int position) {
    for (int at = position; at < menu.Count(); ++at) {
        const int number = at - TrayMenu::kFixedEntries + 1;
        menu.SetProfileNumber(at, number, TrayMenu::ProfilePicture(number));
    }
}

}  // namespace

void LoadProfileList(MainForm& main) {
    const SettingsDocument settings = SettingsFile(main.platform).Read();
    // A hand-edited count far above the limit would otherwise make that many list items and tray entries.
    const int count = StoredProfileCount(settings);
    main.state.LastAppliedNumber = settings.ReadNumber(kSettingsSection, kLastAppliedKey, 0);
    for (int number = 1; number <= count; ++number) {
        const std::string section = ProfileSection(number);
        const std::string text = settings.ReadText(section, kProfileNameKey, "");
        // Only exactly 1 counts as applied here, unlike in the editor.
        const bool applied = settings.ReadNumber(section, kProfileAppliedKey, 0) == 1;
        main.form.XPBar_Profiles.AddItem({text, text});
        if (applied) main.form.L_ProfileActivated.SetText(kActivatedLabelPrefix + text);
        main.trayMenu.AppendProfile(text, number, TrayMenu::ProfilePicture(number), !applied);
    }
}

void ProfileItemClick(MainForm& main, int index) {
    main.state.SelectedProfileIndex = index;
    LoadProfile(main, index + 1);
}

void LoadProfile(MainForm& main, int number) {
    Form1& f = main.form;
    AppState& s = main.state;
    const SettingsDocument settings = SettingsFile(main.platform).Read();
    const NetworkProfile profile = ReadNetworkProfile(settings, number);

    s.CurrentProfileName = profile.profileName;
    const ProfileNameParts parts = SplitProfileName(profile.profileName);
    s.SelectedAdapterName = parts.adapter;
    f.LE_NewProfile.SetText(parts.name);
    s.LoadedProfileName = parts.name;
    f.LE_NIC.SetText(parts.adapter);

    for (const ProfileField& field : kProfileFields) {
        if (InOneControl(field.kind)) ShowField(f, field, FieldValue(profile, field));
    }

    // Any non-zero mark counts as applied here.
    f.Button_ApplyProfile.SetEnabled(!FlagFromText(profile.profileApplied, false));
    s.ProfileLoaded = true;
    f.LE_ProfileID.SetText(ProfileIdText(number));
    // The applied profile can be neither saved over nor deleted straight after loading.
    f.Button_Save.SetEnabled(f.Button_ApplyProfile.Enabled());
    f.Button_Delete.SetEnabled(f.Button_ApplyProfile.Enabled());
}

void TrayProfileClick(MainForm& main, int position, const ActivateProfileFn& activate) {
    const int number = main.trayMenu.Number(position);
    const std::string caption = main.trayMenu.Caption(position);
    if (activate) activate(caption, number);
}

void Button_SaveClick(MainForm& main) {
    Form1& f = main.form;
    AppState& s = main.state;
    if (!f.JvSwitch1.Enabled()) {
        main.Notice("You MUST select a NIC !");
        return;
    }
    const std::string name = f.LE_NewProfile.Text();
    const std::string adapter = f.LE_NIC.Text();
    // Such a name would come back split at the wrong place, and applying it would target a wrong adapter.
    if (!SurvivesSplit(name, adapter)) {
        main.Notice(kBadNameNotice);
        return;
    }

    s.ProfileCount = f.XPBar_Profiles.Count();
    const int selected = s.SelectedProfileIndex + 1;
    const bool overwrite = name == s.LoadedProfileName && selected >= 1 && selected <= s.ProfileCount;
    const bool add = !overwrite && s.ProfileCount < kMaxProfiles && f.Button_ApplyProfile.Enabled();
    if (!overwrite && !add) {
        main.Notice("Max number of profiles = " + std::to_string(kMaxProfiles) + " !");
        UpdateProfileCounter(main);
        return;
    }

    // An address Windows would refuse is refused before anything is stored; a doubtful one is stored and warned of.
    const AddressCheck address = CheckAddressPlan(f.IPA_IP.Text(), f.IPA_SM.Text(), f.IPA_GW.Text(), !s.UseIP);
    if (address.verdict == AddressVerdict::Refused) {
        main.Notice(address.notice);
        return;
    }

    const int target = overwrite ? selected : s.ProfileCount + 1;
    const int count = overwrite ? s.ProfileCount : s.ProfileCount + 1;
    // The count and the profile's keys land in one replacement of the file; the list and the tray menu change
    // only once the file holds the profile.
    SettingsFile settings(main.platform);
    SettingsFile::Edit edit = settings.BeginEdit();
    edit.WriteNumber(kSettingsSection, kProfileCountKey, count);
    WriteNetworkProfile(edit.Document(), target, ProfileFromEditor(main, name));
    edit.Commit();

    s.CurrentProfileName = name;
    if (add) {
        s.SelectedAdapterName = adapter;
        const std::string caption = ComposeProfileName(name, adapter);
        f.XPBar_Profiles.AddItem({caption, caption});
        main.trayMenu.AppendProfile(caption, target, TrayMenu::ProfilePicture(target));
        s.ProfileCount = count;
        // The editor now stands for the profile just saved: Apply acts on it and a second save overwrites it.
        s.SelectedProfileIndex = target - 1;
        s.LoadedProfileName = name;
    }
    if (address.verdict == AddressVerdict::Warning) {
        main.Notice(address.notice);
    } else if (s.ProfileLoaded) {
        main.Notice("Profile was saved !");
    }
    UpdateProfileCounter(main);
}

void Button_DeleteClick(MainForm& main) {
    Form1& f = main.form;
    AppState& s = main.state;
    if (s.SelectedProfileIndex == -1) {
        main.Notice("You MUST select a profile !");
        return;
    }
    const int number = s.SelectedProfileIndex + 1;
    const int position = TrayMenu::ProfilePosition(number);
    SettingsFile settings(main.platform);
    std::vector<std::string> lines = settings.LoadLines();
    if (!RemoveProfileBlock(lines, number)) {
        // A damaged file without that profile's header is left alone, and so are the list and the menu.
        UpdateProfileCounter(main);
        return;
    }
    // Check both views hold the profile before the file changes, so they cannot fall out of step with it.
    f.XPBar_Profiles.Item(number - 1);
    main.trayMenu.At(position);
    settings.SaveLines(lines);

    main.trayMenu.RemoveAt(position);
    f.XPBar_Profiles.RemoveItem(number - 1);
    f.Button_Delete.SetEnabled(false);
    RenumberTrayEntriesFrom(main.trayMenu, position);

    // The applied profile keeps its record: it moved down with its block, or there is none any more.
    const bool appliedDeleted = s.LastAppliedNumber == number;
    s.LastAppliedNumber = AppliedNumberAfterDeletion(s.LastAppliedNumber, number);
    if (appliedDeleted) f.L_ProfileActivated.SetText("");

    // The editor no longer stands for a stored profile: its name and number are cleared and Save is disabled,
    // and no typed name can match the loaded one again, so a later save adds a profile instead of overwriting
    // the one that now holds the deleted number.
    s.LoadedProfileName.clear();
    f.LE_NewProfile.SetText("");
    f.LE_ProfileID.SetText("");
    f.Button_Save.SetEnabled(false);
    UpdateProfileCounter(main);
}

}  // namespace zelta::profiles
