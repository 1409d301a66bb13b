#pragma once
// Starting other programs. Nothing started here is watched afterwards.
#include <cstdint>
#include <optional>
#include <string>

namespace zelta::platform {

enum class ShowMode { Hidden, Normal };

// How the shell is asked to start one of the program's own files.
enum class ShellVerb {
    Open,                // the shell's "open": with the rights the program has
    RunAsAdministrator,  // the shell's "runas": the user is asked for administrator rights
};

// What became of a start whose answer matters.
struct LaunchOutcome {
    enum class Status {
        Started,
        Declined,  // the user refused the permission that was asked for
        Failed,    // the system could not start it; reason says why
    };
    Status status = Status::Started;
    std::string reason;
};

class Launcher {
public:
    virtual ~Launcher() = default;
    // A program of the system folder, named by its file name ("cmd.exe"), started from there by its full path with
    // the command line as given, and in the system folder, so that neither it nor a program that it starts by bare
    // name is picked up from a folder that others can write to. Returns at once; the result is not examined.
    virtual void RunSystemProgram(const std::string& program, const std::string& commandLine, ShowMode mode) = 0;
    // The same, waiting until it ends or maxWaitMs passes, keeping the window responsive. True when it ended in time.
    virtual bool RunSystemProgramAndWait(const std::string& program, const std::string& commandLine, ShowMode mode,
                                         unsigned maxWaitMs) = 0;
    // A command line whose program is named by its full path (a browser at its fixed place); the result is not
    // examined.
    virtual void RunCommandLine(const std::string& commandLine, ShowMode mode) = 0;
    // The shell's "open" verb on a file or address, owned by the main window; the result is not examined.
    virtual void ShellOpen(const std::string& target, const std::string& parameters, ShowMode mode) = 0;
    // One of the program's own files, by its full path, through the shell and in the system folder: no zone check (a
    // downloaded copy must not stop at the security warning), no message of the shell's own, the answer returned.
    // While the main window is hidden, a window of the program that may come to the front owns the consent prompt.
    virtual LaunchOutcome ShellStart(const std::string& path, const std::string& parameters, ShellVerb verb,
                                     ShowMode mode) = 0;
    // The main window's handle as a number, for a program of ours to answer it; 0 before the window exists.
    virtual std::uint64_t OwnerWindow() = 0;
    // The path by which a program started with administrator rights reaches the same file: such a program does not
    // see the drive letters the user mapped to network shares or made with subst, so those become the share's path
    // or the real folder. nullopt, with the reason, when there is none.
    virtual std::optional<std::string> PathForAdministrator(const std::string& path, std::string& reason) = 0;
    // True when the program already has administrator rights, or runs on a system that knows no elevation.
    virtual bool RunsElevated() = 0;
};

}  // namespace zelta::platform
