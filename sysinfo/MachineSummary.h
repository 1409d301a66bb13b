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

// Whole megabytes of a byte count: two whole divisions by 1024.
std::string MegabytesText(std::uint64_t totalBytes);
// The processor's brand bytes as shown: at most 48 characters, cut at the first NUL, leading blanks kept.
std::string CpuNameFromBrand(const std::string& brandBytes);
// The "ProductName" text of the system's version key (the NT family and the older family keep it in different
// keys); empty when the key or value is missing, is not a text value or cannot be read.
std::string ProductName(platform::Registry& registry, bool ntFamily);
// The product name as the summary shows it: from build 22000 on, a name that says "Windows 10" says "Windows 11".
std::string ShownProductName(const std::string& productName, std::uint32_t build);

std::string ComputerNameLine(const std::string& computerName);
std::string OsLine(const std::string& productName, const std::string& servicePack, int major, int minor,
                   std::uint32_t build);
std::string CpuLine(const std::string& cpuName);
std::string RamLine(std::uint64_t totalBytes);

}  // namespace zelta::sysinfo
