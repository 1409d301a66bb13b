#include "companion/win32/VerdictDelivery_win32.h"

#include "companion/Verdict.h"
#include "platform/PathText.h"
#include "platform/win32/KernelHandle_win32.h"
#include "platform/win32/SystemLibrary_win32.h"

namespace zelta::companion {

namespace {

constexpr UINT kDeliveryTimeoutMs = 5000;

std::string Lower(std::string text) {
    for (char& c : text) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    return text;
}

// The full path of the process's image; empty when the system does not say.
std::string ImageOf(DWORD processId) {
    char path[MAX_PATH * 2] = {};
    DWORD size = sizeof(path);
    // Vista and later answer with the least access; Windows XP only through the process status library.
    using QueryFn = BOOL(WINAPI*)(HANDLE, DWORD, LPSTR, PDWORD);
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    const auto query = kernel ? reinterpret_cast<QueryFn>(
                                    reinterpret_cast<void (*)()>(GetProcAddress(kernel, "QueryFullProcessImageNameA")))
                              : nullptr;
    if (query) {
        constexpr DWORD kQueryLimitedInformation = 0x1000;  // PROCESS_QUERY_LIMITED_INFORMATION
        const platform::KernelHandle process(OpenProcess(kQueryLimitedInformation, FALSE, processId));
        if (!process || !query(process.Get(), 0, path, &size)) return {};
        return std::string(path, size);
    }
    const platform::SystemLibrary psapi("psapi.dll");
    using ModuleNameFn = DWORD WINAPI(HANDLE, HMODULE, LPSTR, DWORD);
    auto* moduleName = psapi.Function<ModuleNameFn>("GetModuleFileNameExA");
    const platform::KernelHandle process(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
    if (!moduleName || !process) return {};
    const DWORD length = moduleName(process.Get(), nullptr, path, sizeof(path));
    return length == 0 || length >= sizeof(path) ? std::string() : std::string(path, length);
}

bool BelongsToProgramIn(HWND window, const std::string& folder) {
    DWORD processId = 0;
    if (!IsWindow(window) || GetWindowThreadProcessId(window, &processId) == 0) return false;
    const std::string image = ImageOf(processId);
    const std::string imageFolder = platform::ParentFolder(image);
    return !imageFolder.empty() && Lower(imageFolder) == Lower(folder);
}

}  // namespace

bool DeliverVerdict(HWND window, const std::string& companionFolder, const std::string& encodedVerdict) {
    if (!window || !BelongsToProgramIn(window, companionFolder)) return false;
    COPYDATASTRUCT data = {};
    data.dwData = kVerdictCopyDataTag;
    data.cbData = static_cast<DWORD>(encodedVerdict.size());
    data.lpData = const_cast<char*>(encodedVerdict.data());
    DWORD_PTR answer = 0;
    // Copied data may go from a program with more rights to one with fewer; a window that hangs is not waited for.
    return SendMessageTimeoutA(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG,
                               kDeliveryTimeoutMs, &answer) != 0 &&
           answer != 0;
}

}  // namespace zelta::companion
