#pragma once
// Switching the adapter to a stored profile, from the Apply button or a tray entry.
#include <string>

#include "app/model/MainForm.h"

namespace zelta::apply {

inline const char kActivatedSuffix[] = " is activated !";
inline const char kAdapterMissingNoticeStart[] = "The adapter \"";
inline const char kAdapterMissingNoticeEnd[] = "\" is not on this machine: the profile was not applied !";
inline const char kNoSuchProfileNotice[] = "There is no stored profile to apply: save or choose one first !";

// Opens the ping console, applies profile number and records it as the active one in the window, the tray menu
// and a notice. name is how the window names the profile; it is shown, never parsed.
void ActivateProfile(MainForm& main, const std::string& name, int number);
void Button_ApplyProfileClick(MainForm& main);

}  // namespace zelta::apply
