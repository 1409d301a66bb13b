#pragma once
// The bundle of system operations handed to the core. The window shell passes the real ones, tests pass fakes.
#include "platform/CodePages.h"
#include "platform/Environment.h"
#include "platform/FileSystem.h"
#include "platform/InternetSettings.h"
#include "platform/Launcher.h"
#include "platform/Processes.h"
#include "platform/Registry.h"
#include "platform/SystemInfo.h"

namespace zelta::platform {

struct Platform {
    Registry& registry;
    SystemInfo& systemInfo;
    Launcher& launcher;
    FileSystem& files;
    Environment& environment;
    CodePages& codePages;
    Processes& processes;
    InternetSettings& internetSettings;
};

}  // namespace zelta::platform
