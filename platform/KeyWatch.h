#pragma once
// Tells that something changed under registry keys, from the system's own change notice: nothing polls.
#include <string>

#include "platform/Registry.h"

namespace zelta::platform {

class KeyWatch {
public:
    virtual ~KeyWatch() = default;
    // Watches the key and everything below it: its values, and subkeys that come, go or are renamed. A key that
    // is not there yet is watched through the nearest key above it that is. False when nothing could be watched.
    virtual bool Watch(RegistryRoot root, const std::string& path) = 0;
    // True once for any number of changes since the last call; the watch goes on.
    virtual bool TakeChange() = 0;
};

}  // namespace zelta::platform
