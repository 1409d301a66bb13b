#pragma once
// The machine-summary queries answered by the running system.
#include "platform/SystemInfo.h"

namespace zelta::platform {

class Win32SystemInfo : public SystemInfo {
public:
    std::optional<std::string> ComputerName() override;
    std::optional<OsVersionInfo> OsVersion() override;
    std::string CpuBrandBytes() override;
    std::uint64_t TotalPhysicalMemory() override;
};

}  // namespace zelta::platform
