#pragma once
// Registry keys watched with the registry's change notice: one event, signalled by the system when a value or a
// subkey under any of the keys changes, which the message loop waits for beside the window messages.
#include <windows.h>

#include <vector>

#include "platform/KeyWatch.h"
#include "platform/win32/KernelHandle_win32.h"
#include "platform/win32/Registry_win32.h"

namespace zelta::platform::win32 {

class Win32KeyWatch : public KeyWatch {
public:
    Win32KeyWatch();
    Win32KeyWatch(const Win32KeyWatch&) = delete;
    Win32KeyWatch& operator=(const Win32KeyWatch&) = delete;

    bool Watch(RegistryRoot root, const std::string& path) override;
    bool TakeChange() override;

    // Signalled while a change waits to be taken; null when no key is watched.
    HANDLE Event() const { return keys_.empty() ? nullptr : changed_.Get(); }

private:
    bool Arm(HKEY key) const;

    KernelHandle changed_;
    std::vector<RegKeyHandle> keys_;
};

}  // namespace zelta::platform::win32
