#pragma once
// The four machine-summary lines of the banner and the operating system's version numbers.
#include <cstdint>
#include <string>

#include "app/model/MainForm.h"
#include "platform/Registry.h"

namespace zelta::sysinfo {

// Stores the major and minor version in OSMajorVersion and OSMinorVersion.
void StoreOsVersion(MainForm& main);
// Fills L_PCName, L_OS, L_CPU and L_RAM, in that order.
void FillMachineSummary(MainForm& main);

// The pieces of the summary, kept free of the system so that each text can be checked on its own.

// Whole megabytes of a 32-bit byte count: two whole divisions by 1024, so at most 4095.
std::string MegabytesText(std::uint32_t totalBytes);
// The processor's brand bytes as shown: at most 48 characters, cut at the first NUL, leading blanks kept.
std::string CpuNameFromBrand(const std::string& brandBytes);
// The "ProductName" text of the system's version key (the NT family and the older family keep it in different
// keys); empty when the key or value is missing, is not a text value or cannot be read.
std::string ProductName(platform::Registry& registry, bool ntFamily);

std::string ComputerNameLine(const std::string& computerName);
std::string OsLine(const std::string& productName, const std::string& servicePack, int major, int minor,
                   std::uint32_t build);
std::string CpuLine(const std::string& cpuName);
std::string RamLine(std::uint32_t totalBytes);

}  // namespace zelta::sysinfo
