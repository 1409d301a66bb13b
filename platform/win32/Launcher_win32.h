#pragma once
// Starting other programs through process creation and the shell.
#include <windows.h>

#include <cstdint>

#include "platform/Launcher.h"

namespace zelta::platform {

class Win32Launcher : public Launcher {
public:
    explicit Win32Launcher(HWND owner = nullptr) : owner_(owner) {}

    // The window that owns what the shell shows (the consent prompt, for example); the main window once it exists.
    void SetOwner(HWND owner) { owner_ = owner; }

    void RunSystemProgram(const std::string& program, const std::string& commandLine, ShowMode mode) override;
    bool RunSystemProgramAndWait(const std::string& program, const std::string& commandLine, ShowMode mode,
                                 unsigned maxWaitMs) override;
    void RunCommandLine(const std::string& commandLine, ShowMode mode) override;
    void ShellOpen(const std::string& target, const std::string& parameters, ShowMode mode) override;
    LaunchOutcome ShellStart(const std::string& path, const std::string& parameters, ShellVerb verb,
                             ShowMode mode) override;
    std::uint64_t OwnerWindow() override { return reinterpret_cast<std::uintptr_t>(owner_); }
    std::optional<std::string> PathForAdministrator(const std::string& path, std::string& reason) override;
    bool RunsElevated() override;

private:
    HWND owner_;
};

}  // namespace zelta::platform
