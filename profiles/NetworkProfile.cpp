#include "profiles/NetworkProfile.h"

#include "app/model/AppState.h"

namespace zelta::profiles {

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
    for (const ProfileField& field : kProfileFields) {
        FieldValue(profile, field) = settings.ReadText(section, field.key, "");
    }
    return profile;
}

void WriteNetworkProfile(SettingsDocument& settings, int number, const NetworkProfile& profile) {
    const std::string section = ProfileSection(number);
    for (const ProfileField& field : kProfileFields) settings.WriteText(section, field.key, FieldValue(profile, field));
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
