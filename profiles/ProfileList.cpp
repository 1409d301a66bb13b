#include "profiles/ProfileList.h"

namespace zelta::profiles {

// The profile store is not built yet: the list starts empty and the editor's buttons do nothing.
void LoadProfileList(MainForm&) {}
void ProfileItemClick(MainForm&, int) {}
void LoadProfile(MainForm&, int) {}
void TrayProfileClick(MainForm&, int, const ActivateProfileFn&) {}
void Button_SaveClick(MainForm&) {}
void Button_DeleteClick(MainForm&) {}

}  // namespace zelta::profiles
