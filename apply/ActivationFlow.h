#pragma once
// Switching the adapter to a stored profile, from the Apply button or a tray entry.
#include <string>

#include "app/model/MainForm.h"

namespace zelta::apply {

void ActivateProfile(MainForm& main, const std::string& name, int number);
void Button_ApplyProfileClick(MainForm& main);

}  // namespace zelta::apply
