#pragma once
// The passing of time, and waiting for the system to change a registry key, without spinning.
#include <cstdint>
#include <string>

#include "platform/Registry.h"

namespace zelta::platform {

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since some fixed moment; only differences mean anything.
    virtual std::uint64_t NowMs() = 0;
    // Returns once a value of the key (or of a key below it) changed, or maxWaitMs passed, whichever comes first.
    virtual void WaitForKeyChange(RegistryRoot root, const std::string& keyPath, unsigned maxWaitMs) = 0;
};

}  // namespace zelta::platform
