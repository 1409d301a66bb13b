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

namespace {

struct NotificationSearch {
    DWORD shell;
    std::string text;
};

BOOL CALLBACK ConsiderNotification(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<NotificationSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->shell || !IsWindowVisible(window) || ClassOf(window) != "tooltips_class32") return TRUE;
    search->text = WindowText(window);
    return search->text.empty();
}

}  // namespace

std::string TrayNotificationText() {
    HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
    if (!taskbar) return {};
    NotificationSearch search{0, {}};
    GetWindowThreadProcessId(taskbar, &search.shell);
    EnumWindows(ConsiderNotification, reinterpret_cast<LPARAM>(&search));
    return search.text;
}

}  // namespace e2e
