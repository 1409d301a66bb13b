// The keyboard and the eye: where the focus goes, the window's Alt+letters, the bars' text contrast.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "app/BarPalette.h"
#include "app/model/AccessKeys.h"
#include "app/model/FocusOrder.h"

namespace zelta {
namespace {

FocusStop At(int id) { return {id, false}; }
FocusStop Entries(int bar) { return {bar, true}; }

TEST(Focus, FollowsTheRule) {
    struct Case {
        const char* what;
        std::function<void(Form1&)> prepare;
        std::function<FocusStop(const Form1&)> rule;
        FocusStop expected;
    };
    const auto start = [](const Form1& f) { return StartFocus(f); };
    const auto after = [](FocusStop from) { return [from](const Form1& f) { return NextFocus(f, from); }; };
    const auto restored = [](FocusStop saved) { return [saved](const Form1& f) { return RestoredFocus(f, saved); }; };
    const auto adapters = [](Form1& f) { f.XPBar_NICs.AddItem({"LAN", "LAN"}); };
    const std::vector<Case> cases = {
        {"start, with adapters", adapters, start, Entries(kId_XPBar_NICs)},
        {"start, without adapters", [](Form1&) {}, start, At(kId_XPBar_NICs)},
        {"Apply disables itself", [](Form1& f) { f.Button_ApplyProfile.SetEnabled(false); },
         after(At(kId_Button_ApplyProfile)), At(kId_Button_IPconfig)},
        {"Delete disables itself, Apply enabled", [](Form1& f) { f.Button_Delete.SetEnabled(false); },
         after(At(kId_Button_Delete)), At(kId_Button_ApplyProfile)},
        {"Delete disables itself after an activation",
         [](Form1& f) {
             f.Button_ApplyProfile.SetEnabled(false);
             f.Button_Delete.SetEnabled(false);
         },
         after(At(kId_Button_Delete)), At(kId_Button_IPconfig)},
        {"Save disables itself, Delete enabled", [](Form1& f) { f.Button_Delete.SetEnabled(true); },
         after(At(kId_Button_Save)), At(kId_Button_Delete)},
        {"the last tool button goes round to the first bar", [](Form1&) {}, after(At(kId_XiButton4)),
         At(kId_XPBar_NICs)},
        {"a folded bar's entries are passed over", [](Form1&) {}, after(At(kId_XPBar_Contact)), At(kId_LE_NewProfile)},
        {"a bar without entries is passed over", [](Form1&) {}, after(At(kId_XPBar_Profiles)), At(kId_XPBar_Contact)},
        {"the unfolded contact bar's entries follow its header", [](Form1& f) { f.XPBar_Contact.SetExpanded(true); },
         after(At(kId_XPBar_Contact)), Entries(kId_XPBar_Contact)},
        {"the read-only fields keep their stops", [](Form1&) {}, after(At(kId_LE_ProfileID)), At(kId_LE_NIC)},
        {"restored where it was", [](Form1&) {}, restored(At(kId_IPA_DNS1)), At(kId_IPA_DNS1)},
        {"restored past a group disabled meanwhile", [](Form1& f) { f.IPA_Proxy.SetEnabled(false); },
         restored(At(kId_IPA_Proxy)), At(kId_LE_Port)},
        {"restored past Apply disabled meanwhile", [](Form1& f) { f.Button_ApplyProfile.SetEnabled(false); },
         restored(At(kId_Button_ApplyProfile)), At(kId_Button_IPconfig)},
        {"restored to an adapter entry", adapters, restored(Entries(kId_XPBar_NICs)), Entries(kId_XPBar_NICs)},
        {"restored with nothing saved", adapters, restored({}), Entries(kId_XPBar_NICs)},
    };
    for (const Case& c : cases) {
        Form1 form;
        c.prepare(form);
        const FocusStop got = c.rule(form);
        EXPECT_EQ(got.id, c.expected.id) << c.what;
        EXPECT_EQ(got.barEntries, c.expected.barEntries) << c.what;
    }
}

TEST(Focus, TabOrderHoldsEveryControlTheKeyboardReaches) {
    const Form1 form;
    std::map<int, int> stops;
    for (const FocusStop& stop : TabOrder()) ++stops[stop.id];
    for (const Control* control : form.All()) {
        const ControlKind kind = control->Kind();
        const bool reachable =
            control->Visible() && (kind == ControlKind::Button || kind == ControlKind::CheckBox ||
                                   kind == ControlKind::LabelledEdit || kind == ControlKind::IpAddress);
        const int expected = kind == ControlKind::ItemBar ? 2 : (reachable ? 1 : 0);
        EXPECT_EQ(stops[control->Id()], expected) << control->Name();
    }
}

TEST(AccessKeys, EveryFieldCheckBoxAndButtonHasOneOfItsOwn) {
    const Form1 form;
    std::map<char, std::string> owners;
    const auto& all = form.All();
    for (std::size_t at = 0; at < all.size(); ++at) {
        const Control& control = *all[at];
        std::string caption = control.Text();
        bool needsKey =
            control.Visible() && (control.Kind() == ControlKind::Button || control.Kind() == ControlKind::CheckBox);
        if (control.Kind() == ControlKind::LabelledEdit) {
            caption = Form1::EditLabel(control);
            needsKey = true;
        }
        // A label names the address field that follows it.
        if (control.Kind() == ControlKind::Label && at + 1 < all.size() &&
            all[at + 1]->Kind() == ControlKind::IpAddress) {
            needsKey = true;
        }
        const char key = AccessKey(caption);
        if (needsKey) EXPECT_NE(key, 0) << control.Name() << " \"" << caption << "\"";
        if (key == 0) continue;
        const auto [owner, added] = owners.emplace(key, control.Name());
        EXPECT_TRUE(added) << "Alt+" << key << " of " << control.Name() << " is also " << owner->second << "'s";
    }
    EXPECT_EQ(AccessKey("R&&D"), 0);
    EXPECT_EQ(AccessKey("R&&D &net"), 'N');
    EXPECT_EQ(ReadableCaption("I&P Address:"), "IP Address");
    EXPECT_EQ(ReadableCaption("R&&D"), "R&D");
}

TEST(BarColours, EveryTextStandsOutByAtLeastFourAndAHalfToOne) {
    EXPECT_NEAR(ContrastRatio({255, 255, 255}, {0, 0, 0}), 21.0, 1e-9);
    // The gradient the bars had: white on its light end is too faint.
    EXPECT_LT(ContrastRatio({255, 255, 255}, {112, 160, 240}), 3.0);
    for (const TextOnBackground& pair : BarTexts(BarPalette{})) {
        EXPECT_GE(ContrastRatio(pair.text, pair.background), 4.5) << pair.what;
    }
}

}  // namespace
}  // namespace zelta
