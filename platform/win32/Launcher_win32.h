#pragma once
// Starting other programs through the system's command-line launcher, process creation and the shell.
#include <windows.h>

#include "platform/Launcher.h"

namespace zelta::platform {

class Win32Launcher : public Launcher {
public:
    explicit Win32Launcher(HWND owner = nullptr) : owner_(owner) {}

    // The window that owns what the shell shows (its error boxes, for example); the main window once it exists.
    void SetOwner(HWND owner) { owner_ = owner; }

    void RunCommandLine(const std::string& commandLine, ShowMode mode) override;
    bool RunCommandLineAndWait(const std::string& commandLine, ShowMode mode, unsigned maxWaitMs) override;
    void ShellOpen(const std::string& target, const std::string& parameters, ShowMode mode) override;

private:
    HWND owner_;
};

}  // namespace zelta::platform
