#include "app/model/Form1.h"

#include <string>

#include "app/model/AppState.h"

namespace zelta {

Form1::Form1() {
    all_ = {&Caption,
#define ZELTA_CONTROL(name, ...) &name,
#define ZELTA_EDIT_LABEL(...)
#include "app/model/FormControls.def"
#undef ZELTA_CONTROL
#undef ZELTA_EDIT_LABEL
    };

    LE_Port.maxLength = 5;
    StatusBar1.SetPanelText(0, "Max Profiles: " + std::to_string(kMaxProfiles));
    StatusBar1.SetPanelText(1, kMakerNotice);
    XPBar_Contact.AddItem({kMakerEmailAddress, kMakerEmailAddress});
    XPBar_Contact.AddItem({kMakerWebAddress, "Visit Vok CORP. ONLINE"});
}

const char* Form1::EditLabel(const Control& edit) {
    // The table has each labelled edit's caption label right before it.
    for (std::size_t at = 1; at < kFormControlCount; ++at) {
        if (kFormControls[at].id == edit.Id() && kFormControls[at - 1].style == FormStyle::EditLabel) {
            return kFormControls[at - 1].caption;
        }
    }
    return "";
}

Control* Form1::Find(int id) const {
    for (Control* control : all_) {
        if (control->Id() == id) return control;
    }
    return nullptr;
}

}  // namespace zelta
