#pragma once
// The adapters' live state through the IP helper.
#include "platform/LiveAdapters.h"

namespace zelta::platform {

class Win32LiveAdapters : public LiveAdapters {
public:
    std::optional<LiveAdapter> Find(const std::string& adapterKeyName) override;
};

}  // namespace zelta::platform
