#include "platform/win32/Processes_win32.h"

#include <windows.h>

#include <tlhelp32.h>

#include <cstring>
#include <utility>

namespace zelta::platform {

namespace {

// A kernel handle closed exactly once. Snapshots fail with INVALID_HANDLE_VALUE, OpenProcess with nullptr: both
// count as no handle.
class KernelHandle {
public:
    explicit KernelHandle(HANDLE handle) : handle_(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
    ~KernelHandle() {
        if (handle_) CloseHandle(handle_);
    }
    KernelHandle(const KernelHandle&) = delete;
    KernelHandle& operator=(const KernelHandle&) = delete;
    KernelHandle(KernelHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    KernelHandle& operator=(KernelHandle&& other) noexcept {
        if (this != &other) {
            if (handle_) CloseHandle(handle_);
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }

    HANDLE Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    HANDLE handle_;
};

}  // namespace

std::vector<ProcessEntry> Win32Processes::Snapshot() {
    std::vector<ProcessEntry> entries;
    const KernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return entries;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32First(snapshot.Get(), &entry); more; more = Process32Next(snapshot.Get(), &entry)) {
        const std::size_t length = strnlen(entry.szExeFile, sizeof(entry.szExeFile));
        entries.push_back({std::string(entry.szExeFile, length), static_cast<std::uint32_t>(entry.th32ProcessID)});
    }
    return entries;
}

bool Win32Processes::Terminate(std::uint32_t id) {
    const KernelHandle process(OpenProcess(PROCESS_TERMINATE, FALSE, static_cast<DWORD>(id)));
    return process && TerminateProcess(process.Get(), 0) != FALSE;
}

}  // namespace zelta::platform
