#pragma once
// What may go into a command line. The program runs elevated and the settings file is plain text beside it, so
// a hand-edited value must not smuggle a second command into the batch file.
#include "platform/CodePages.h"
#include "profiles/NetworkProfile.h"

namespace zelta::apply {

// Throws a ZeltaError naming the profile and the offending key unless every address that the commands use is a
// dotted quad or empty, and the adapter name is non-empty, free of double quotes and control characters, does not
// end in a backslash, and has an exact counterpart in the console code page; and, when the profile both uses a
// proxy and may close the browsers, unless its proxy is a dotted quad with a port 1..65535.
void CheckCommandInputs(const profiles::NetworkProfile& profile, int number, platform::CodePages& codePages);

}  // namespace zelta::apply
