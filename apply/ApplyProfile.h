#pragma once
// Putting one stored profile into effect: the adapter commands in the batch file, the browser proxy when the
// profile allows it, the start of the commands, and then the record of the applied profile.
#include <cstdint>
#include <string>

#include "app/model/MainForm.h"
#include "platform/ProductNames.h"
#include "profiles/NetworkProfile.h"
#include "profiles/SettingsFile.h"

namespace zelta::apply {

inline const char kPermissionRefused[] =
    "The profile was not applied: permission to change the network settings was refused.";

// profile is section "Profile" + number as settings read it at the start of the activation. The batch file and the
// companion live in the program folder, beside the settings file, whatever folder the program was started in.
// The record of the applied profile lands in that same edit, committed as one replacement of the settings file,
// and only once the commands have been started: a profile is never marked as applied when it was not. The
// profile's name and the started batch file's fingerprint are in the state before the start, for the verdict on
// it. Returns then; nothing waits for the commands. Throws the proxy
// switch's, the batch file's, the start's and the settings file's errors.
void ApplyProfile(MainForm& main, int number, const profiles::NetworkProfile& profile,
                  profiles::SettingsFile::Edit& settings);

}  // namespace zelta::apply
