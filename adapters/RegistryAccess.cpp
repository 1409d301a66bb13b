#include "adapters/RegistryAccess.h"

#include "app/model/ZeltaError.h"

namespace zelta::adapters {

std::unique_ptr<platform::RegistryKey> OpenExistingKey(platform::Registry& registry, platform::RegistryRoot root,
                                                       const std::string& path) {
    return registry.OpenKey(root, path, platform::RegistryAccess::Read);
}

std::vector<std::string> SubKeyNames(platform::RegistryKey& key) { return key.SubKeyNames(); }

std::string ReadText(platform::RegistryKey& key, const std::string& name) {
    const std::optional<platform::RegistryValue> value = key.QueryValue(name);
    if (!value) return {};
    if (value->type != platform::kRegSz && value->type != platform::kRegExpandSz) {
        throw ZeltaError(FormatError("Invalid data type for '%s'", name));
    }
    return value->data.substr(0, value->data.find('\0'));
}

}  // namespace zelta::adapters
