#pragma once
// The running processes of the system, as far as closing a browser needs them.
#include <cstdint>
#include <string>
#include <vector>

namespace zelta::platform {

struct ProcessEntry {
    std::string exeName;  // the executable name as the snapshot gives it (at most 260 characters)
    std::uint32_t id = 0;
};

class Processes {
public:
    virtual ~Processes() = default;
    // Every process of the system in the snapshot's order; empty when no snapshot can be taken.
    virtual std::vector<ProcessEntry> Snapshot() = 0;
    // Opens the process with the right to terminate it only, and terminates it with exit code 0. False when it
    // cannot be opened or terminated (no right, already gone).
    virtual bool Terminate(std::uint32_t id) = 0;
};

}  // namespace zelta::platform
