#include "proxy/FirefoxProfileList.h"

#include <vector>

namespace zelta::proxy {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    }
    return true;
}

bool StartsWithIgnoringCase(const std::string& text, const std::string& start) {
    return text.size() >= start.size() && SameIgnoringCase(text.substr(0, start.size()), start);
}

std::string Trim(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

// The section names in the order of the file, read from the header lines as the settings reader reads them.
std::vector<std::string> SectionNames(const profiles::SettingsDocument& list) {
    std::vector<std::string> names;
    for (const std::string& line : list.Lines()) {
        const std::string trimmed = Trim(line);
        const auto close = trimmed.rfind(']');
        if (trimmed.empty() || trimmed[0] != '[' || close == std::string::npos) continue;
        names.push_back(Trim(trimmed.substr(1, close - 1)));
    }
    return names;
}

bool IsProfileSection(const std::string& name) {
    const std::string prefix = "Profile";
    if (name.size() <= prefix.size() || !StartsWithIgnoringCase(name, prefix)) return false;
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
    const std::vector<std::string> sections = SectionNames(list);
    std::vector<std::string> profileSections;
    for (const std::string& name : sections) {
        if (IsProfileSection(name)) profileSections.push_back(name);
    }
    for (const std::string& name : sections) {
        if (!StartsWithIgnoringCase(name, "Install")) continue;
        const std::string inUse = list.ReadText(name, "Default", "");
        if (inUse.empty()) continue;
        for (const std::string& profile : profileSections) {
            // Paths on this system are the same in any letter case.
            if (SameIgnoringCase(list.ReadText(profile, "Path", ""), inUse)) return ProfileOf(list, profile);
        }
    }
    for (const std::string& profile : profileSections) {
        if (list.ReadText(profile, "Default", "") != "1") continue;
        if (auto marked = ProfileOf(list, profile)) return marked;
    }
    return ProfileOf(list, "Profile0");
}

}  // namespace zelta::proxy
