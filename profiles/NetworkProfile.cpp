#include "profiles/NetworkProfile.h"

#include "app/model/AppState.h"

namespace zelta::profiles {

const std::array<ProfileKey, 13> kProfileKeys = {{
    {kProfileNameKey, &NetworkProfile::profileName},
    {"IP", &NetworkProfile::ip},
    {"SM", &NetworkProfile::sm},
    {"GW", &NetworkProfile::gw},
    {"DNS1", &NetworkProfile::dns1},
    {"DNS2", &NetworkProfile::dns2},
    {"proxy_IP", &NetworkProfile::proxyIp},
    {"proxy_port", &NetworkProfile::proxyPort},
    {"use_ip", &NetworkProfile::useIp},
    {"use_dns", &NetworkProfile::useDns},
    {"use_proxy", &NetworkProfile::useProxy},
    {"kill_browsers", &NetworkProfile::killBrowsers},
    {kProfileAppliedKey, &NetworkProfile::profileApplied},
}};

std::string ProfileSection(int number) { return "Profile" + std::to_string(number); }

int ClampProfileCount(long long count) {
    if (count < 0) return 0;
    return count > kMaxProfiles ? kMaxProfiles : static_cast<int>(count);
}

int StoredProfileCount(const SettingsDocument& settings) {
    return ClampProfileCount(settings.ReadNumber(kSettingsSection, kProfileCountKey, 0));
}

NetworkProfile ReadNetworkProfile(const SettingsDocument& settings, int number) {
    NetworkProfile profile;
    const std::string section = ProfileSection(number);
    for (const ProfileKey& key : kProfileKeys) profile.*key.field = settings.ReadText(section, key.key, "");
    return profile;
}

void WriteNetworkProfile(SettingsDocument& settings, int number, const NetworkProfile& profile) {
    const std::string section = ProfileSection(number);
    for (const ProfileKey& key : kProfileKeys) settings.WriteText(section, key.key, profile.*key.field);
}

std::string ComposeProfileName(const std::string& name, const std::string& adapter) {
    return name + " - " + adapter;
}

ProfileNameParts SplitProfileName(const std::string& stored) {
    const auto dash = stored.find("- ");
    if (dash == std::string::npos) return {"", stored.empty() ? "" : stored.substr(1)};
    return {stored.substr(0, dash == 0 ? 0 : dash - 1), stored.substr(dash + 2)};
}

bool SurvivesSplit(const std::string& name, const std::string& adapter) {
    const ProfileNameParts parts = SplitProfileName(ComposeProfileName(name, adapter));
    return parts.name == name && parts.adapter == adapter;
}

void RecordAppliedProfile(SettingsFile& settings, int number, int previousNumber) {
    SettingsFile::Edit edit = settings.BeginEdit();
    MarkAppliedProfile(edit.Document(), number, previousNumber);
    edit.Commit();
}

void MarkAppliedProfile(SettingsDocument& document, int number, int previousNumber) {
    document.WriteNumber(kSettingsSection, kLastAppliedKey, number);
    const int count = StoredProfileCount(document);
    if (previousNumber >= 1 && previousNumber <= count) {
        document.WriteFlag(ProfileSection(previousNumber), kProfileAppliedKey, false);
    }
    if (number >= 1 && number <= count) document.WriteFlag(ProfileSection(number), kProfileAppliedKey, true);
}

}  // namespace zelta::profiles
