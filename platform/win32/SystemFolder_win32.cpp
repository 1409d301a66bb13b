#include "platform/win32/SystemFolder_win32.h"

#include <windows.h>

namespace zelta::platform {

std::string SystemFolder() {
    char folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    return std::string(folder, length);
}

std::string NativeSystemFolder() {
    // Looked up by name: Windows XP before its second service pack lacks it, and runs no 32-bit program on 64 bits.
    using IsWow64Fn = BOOL(WINAPI*)(HANDLE, PBOOL);
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    const auto isWow64 =
        kernel ? reinterpret_cast<IsWow64Fn>(reinterpret_cast<void (*)()>(GetProcAddress(kernel, "IsWow64Process")))
               : nullptr;
    BOOL wow64 = FALSE;
    if (!isWow64 || !isWow64(GetCurrentProcess(), &wow64) || !wow64) return SystemFolder();
    char windows[MAX_PATH] = {};
    const UINT length = GetSystemWindowsDirectoryA(windows, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return SystemFolder();
    const std::string native = std::string(windows, length) + (windows[length - 1] == '\\' ? "" : "\\") + "Sysnative";
    const DWORD attributes = GetFileAttributesA(native.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return SystemFolder();
    return native;
}

void RestrictDllSearchToSystemFolder() {
    // Both arrived with an update of Windows 7 and are part of every later system; an older one simply keeps its
    // own search order. Looked up by name so that the program still starts where they are missing.
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    if (!kernel) return;
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    using SetDllDirectoryFn = BOOL(WINAPI*)(LPCSTR);
    const auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesFn>(
        reinterpret_cast<void (*)()>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
    const auto setDirectory =
        reinterpret_cast<SetDllDirectoryFn>(reinterpret_cast<void (*)()>(GetProcAddress(kernel, "SetDllDirectoryA")));
    // An empty DLL directory drops the working folder from the search (Windows XP SP1 and later).
    if (setDirectory) setDirectory("");
    // LOAD_LIBRARY_SEARCH_SYSTEM32
    constexpr DWORD kSearchSystem32 = 0x00000800;
    if (setDefault) setDefault(kSearchSystem32);
}

}  // namespace zelta::platform
