#pragma once
// Reading and writing a stored profile (its fields are in ProfileFields.h), and the sections and keys of the
// settings file that every part of the program shares.
#include <string>

#include "profiles/ProfileFields.h"
#include "profiles/SettingsDocument.h"
#include "profiles/SettingsFile.h"

namespace zelta::profiles {

inline const char kSettingsSection[] = "Zelta Settings";
inline const char kProfileCountKey[] = "#_profiles";
inline const char kLastAppliedKey[] = "last_pai";

// "Profile" followed by the number.
std::string ProfileSection(int number);

// A profile number runs from 1 to 20: a hand-edited count is read as at most 20, and a negative one as none.
int ClampProfileCount(long long count);
// "#_profiles" of the settings section, default 0, clamped.
int StoredProfileCount(const SettingsDocument& settings);

// Every missing key reads as empty text.
NetworkProfile ReadNetworkProfile(const SettingsDocument& settings, int number);
// Writes every field's key in file order.
void WriteNetworkProfile(SettingsDocument& settings, int number, const NetworkProfile& profile);

// Only exactly "dhcp" means DHCP; every other text, the empty one included, means user-given.
inline bool IsDhcp(const std::string& useValue) { return useValue == "dhcp"; }
inline std::string UseValue(bool user) { return user ? "user" : "dhcp"; }

struct ProfileNameParts {
    std::string name;
    std::string adapter;
};
std::string ComposeProfileName(const std::string& name, const std::string& adapter);
// Split at the first "- ": the adapter follows it, the name is what stands before its " - " (the character before
// the hyphen is dropped). Without "- " the name is empty and the adapter is everything but the first character.
ProfileNameParts SplitProfileName(const std::string& stored);
// True when name and adapter come back unchanged from the stored text; a name holding "- " or ending in "-"
// would be split at the wrong place.
bool SurvivesSplit(const std::string& name, const std::string& adapter);

// Records profile number as the one applied last, in one replacement of the file: "last_pai" = number, the
// previous profile's mark cleared when previousNumber names a stored profile, then the new profile's mark set.
// Marks go only into profiles the file holds, so no section is created that names no profile.
void RecordAppliedProfile(SettingsFile& settings, int number, int previousNumber);
// The same three writes into a document that an edit holds, for callers that read the file already.
void MarkAppliedProfile(SettingsDocument& settings, int number, int previousNumber);

}  // namespace zelta::profiles
