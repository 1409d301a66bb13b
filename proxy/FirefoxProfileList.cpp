#include "proxy/FirefoxProfileList.h"

#include <vector>

#include "app/model/AsciiText.h"

namespace zelta::proxy {

namespace {

bool IsProfileSection(const std::string& name) {
    const std::string prefix = "Profile";
    if (name.size() <= prefix.size() || !StartsWithIgnoringAsciiCase(name, prefix)) return false;
    for (std::size_t i = prefix.size(); i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9') return false;
    }
    return true;
}

std::optional<FirefoxProfile> ProfileOf(const profiles::SettingsDocument& list, const std::string& section) {
    const std::string path = list.ReadText(section, "Path", "");
    if (path.empty()) return std::nullopt;
    return FirefoxProfile{path, list.ReadNumber(section, "IsRelative", 1) != 0};
}

}  // namespace

std::optional<FirefoxProfile> ProfileInUse(const profiles::SettingsDocument& list) {
    const std::vector<std::string> sections = list.SectionNames();
    std::vector<std::string> profileSections;
    for (const std::string& name : sections) {
        if (IsProfileSection(name)) profileSections.push_back(name);
    }
    for (const std::string& name : sections) {
        if (!StartsWithIgnoringAsciiCase(name, "Install")) continue;
        const std::string inUse = list.ReadText(name, "Default", "");
        if (inUse.empty()) continue;
        for (const std::string& profile : profileSections) {
            // Paths on this system are the same in any letter case.
            if (SameIgnoringAsciiCase(list.ReadText(profile, "Path", ""), inUse)) return ProfileOf(list, profile);
        }
    }
    for (const std::string& profile : profileSections) {
        if (list.ReadText(profile, "Default", "") != "1") continue;
        if (auto marked = ProfileOf(list, profile)) return marked;
    }
    return ProfileOf(list, "Profile0");
}

}  // namespace zelta::proxy
