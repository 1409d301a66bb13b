#pragma once
// The four machine-summary lines of the banner and the operating system's version numbers.
#include "app/model/MainForm.h"

namespace zelta::sysinfo {

// Stores the major and minor version in OSMajorVersion and OSMinorVersion.
void StoreOsVersion(MainForm& main);
// Fills L_PCName, L_OS, L_CPU and L_RAM, in that order.
void FillMachineSummary(MainForm& main);

}  // namespace zelta::sysinfo
