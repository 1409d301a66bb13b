#include "platform/win32/SystemInfo_win32.h"

#include <windows.h>

#include <cstring>

#if defined(_M_IX86) || defined(_M_X64) || defined(__i386__) || defined(__x86_64__)
#include <intrin.h>
#define ZELTA_HAS_CPUID 1
#endif

namespace zelta::platform {

namespace {

std::string TextUpToNul(const char* text, std::size_t capacity) {
    const void* nul = std::memchr(text, '\0', capacity);
    return std::string(text, nul ? static_cast<const char*>(nul) - text : capacity);
}

}  // namespace

std::optional<std::string> Win32SystemInfo::ComputerName() {
    char name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof(name);
    if (!GetComputerNameA(name, &size)) return std::nullopt;
    return TextUpToNul(name, size < sizeof(name) ? size : sizeof(name));
}

std::optional<OsVersionInfo> Win32SystemInfo::OsVersion() {
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof(info);
    // The old version query is what the summary reports (the system answers it as the manifest declares);
    // it is deprecated in newer SDKs, which is fine here.
#if defined(_MSC_VER)
#pragma warning(push)
#pragma warning(disable : 4996)
#elif defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#endif
    const BOOL ok = GetVersionExA(&info);
#if defined(_MSC_VER)
#pragma warning(pop)
#elif defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
    if (!ok) return std::nullopt;
    OsVersionInfo version;
    version.major = info.dwMajorVersion;
    version.minor = info.dwMinorVersion;
    version.build = info.dwBuildNumber;
    version.ntFamily = info.dwPlatformId == VER_PLATFORM_WIN32_NT;
    version.servicePack = TextUpToNul(info.szCSDVersion, sizeof(info.szCSDVersion));
    return version;
}

std::string Win32SystemInfo::CpuBrandBytes() {
#if defined(ZELTA_HAS_CPUID)
    int registers[4] = {};
    __cpuid(registers, static_cast<int>(0x80000000u));
    if (static_cast<unsigned>(registers[0]) < 0x80000004u) return {};
    char brand[48] = {};
    for (unsigned leaf = 0; leaf < 3; ++leaf) {
        __cpuid(registers, static_cast<int>(0x80000002u + leaf));
        std::memcpy(brand + leaf * sizeof(registers), registers, sizeof(registers));
    }
    return std::string(brand, sizeof(brand));
#else
    return {};
#endif
}

std::uint64_t Win32SystemInfo::TotalPhysicalMemory() {
    // The extended status counts in 64 bits; the older call's 32-bit count stops at 4 GB.
    MEMORYSTATUSEX status = {};
    status.dwLength = sizeof(status);
    return GlobalMemoryStatusEx(&status) ? status.ullTotalPhys : 0;
}

}  // namespace zelta::platform
