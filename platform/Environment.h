#pragma once
// The process's own surroundings.
#include <string>

#include "platform/PathText.h"

namespace zelta::platform {

class Environment {
public:
    virtual ~Environment() = default;
    // The executable's full path.
    virtual std::string ExecutablePath() = 0;
    // The system folder, where the system's own programs are kept, without a trailing backslash; empty when the
    // system does not say.
    virtual std::string SystemFolder() = 0;
    // An environment variable's value; empty when it is not set.
    virtual std::string Variable(const std::string& name) = 0;
};

// The folder the running program was started from, as ParentFolder names it.
inline std::string ProgramFolder(Environment& environment) { return ParentFolder(environment.ExecutablePath()); }

}  // namespace zelta::platform
