#pragma once
// The application state of the main window: one record for the whole run, shared by all handlers.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/ProductNames.h"

namespace zelta {

constexpr int kMaxProfiles = 20;
constexpr unsigned kNoticeTimeMs = 5000;

struct AppState {
    std::string ProgramDir;  // the executable's folder, trailing separator included
    bool UseIP = false;
    bool UseDNS = false;
    bool UseProxy = false;
    bool KillBrowsers = false;
    std::string CurrentProfileName;
    bool ActivatedFlag = false;
    int ActivatingNumber = 0;
    int LastAppliedNumber = 0;
    int ProfileCount = 0;
    std::string SelectedAdapterName;
    std::vector<std::string> AdapterKeyNames;
    std::string LoadedProfileName;
    int SelectedProfileIndex = 0;
    bool ProfileLoaded = false;
    int OSMajorVersion = 0;
    int OSMinorVersion = 0;
    // The last activation whose commands were started, for the verdict the companion sends about it; set before the
    // companion starts, since its verdict may come in while the start is still being answered.
    std::string ActivatedProfileName;
    std::uint32_t ActivatedBatchFingerprint = 0;
    bool ActivatedVerdictShown = false;  // the verdict on it came: the activation's own notice must not cover it
    // What the tray icon tells when the pointer rests on it.
    std::string TrayTip = kProductTitle;
};

}  // namespace zelta
