#pragma once
// The running processes, through the Tool Help snapshot and the process functions.
#include "platform/Processes.h"

namespace zelta::platform {

class Win32Processes : public Processes {
public:
    std::vector<ProcessEntry> Snapshot() override;
    std::uint32_t OwnSessionId() override;
    bool Terminate(std::uint32_t id) override;
};

}  // namespace zelta::platform
