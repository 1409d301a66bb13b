#pragma once
// The running processes of the system, as far as closing a browser needs them.
#include <cstdint>
#include <string>
#include <vector>

namespace zelta::platform {

// A session id the system would not tell (another user's process may refuse the question).
constexpr std::uint32_t kUnknownSession = 0xFFFFFFFFu;

struct ProcessEntry {
    std::string exeName;  // the executable name as the snapshot gives it (at most 260 characters)
    std::uint32_t id = 0;
    // The id of the process that started it, as the snapshot gives it. The parent may have ended since, and its id
    // may now belong to another process.
    std::uint32_t parentId = 0;
    std::uint32_t sessionId = 0;  // the logon session it runs in, or kUnknownSession
};

class Processes {
public:
    virtual ~Processes() = default;
    // Every process of the system in the snapshot's order; empty when no snapshot can be taken.
    virtual std::vector<ProcessEntry> Snapshot() = 0;
    // The session this program runs in, or kUnknownSession.
    virtual std::uint32_t OwnSessionId() = 0;
    // Opens the process with the right to terminate it only, and terminates it with exit code 0. False when it
    // cannot be opened or terminated (no right, already gone).
    virtual bool Terminate(std::uint32_t id) = 0;
};

}  // namespace zelta::platform
