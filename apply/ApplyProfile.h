#pragma once
// Putting one stored profile into effect: the record of the applied profile, the adapter commands in the batch
// file, the browser proxy when the profile allows it, and the start of the commands.
#include <string>

#include "app/model/MainForm.h"
#include "profiles/NetworkProfile.h"
#include "profiles/SettingsFile.h"

namespace zelta::apply {

inline const char kBatchFileName[] = "execute.bat";
inline const char kCompanionFileName[] = "Quillet.exe";

// profile is section "Profile" + number as settings read it at the start of the activation; the record of the
// applied profile lands in that same edit, committed as one replacement of the settings file. The batch file
// and the companion are named bare, so they belong to the current working folder. Returns once the commands
// have been started; nothing waits for them. Throws the settings file's, the proxy switch's and the batch
// file's errors.
void ApplyProfile(MainForm& main, int number, const profiles::NetworkProfile& profile,
                  profiles::SettingsFile::Edit& settings);

}  // namespace zelta::apply
