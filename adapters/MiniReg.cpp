#include "adapters/MiniReg.h"

namespace zelta::adapters {

std::size_t FindLastChar(char ch, const std::string& text) {
    for (std::size_t pos = text.size(); pos > 0; --pos) {
        if (text[pos - 1] == ch) return pos;
    }
    return 0;
}

std::optional<std::string> ReadTypedValue(platform::Registry& registry, platform::RegistryRoot root,
                                          const std::string& valuePath, std::uint32_t expectedType) {
    const std::size_t separator = FindLastChar('\\', valuePath);
    if (separator == 0) return std::nullopt;
    const std::string keyPath = valuePath.substr(0, separator - 1);
    const std::string valueName = valuePath.substr(separator);

    const std::unique_ptr<platform::RegistryKey> key = registry.OpenKey(root, keyPath, platform::RegistryAccess::Read);
    if (!key) return std::nullopt;
    std::optional<platform::RegistryValue> value = key->QueryValue(valueName);
    if (!value || value->type != expectedType) return std::nullopt;
    return std::move(value->data);
}

std::optional<std::string> ReadMultiStringValue(platform::Registry& registry, platform::RegistryRoot root,
                                                const std::string& valuePath) {
    std::optional<std::string> data = ReadTypedValue(registry, root, valuePath, platform::kRegMultiSz);
    if (!data) return std::nullopt;
    if (!data->empty()) data->pop_back();
    return data;
}

}  // namespace zelta::adapters
