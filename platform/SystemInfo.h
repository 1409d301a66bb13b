#pragma once
// What the machine summary asks of the system.
#include <cstdint>
#include <optional>
#include <string>

namespace zelta::platform {

struct OsVersionInfo {
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t build = 0;
    bool ntFamily = true;
    std::string servicePack;  // the service-pack text, cut at its first NUL
};

class SystemInfo {
public:
    virtual ~SystemInfo() = default;
    // The computer name (at most 15 characters); nullopt when the call fails.
    virtual std::optional<std::string> ComputerName() = 0;
    // nullopt when the version query fails.
    virtual std::optional<OsVersionInfo> OsVersion() = 0;
    // The processor's 48-byte brand string as CPUID reports it (may contain NULs and blanks).
    virtual std::string CpuBrandBytes() = 0;
    // Total physical memory in bytes, the whole of it however large.
    virtual std::uint64_t TotalPhysicalMemory() = 0;
};

}  // namespace zelta::platform
