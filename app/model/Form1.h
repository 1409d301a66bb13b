#pragma once
// Every control of the main window with its caption, hint and state at creation. Captions mark their Alt+letter
// with "&" (see AccessKeys.h).
#include <vector>

#include "app/model/Control.h"
#include "app/model/ControlIds.h"
#include "app/model/FormControls.h"
#include "platform/ProductNames.h"

namespace zelta {

// The maker's addresses live under a reserved example domain, which no resolver answers.
inline const char kMakerWebAddress[] = "http://www.vokcorp.example/";
inline const char kMakerEmailAddress[] = "contact@vokcorp.example";
inline const char kMakerNotice[] = ZELTA_PRODUCT_NAME " - freeware by " ZELTA_COMPANY_NAME;

class Form1 {
public:
    Form1();
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // The window caption; the caption animation and the activation write it.
    Control Caption{kId_Form1, "Form1", ControlKind::Form, kProductTitleCaption};

    // One member for each row of FormControls.def, of the model type its kind calls for.
#define ZELTA_CONTROL(name, id, kind, ...) \
    FormModelOf<ControlKind::kind>::type name{ZELTA_FORM_ROW(name, id, kind, __VA_ARGS__)};
#define ZELTA_EDIT_LABEL(...)
#include "app/model/FormControls.def"
#undef ZELTA_CONTROL
#undef ZELTA_EDIT_LABEL

    // The caption label shown to the left of a labelled edit.
    static const char* EditLabel(const Control& edit);

    // Every control, the form's caption first, in creation order.
    const std::vector<Control*>& All() const { return all_; }
    Control* Find(int id) const;

private:
    static constexpr const char* kProductTitleCaption = kProductTitle;
    std::vector<Control*> all_;
};

}  // namespace zelta
