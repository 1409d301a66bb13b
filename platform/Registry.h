#pragma once
// Registry access as the program needs it. Keys are RAII objects: a key closes when its object goes away.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zelta::platform {

enum class RegistryRoot { LocalMachine, CurrentUser };
enum class RegistryAccess { Read, ReadWrite };

// Value type codes, as the registry stores them.
enum : std::uint32_t {
    kRegNone = 0,
    kRegSz = 1,
    kRegExpandSz = 2,
    kRegBinary = 3,
    kRegDword = 4,
    kRegMultiSz = 7,
};

struct RegistryValue {
    std::uint32_t type = kRegNone;
    std::string data;  // the raw bytes as stored, terminating NULs included
};

class RegistryKey {
public:
    virtual ~RegistryKey() = default;
    // Subkey names in the store's own enumeration order.
    virtual std::vector<std::string> SubKeyNames() = 0;
    // Size and type first, then the data; nullopt when the value is missing or cannot be read.
    virtual std::optional<RegistryValue> QueryValue(const std::string& name) = 0;
    // False when the value cannot be set.
    virtual bool SetValue(const std::string& name, const RegistryValue& value) = 0;
    // True when the value is gone afterwards, also when there was none.
    virtual bool DeleteValue(const std::string& name) = 0;
};

class Registry {
public:
    virtual ~Registry() = default;
    // Opens an existing key without creating it; nullptr when it is missing or the access is refused.
    virtual std::unique_ptr<RegistryKey> OpenKey(RegistryRoot root, const std::string& path,
                                                 RegistryAccess access) = 0;
    // Opens the key for reading and writing, creating it (and the keys above it) when missing; nullptr when that is
    // refused.
    virtual std::unique_ptr<RegistryKey> CreateKey(RegistryRoot root, const std::string& path) = 0;
};

}  // namespace zelta::platform
