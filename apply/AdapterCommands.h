#pragma once
// The adapter commands of one profile: the network shell's lines for the address and the DNS servers, in the
// form the running Windows version understands. A pure function of the profile and the version.
#include <string>
#include <vector>

#include "profiles/NetworkProfile.h"

namespace zelta::apply {

// Values are inserted as they stand (an empty one leaves its keyword bare); only the adapter name is quoted. A second
// DNS server left empty gives no line; from Windows 7 on, the static DNS lines ask netsh not to contact the server.
std::vector<std::string> BuildAdapterCommands(const profiles::NetworkProfile& profile, int osMajorVersion,
                                              int osMinorVersion);

// The batch file's bytes before the code-page conversion: every line followed by CR LF and nothing else. The
// command interpreter expands "%" even inside quotes, so each one is doubled to reach the command as written.
std::string ComposeBatchText(const std::vector<std::string>& lines);

}  // namespace zelta::apply
