#pragma once
// The process's own surroundings as the system reports them.
#include "platform/Environment.h"

namespace zelta::platform {

class Win32Environment : public Environment {
public:
    std::string ExecutablePath() override;
    std::string SystemFolder() override;
    std::string Variable(const std::string& name) override;
};

}  // namespace zelta::platform
