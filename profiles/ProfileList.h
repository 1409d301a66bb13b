#pragma once
// The stored profiles in the "Profiles" bar and the tray menu, and the profile editor's buttons.
#include <functional>
#include <string>

#include "app/model/MainForm.h"

namespace zelta::profiles {

// The label under the profiles names the applied one after this, at start-up and after each activation.
inline const char kActivatedLabelPrefix[] = "Profile Activated: ";

void LoadProfileList(MainForm& main);
void ProfileItemClick(MainForm& main, int index);
void LoadProfile(MainForm& main, int number);
// The activation flow, handed the profile's caption and number.
using ActivateProfileFn = std::function<void(const std::string& name, int number)>;
// A click on the tray menu's profile entry at position.
void TrayProfileClick(MainForm& main, int position, const ActivateProfileFn& activate);
void Button_SaveClick(MainForm& main);
void Button_DeleteClick(MainForm& main);

}  // namespace zelta::profiles
