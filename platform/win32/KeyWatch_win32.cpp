#include "platform/win32/KeyWatch_win32.h"

namespace zelta::platform::win32 {

namespace {
constexpr DWORD kWhatChanges = REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_LAST_SET;
}

Win32KeyWatch::Win32KeyWatch() : changed_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}

bool Win32KeyWatch::Arm(HKEY key) const {
    // Each notice is for one change: the key is armed again after every one.
    return RegNotifyChangeKeyValue(key, TRUE, kWhatChanges, changed_.Get(), TRUE) == ERROR_SUCCESS;
}

bool Win32KeyWatch::Watch(RegistryRoot root, const std::string& path) {
    if (!changed_) return false;
    const HKEY rootKey = root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    // A key that does not exist yet (no adapter ever installed) is watched through the nearest one above it.
    std::string at = path;
    while (true) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(rootKey, at.c_str(), 0, KEY_NOTIFY, &key) == ERROR_SUCCESS) {
            RegKeyHandle handle(key);
            if (!Arm(handle.Get())) return false;
            keys_.push_back(std::move(handle));
            return true;
        }
        const std::size_t separator = at.rfind('\\');
        if (separator == std::string::npos) return false;
        at.resize(separator);
    }
}

bool Win32KeyWatch::TakeChange() {
    if (keys_.empty() || WaitForSingleObject(changed_.Get(), 0) != WAIT_OBJECT_0) return false;
    ResetEvent(changed_.Get());
    for (const RegKeyHandle& key : keys_) Arm(key.Get());
    return true;
}

}  // namespace zelta::platform::win32
