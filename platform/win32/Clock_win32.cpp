#include "platform/win32/Clock_win32.h"

#include <windows.h>

#include "platform/win32/KernelHandle_win32.h"

namespace zelta::platform {

namespace {

// A notice may be lost (a system that does not send it for this key): the wait then ends at this bound and the
// caller looks again, so nothing waits longer than it must, and nothing spins.
constexpr unsigned kLongestSingleWaitMs = 1000;

class OpenKey {
public:
    OpenKey(HKEY root, const std::string& path) {
        if (RegOpenKeyExA(root, path.c_str(), 0, KEY_NOTIFY, &key_) != ERROR_SUCCESS) key_ = nullptr;
    }
    ~OpenKey() {
        if (key_) RegCloseKey(key_);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    HKEY Get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

}  // namespace

std::uint64_t Win32Clock::NowMs() { return GetTickCount64(); }

void Win32Clock::WaitForKeyChange(RegistryRoot root, const std::string& keyPath, unsigned maxWaitMs) {
    const DWORD wait = maxWaitMs < kLongestSingleWaitMs ? maxWaitMs : kLongestSingleWaitMs;
    const OpenKey key(root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER, keyPath);
    const KernelHandle changed(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    if (key.Get() && changed &&
        RegNotifyChangeKeyValue(key.Get(), TRUE, REG_NOTIFY_CHANGE_LAST_SET | REG_NOTIFY_CHANGE_NAME, changed.Get(),
                                TRUE) == ERROR_SUCCESS) {
        WaitForSingleObject(changed.Get(), wait);
    } else {
        Sleep(wait);
    }
}

}  // namespace zelta::platform
