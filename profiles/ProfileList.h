#pragma once
// The stored profiles in the "Profiles" bar and the tray menu, and the profile editor's buttons.
#include "app/model/MainForm.h"

namespace zelta::profiles {

void LoadProfileList(MainForm& main);
void ProfileItemClick(MainForm& main, int index);
void LoadProfile(MainForm& main, int number);
// A click on the tray menu's profile entry at position.
void TrayProfileClick(MainForm& main, int position);
void Button_SaveClick(MainForm& main);
void Button_DeleteClick(MainForm& main);

}  // namespace zelta::profiles
