#pragma once
#include <string>

namespace zelta::profiles {

// The settings file lives beside the executable and is named after it: C:\Tools\Zelta.exe uses C:\Tools\Zelta.ini;
// a file name without an extension gets ".ini" appended.
std::string SettingsFilePathFor(const std::string& executablePath);

}  // namespace zelta::profiles
