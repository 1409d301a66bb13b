#pragma once
// A system DLL that only a rare operation needs (the Internet library, for the proxy notice) is loaded when that
// operation runs instead of with the program, so that its load and those of its own imports stay out of start-up.
#include <windows.h>

namespace zelta::platform {

class SystemLibrary {
public:
    // Loaded from the system folder only, never from the working folder. Unloaded when this ends.
    explicit SystemLibrary(const char* fileName);
    ~SystemLibrary();
    SystemLibrary(const SystemLibrary&) = delete;
    SystemLibrary& operator=(const SystemLibrary&) = delete;

    // The export of that name as a function of type Fn (declared as the system's header declares it), or null.
    template <typename Fn>
    Fn* Function(const char* name) const {
        if (!module_) return nullptr;
        return reinterpret_cast<Fn*>(reinterpret_cast<void (*)()>(GetProcAddress(module_, name)));
    }

private:
    HMODULE module_ = nullptr;
};

}  // namespace zelta::platform
