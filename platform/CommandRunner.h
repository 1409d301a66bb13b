#pragma once
// Running one command line without any window, to its end or to a time bound, keeping what it printed.
#include <cstdint>
#include <string>

namespace zelta::platform {

struct CommandResult {
    enum class Status {
        Ended,       // the program ran to its end; exitCode and output hold what it left
        NotStarted,  // the system refused to start it; reason says why
        TimedOut,    // it was still running at the bound and was ended, with everything it had started
    };
    Status status = Status::Ended;
    std::uint32_t exitCode = 0;
    std::string output;  // standard output and standard error as printed, in the console code page
    std::string reason;  // the system's error text when it did not start
};

class CommandRunner {
public:
    virtual ~CommandRunner() = default;
    // program: the full path of the executable to start; commandLine: the whole line it is given, its own name
    // first. The command runs in the program's own folder with no window and no input, and its output is read
    // while it runs so that it can never stall on a full pipe.
    virtual CommandResult Run(const std::string& program, const std::string& commandLine, unsigned timeoutMs) = 0;
};

}  // namespace zelta::platform
