#pragma once
// Time from the tick count; the wait from the registry's own change notice.
#include "platform/Clock.h"

namespace zelta::platform {

class Win32Clock : public Clock {
public:
    std::uint64_t NowMs() override;
    void WaitForKeyChange(RegistryRoot root, const std::string& keyPath, unsigned maxWaitMs) override;
};

}  // namespace zelta::platform
