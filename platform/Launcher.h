#pragma once
// Starting other programs. Nothing started here is watched afterwards.
#include <string>

namespace zelta::platform {

enum class ShowMode { Hidden, Normal };

class Launcher {
public:
    virtual ~Launcher() = default;
    // The command-line launcher: starts the command line and returns at once; the result is not examined.
    virtual void RunCommandLine(const std::string& commandLine, ShowMode mode) = 0;
    // Starts the command line and waits until it ends or maxWaitMs passes, keeping the window responsive.
    // True when it ended in time.
    virtual bool RunCommandLineAndWait(const std::string& commandLine, ShowMode mode, unsigned maxWaitMs) = 0;
    // The shell's "open" verb on a file or address, owned by the main window; the result is not examined.
    virtual void ShellOpen(const std::string& target, const std::string& parameters, ShowMode mode) = 0;
};

}  // namespace zelta::platform
