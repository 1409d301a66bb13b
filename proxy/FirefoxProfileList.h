#pragma once
// Which profile of Firefox's profile list ("profiles.ini") is the one in use.
#include <optional>
#include <string>

#include "profiles/SettingsDocument.h"

namespace zelta::proxy {

struct FirefoxProfile {
    std::string path;  // the "Path" text as the list holds it
    bool isRelative = true;
};

// The profile Firefox starts with. A list written by a Firefox of 2019 or later names it in an install section
// ("[Install<hash>]", one per installed copy of Firefox) by its "Path" text in "Default"; the first install section
// that names a profile of the list wins. Without one, the first "[ProfileN]" marked "Default=1", then
// "[Profile0]": lists of older versions carry no install section, and a newer list keeps the old profile marked
// as the default although nobody uses it. nullopt when the chosen section names no path.
std::optional<FirefoxProfile> ProfileInUse(const profiles::SettingsDocument& list);

}  // namespace zelta::proxy
