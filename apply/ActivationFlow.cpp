#include "apply/ActivationFlow.h"

namespace zelta::apply {

// Applying a profile is not built yet: activation does nothing so far.
void ActivateProfile(MainForm&, const std::string&, int) {}

void Button_ApplyProfileClick(MainForm& main) {
    ActivateProfile(main, main.state.CurrentProfileName, main.state.SelectedProfileIndex + 1);
}

}  // namespace zelta::apply
