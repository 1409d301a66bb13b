#pragma once
// Commands started with CreateProcess and no window of any kind, their output read through a pipe while they run,
// the whole tree of processes they start kept in a job so that a command past its bound ends with everything it
// started.
#include "platform/CommandRunner.h"

namespace zelta::platform {

class Win32CommandRunner : public CommandRunner {
public:
    CommandResult Run(const std::string& program, const std::string& commandLine, unsigned timeoutMs) override;
};

}  // namespace zelta::platform
