#include "companion/win32/VerdictDelivery_win32.h"

#include "companion/Verdict.h"
#include "platform/win32/KernelHandle_win32.h"

namespace zelta::companion {

namespace {

constexpr char kMainWindowClass[] = "TForm1";
constexpr UINT kDeliveryTimeoutMs = 5000;

std::string Lower(std::string text) {
    for (char& c : text) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    return text;
}

// The folder of the program that owns the window; empty when the system does not say.
std::string ProgramFolderOf(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    // Looked up by name: a system without it (before Vista) has no second instance to tell apart either.
    using QueryFn = BOOL(WINAPI*)(HANDLE, DWORD, LPSTR, PDWORD);
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    const auto query = kernel ? reinterpret_cast<QueryFn>(
                                    reinterpret_cast<void (*)()>(GetProcAddress(kernel, "QueryFullProcessImageNameA")))
                              : nullptr;
    if (!query) return {};
    constexpr DWORD kQueryLimitedInformation = 0x1000;  // PROCESS_QUERY_LIMITED_INFORMATION
    const platform::KernelHandle process(OpenProcess(kQueryLimitedInformation, FALSE, processId));
    char path[MAX_PATH * 2] = {};
    DWORD size = sizeof(path);
    if (!process || !query(process.Get(), 0, path, &size)) return {};
    const std::string image(path, size);
    return image.substr(0, image.find_last_of('\\'));
}

struct Search {
    std::string folder;
    HWND found = nullptr;
};

BOOL CALLBACK Consider(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    char className[16] = {};
    GetClassNameA(window, className, sizeof(className));
    if (lstrcmpA(className, kMainWindowClass) != 0) return TRUE;
    const std::string folder = ProgramFolderOf(window);
    if (folder.empty() ? search->found == nullptr : Lower(folder) == Lower(search->folder)) search->found = window;
    return folder.empty() || Lower(folder) != Lower(search->folder);
}

}  // namespace

bool DeliverVerdict(const std::string& companionFolder, const std::string& encodedVerdict) {
    Search search{companionFolder, nullptr};
    EnumWindows(Consider, reinterpret_cast<LPARAM>(&search));
    if (!search.found) return false;
    COPYDATASTRUCT data = {};
    data.dwData = kVerdictCopyDataTag;
    data.cbData = static_cast<DWORD>(encodedVerdict.size());
    data.lpData = const_cast<char*>(encodedVerdict.data());
    DWORD_PTR answer = 0;
    // Copied data may go from a program with more rights to one with fewer; a window that hangs is not waited for.
    return SendMessageTimeoutA(search.found, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG,
                               kDeliveryTimeoutMs, &answer) != 0 &&
           answer != 0;
}

}  // namespace zelta::companion
