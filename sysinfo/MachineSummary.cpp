#include "sysinfo/MachineSummary.h"

#include <optional>

namespace zelta::sysinfo {

namespace {

constexpr std::size_t kCpuBrandLength = 48;
constexpr std::size_t kComputerNameLength = 15;
constexpr char kNtVersionKey[] = "Software\\Microsoft\\Windows NT\\CurrentVersion";
constexpr char kOlderVersionKey[] = "Software\\Microsoft\\Windows\\CurrentVersion";
// Windows 11 still calls itself Windows 10 in its registry; its builds start here.
constexpr std::uint32_t kFirstWindows11Build = 22000;
constexpr char kWindows10[] = "Windows 10";
constexpr char kWindows11[] = "Windows 11";

std::string CutAtNul(const std::string& text, std::size_t maxLength = std::string::npos) {
    const std::string limited = text.substr(0, maxLength);
    return limited.substr(0, limited.find('\0'));
}

// The older family reports the build number with the version in its high word.
std::uint32_t BuildNumber(const platform::OsVersionInfo& version) {
    return version.ntFamily ? version.build : (version.build & 0xFFFFu);
}

}  // namespace

std::string MegabytesText(std::uint64_t totalBytes) { return std::to_string(totalBytes / 1024u / 1024u); }

std::string CpuNameFromBrand(const std::string& brandBytes) { return CutAtNul(brandBytes, kCpuBrandLength); }

std::string ProductName(platform::Registry& registry, bool ntFamily) {
    const auto key = registry.OpenKey(platform::RegistryRoot::LocalMachine, ntFamily ? kNtVersionKey : kOlderVersionKey,
                                      platform::RegistryAccess::Read);
    if (!key) return {};
    const auto value = key->QueryValue("ProductName");
    if (!value || (value->type != platform::kRegSz && value->type != platform::kRegExpandSz)) return {};
    return CutAtNul(value->data);
}

std::string ShownProductName(const std::string& productName, std::uint32_t build) {
    if (build < kFirstWindows11Build) return productName;
    const std::size_t length = sizeof(kWindows10) - 1;
    for (std::size_t at = productName.find(kWindows10); at != std::string::npos;
         at = productName.find(kWindows10, at + 1)) {
        // "Windows 100" would be another name.
        const std::size_t after = at + length;
        if (after < productName.size() && productName[after] >= '0' && productName[after] <= '9') continue;
        return productName.substr(0, at) + kWindows11 + productName.substr(after);
    }
    return productName;
}

std::string ComputerNameLine(const std::string& computerName) { return "Computer Name: " + computerName; }

std::string OsLine(const std::string& productName, const std::string& servicePack, int major, int minor,
                   std::uint32_t build) {
    return "OS: " + productName + " " + servicePack + " (" + std::to_string(major) + "." + std::to_string(minor) + "." +
           std::to_string(build) + ")";
}

std::string CpuLine(const std::string& cpuName) { return "CPU: " + cpuName; }

std::string RamLine(std::uint64_t totalBytes) { return "Total RAM: " + MegabytesText(totalBytes) + " MB"; }

void StoreOsVersion(MainForm& main) {
    const auto version = main.platform.systemInfo.OsVersion();
    main.state.OSMajorVersion = version ? static_cast<int>(version->major) : 0;
    main.state.OSMinorVersion = version ? static_cast<int>(version->minor) : 0;
}

void FillMachineSummary(MainForm& main) {
    platform::SystemInfo& system = main.platform.systemInfo;
    Form1& f = main.form;

    const auto computerName = system.ComputerName();
    f.L_PCName.SetText(ComputerNameLine(computerName ? CutAtNul(*computerName, kComputerNameLength) : ""));

    // A failed version query leaves no service pack and build 0; the product name is then looked up where the
    // NT family keeps it, the only family the program still meets.
    const auto version = system.OsVersion();
    const bool ntFamily = version ? version->ntFamily : true;
    const std::string servicePack = version ? CutAtNul(version->servicePack) : "";
    const std::uint32_t build = version ? BuildNumber(*version) : 0;
    f.L_OS.SetText(OsLine(ShownProductName(ProductName(main.platform.registry, ntFamily), build), servicePack,
                          main.state.OSMajorVersion, main.state.OSMinorVersion, build));

    f.L_CPU.SetText(CpuLine(CpuNameFromBrand(system.CpuBrandBytes())));
    f.L_RAM.SetText(RamLine(system.TotalPhysicalMemory()));
}

}  // namespace zelta::sysinfo
