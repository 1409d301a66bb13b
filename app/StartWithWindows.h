#pragma once
// "Start with Windows": the current user's Run value that has Windows start this very program, hidden to the tray,
// at each logon.
#include <string>

#include "platform/ProductNames.h"
#include "platform/Registry.h"

namespace zelta {

inline const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const char* kRunValueName = kProductTitle;

// The program's full path in double quotes, then " /tray".
std::string RunCommand(const std::string& executablePath);
// True when the Run value starts this program file (letters' case aside, as the file system compares paths).
bool StartsWithWindows(platform::Registry& registry, const std::string& executablePath);
// Writes or removes the Run value; throws "Failed to set data for 'Vok Tarvex'" when the registry refuses.
void SetStartWithWindows(platform::Registry& registry, const std::string& executablePath, bool start);

}  // namespace zelta
