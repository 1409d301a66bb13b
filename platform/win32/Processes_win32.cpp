#include "platform/win32/Processes_win32.h"

#include <windows.h>

#include <tlhelp32.h>

#include <cstring>
#include <utility>

#include "platform/win32/KernelHandle_win32.h"

namespace zelta::platform {

namespace {

// kUnknownSession when the system does not answer: on XP asking about another user's process needs a right that
// the user does not have there.
std::uint32_t SessionOf(DWORD processId) {
    DWORD session = 0;
    return ProcessIdToSessionId(processId, &session) ? static_cast<std::uint32_t>(session) : kUnknownSession;
}

}  // namespace

std::vector<ProcessEntry> Win32Processes::Snapshot() {
    std::vector<ProcessEntry> entries;
    const KernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return entries;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32First(snapshot.Get(), &entry); more; more = Process32Next(snapshot.Get(), &entry)) {
        const std::size_t length = strnlen(entry.szExeFile, sizeof(entry.szExeFile));
        entries.push_back({std::string(entry.szExeFile, length), static_cast<std::uint32_t>(entry.th32ProcessID),
                           static_cast<std::uint32_t>(entry.th32ParentProcessID), SessionOf(entry.th32ProcessID)});
    }
    return entries;
}

std::uint32_t Win32Processes::OwnSessionId() { return SessionOf(GetCurrentProcessId()); }

bool Win32Processes::Terminate(std::uint32_t id) {
    const KernelHandle process(OpenProcess(PROCESS_TERMINATE, FALSE, static_cast<DWORD>(id)));
    return process && TerminateProcess(process.Get(), 0) != FALSE;
}

}  // namespace zelta::platform
