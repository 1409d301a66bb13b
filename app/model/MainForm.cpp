#include "app/model/MainForm.h"

namespace zelta {

void SetGroupEnabled(MainForm& main, profiles::FieldGroup group, bool enabled) {
    const Form1& f = main.form;
    f.Find(profiles::GroupBox(group))->SetEnabled(enabled);
    for (const profiles::ProfileField& field : profiles::kProfileFields) {
        if (!profiles::EnabledWithGroup(field, group)) continue;
        f.Find(field.control)->SetEnabled(enabled);
        if (field.label != profiles::kNoControl) f.Find(field.label)->SetEnabled(enabled);
    }
}

void SetIPGroupEnabled(MainForm& main, bool enabled) {
    SetGroupEnabled(main, profiles::FieldGroup::Address, enabled);
    // A user-given address always starts with user-given DNS servers.
    if (enabled) main.form.CB_UseDNS.SetChecked(true);
}

void UpdateProfileCounter(MainForm& main) {
    main.form.StatusBar1.SetPanelText(0, "Used / Max Profiles: " + std::to_string(main.form.XPBar_Profiles.Count()) +
                                             " / " + std::to_string(kMaxProfiles));
}

}  // namespace zelta
