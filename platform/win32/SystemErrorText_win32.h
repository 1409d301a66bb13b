#pragma once
// The system's own text for an error code, as error messages quote it.
#include <windows.h>

#include <string>

namespace zelta::platform {

// Without its trailing line break and full stop; "System error N" when the system has no text for it.
std::string SystemErrorText(DWORD code);

}  // namespace zelta::platform
