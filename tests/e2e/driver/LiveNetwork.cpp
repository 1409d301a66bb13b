#include "tests/e2e/driver/LiveNetwork.h"

#include <winsock2.h>
#include <iphlpapi.h>

#include <vector>

namespace e2e {

void RunLinux(Context& ctx, const std::string& commandLine) {
    // The scenario's namespace is its Wine server's: start.exe runs the Linux program there.
    const int code = RunAndWait(SystemFolder() + "start.exe /wait /unix " + commandLine, 20000);
    Check(ctx, code == 0, "\"" + commandLine + "\" ran (exit code " + std::to_string(code) + ")");
}

std::string LiveAdapterKey(const std::string& linuxName) {
    ULONG size = 64 * 1024;
    std::vector<unsigned char> buffer(size);
    auto* first = reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data());
    if (GetAdaptersAddresses(AF_INET, GAA_FLAG_SKIP_DNS_SERVER, nullptr, first, &size) != NO_ERROR) return {};
    const std::wstring wanted(linuxName.begin(), linuxName.end());
    for (const IP_ADAPTER_ADDRESSES* adapter = first; adapter; adapter = adapter->Next) {
        if (adapter->FriendlyName && wanted == adapter->FriendlyName) return adapter->AdapterName;
    }
    return {};
}

std::string TrayNotificationText() {
    HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
    if (!taskbar) return {};
    const DWORD shell = ProcessOf(taskbar);
    HWND tip = FirstTopLevelWindow([&](HWND window) {
        return ProcessOf(window) == shell && IsWindowVisible(window) && ClassOf(window) == "tooltips_class32" &&
               !WindowText(window).empty();
    });
    return tip ? WindowText(tip) : std::string();
}

}  // namespace e2e
