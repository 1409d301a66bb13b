#include "platform/win32/Environment_win32.h"

#include <windows.h>

#include <vector>

#include "platform/win32/SystemFolder_win32.h"

namespace zelta::platform {

namespace {
// Long paths top out at about 32767 characters; past that something is wrong and the path is given up.
constexpr DWORD kLongestPath = 65536;
}  // namespace

std::string Win32Environment::ExecutablePath() {
    for (DWORD capacity = MAX_PATH; capacity <= kLongestPath; capacity *= 2) {
        std::vector<char> buffer(capacity);
        const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), capacity);
        if (length == 0) return {};
        // A full buffer means the path was cut short: try again with more room.
        if (length < capacity) return std::string(buffer.data(), length);
    }
    return {};
}

std::string Win32Environment::SystemFolder() { return platform::SystemFolder(); }

std::string Win32Environment::Variable(const std::string& name) {
    DWORD needed = GetEnvironmentVariableA(name.c_str(), nullptr, 0);
    // The value may grow between the two calls; ask again until it fits.
    while (needed > 0) {
        std::vector<char> buffer(needed);
        const DWORD length = GetEnvironmentVariableA(name.c_str(), buffer.data(), needed);
        if (length < needed) return std::string(buffer.data(), length);
        needed = length;
    }
    return {};
}

}  // namespace zelta::platform
