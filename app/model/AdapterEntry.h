#pragma once
#include <string>

namespace zelta {

// One listed adapter: the connection name the user sees and the registry key it was read from.
struct AdapterEntry {
    std::string connectionName;
    std::string keyName;
};

}  // namespace zelta
