#include "profiles/SettingsPath.h"

namespace zelta::profiles {

std::string SettingsFilePathFor(const std::string& executablePath) {
    const auto nameStart = executablePath.find_last_of("\\/:");
    const auto dot = executablePath.rfind('.');
    const bool hasExtension = dot != std::string::npos && (nameStart == std::string::npos || dot > nameStart);
    return (hasExtension ? executablePath.substr(0, dot) : executablePath) + ".ini";
}

}  // namespace zelta::profiles
