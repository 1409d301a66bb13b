// The keyboard and the eye: where the focus goes, the window's Alt+letters, the bars' text contrast.
#include <gtest/gtest.h>

#include <map>

#include "app/BarPalette.h"
#include "app/model/AccessKeys.h"
#include "app/model/FormControls.h"
#include "app/model/FocusOrder.h"

namespace zelta {
namespace {

TEST(Focus, FollowsTheRule) {
    struct Case {
        const char* what;
        std::vector<int> disabled;  // controls disabled before the rule is asked
        bool adapters;              // "Network Interfaces" has an entry
        bool restore;               // the window activated again (at start: with nothing saved); else `from` disabled
        FocusStop from;
        FocusStop expected;
    };
    const FocusStop nics{kId_XPBar_NICs, true};
    const int apply = kId_Button_ApplyProfile;
    const std::vector<Case> cases = {
        {"start, with adapters", {}, true, true, {}, nics},
        {"start, without adapters", {}, false, true, {}, {kId_XPBar_NICs}},
        {"Apply disables itself", {apply}, false, false, {apply}, {kId_Button_IPconfig}},
        {"Delete disables itself", {kId_Button_Delete}, false, false, {kId_Button_Delete}, {apply}},
        {"Save disables itself", {kId_Button_Save}, false, false, {kId_Button_Save}, {kId_Button_Delete}},
        {"round from the last tool button", {}, false, false, {kId_XiButton4}, {kId_XPBar_NICs}},
        {"folded contact bar, empty profiles", {}, false, false, {kId_XPBar_Profiles}, {kId_XPBar_Contact}},
        {"past the folded contact bar", {}, false, false, {kId_XPBar_Contact}, {kId_LE_NewProfile}},
        {"restored where it was", {}, false, true, {kId_IPA_DNS1}, {kId_IPA_DNS1}},
        {"restored past a field disabled meanwhile", {kId_IPA_Proxy}, false, true, {kId_IPA_Proxy}, {kId_LE_Port}},
    };
    for (const Case& c : cases) {
        Form1 form;
        form.Button_Delete.SetEnabled(true);
        form.Button_Save.SetEnabled(true);
        for (int id : c.disabled) form.Find(id)->SetEnabled(false);
        if (c.adapters) form.XPBar_NICs.AddItem({"LAN", "LAN"});
        const FocusStop got = c.restore ? RestoredFocus(form, c.from) : NextFocus(form, c.from);
        EXPECT_TRUE(got == c.expected) << c.what << ": " << got.id << (got.barEntries ? " entries" : "");
    }
}

TEST(AccessKeys, EveryFieldCheckBoxAndButtonHasOneOfItsOwn) {
    const Form1 form;
    std::map<char, std::string> owners;
    const auto& all = form.All();
    for (std::size_t at = 0; at < all.size(); ++at) {
        const Control& c = *all[at];
        const bool edit = c.Kind() == ControlKind::LabelledEdit;
        const std::string caption = edit ? Form1::EditLabel(c) : c.Text();
        // A label names the address field that follows it.
        const bool needsKey =
            edit || (c.Visible() && (c.Kind() == ControlKind::Button || c.Kind() == ControlKind::CheckBox)) ||
            (c.Kind() == ControlKind::Label && at + 1 < all.size() && all[at + 1]->Kind() == ControlKind::IpAddress);
        const char key = AccessKey(caption);
        EXPECT_TRUE(key != 0 || !needsKey) << c.Name();
        EXPECT_TRUE(key == 0 || owners.emplace(key, c.Name()).second) << c.Name() << " repeats Alt+" << key;
    }
    EXPECT_EQ(AccessKey("R&&D &net"), 'N');
    EXPECT_EQ(ReadableCaption("R&&D I&P:"), "R&D IP");
}

// The table's neighbours name each other: an address field's label stands before it, a group's check box after it.
TEST(FormTable, LabelsAndCheckBoxesStandBesideWhatTheyName) {
    for (std::size_t at = 0; at < kFormControlCount; ++at) {
        const FormControlRow& row = kFormControls[at];
        const FormControlRow* before = at > 0 ? &kFormControls[at - 1] : nullptr;
        const FormControlRow* after = at + 1 < kFormControlCount ? &kFormControls[at + 1] : nullptr;
        const bool labelled = before && before->style == FormStyle::AddressLabel;
        EXPECT_EQ(row.kind == ControlKind::IpAddress, labelled) << row.name;
        EXPECT_TRUE(row.style != FormStyle::EditLabel || (after && after->kind == ControlKind::LabelledEdit));
        EXPECT_TRUE(row.kind != ControlKind::GroupBox || (after && after->kind == ControlKind::CheckBox)) << row.name;
    }
}

TEST(BarColours, EveryTextStandsOutByAtLeastFourAndAHalfToOne) {
    EXPECT_NEAR(ContrastRatio({255, 255, 255}, {0, 0, 0}), 21.0, 1e-9);
    EXPECT_LT(ContrastRatio({255, 255, 255}, {112, 160, 240}), 3.0);  // the gradient's light end as it was
    for (const auto& pair : BarTexts(BarPalette{}))
        EXPECT_GE(ContrastRatio(pair.text, pair.background), 4.5) << pair.what;
}

}  // namespace
}  // namespace zelta
