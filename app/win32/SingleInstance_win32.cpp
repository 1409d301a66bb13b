#include "app/win32/SingleInstance_win32.h"

#include <cstdint>
#include <cstdio>

namespace zelta::win32 {

namespace {

// The block's name: the session's own namespace (another user's instance is no concern of ours) and the program
// file's path, upper-cased as the file system compares it, hashed into a name the namespace accepts.
std::string BlockName(const std::string& executablePath) {
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (char c : executablePath) {
        const auto byte = static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        hash = (hash ^ byte) * 1099511628211ull;
    }
    char name[64];
    std::snprintf(name, sizeof(name), "Local\\VokTarvex.Zelta.%016llx", static_cast<unsigned long long>(hash));
    return name;
}

}  // namespace

SingleInstance::SingleInstance(const std::string& executablePath) {
    block_ = platform::KernelHandle(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(LONG64),
                                                       BlockName(executablePath).c_str()));
    if (!block_) return;  // without the block the program simply runs, as it always did
    first_ = GetLastError() != ERROR_ALREADY_EXISTS;
    window_ = static_cast<volatile LONG64*>(MapViewOfFile(block_.Get(), FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, 0));
}

SingleInstance::~SingleInstance() {
    if (window_) UnmapViewOfFile(const_cast<LONG64*>(window_));
}

void SingleInstance::Publish(HWND mainWindow) {
    if (!first_ || !window_) return;
    // A later start may run without the rights of this one (this one started as administrator): let its request in.
    using FilterFn = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
    const UINT showMessage = RegisterWindowMessageA(kShowInstanceMessageName);
    HMODULE user = GetModuleHandleA("user32.dll");
    const auto filter = user ? reinterpret_cast<FilterFn>(
                                   reinterpret_cast<void (*)()>(GetProcAddress(user, "ChangeWindowMessageFilterEx")))
                             : nullptr;
    constexpr DWORD kAllow = 1;  // MSGFLT_ALLOW
    if (filter && showMessage) filter(mainWindow, showMessage, kAllow, nullptr);
    InterlockedExchange64(window_, static_cast<LONG64>(reinterpret_cast<INT_PTR>(mainWindow)));
}

HWND SingleInstance::RunningWindow(unsigned waitMs) const {
    if (first_ || !window_) return nullptr;
    // The first start may still be creating its window.
    const ULONGLONG deadline = GetTickCount64() + waitMs;
    HWND running = nullptr;
    while (!(running = reinterpret_cast<HWND>(static_cast<INT_PTR>(InterlockedCompareExchange64(window_, 0, 0)))) &&
           GetTickCount64() < deadline) {
        Sleep(50);
    }
    return running && IsWindow(running) ? running : nullptr;
}

bool SingleInstance::ShowRunningInstance(unsigned waitMs) const {
    HWND running = RunningWindow(waitMs);
    if (!running) return false;
    DWORD owner = 0;
    GetWindowThreadProcessId(running, &owner);
    // This start was the user's last action, so it may hand the foreground on to the window it shows.
    AllowSetForegroundWindow(owner);
    return PostMessageA(running, RegisterWindowMessageA(kShowInstanceMessageName), 0, 0) != FALSE;
}

ApplyReply SingleInstance::HandApplyRequest(const std::string& profileName, unsigned waitMs) const {
    HWND running = RunningWindow(waitMs);
    if (!running) return kApplyNoInstance;
    COPYDATASTRUCT data{};
    data.dwData = kApplyRequestTag;
    data.cbData = static_cast<DWORD>(profileName.size());
    data.lpData = const_cast<char*>(profileName.data());
    DWORD_PTR reply = kApplyNotTaken;
    // The running instance answers before it applies anything; a hung one does not keep this start waiting.
    if (!SendMessageTimeoutA(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG | SMTO_BLOCK,
                             waitMs, &reply)) {
        return kApplyNotTaken;
    }
    return reply == kApplyTaken || reply == kApplyNoSuchProfile ? static_cast<ApplyReply>(reply) : kApplyNotTaken;
}

}  // namespace zelta::win32
