#pragma once
// Reads one registry value of a required type by its full value path ("key\path\value name"), and a
// multi-string value as one text.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/Registry.h"

namespace zelta::adapters {

// The 1-based position of the last ch in text; 0 when ch does not occur.
std::size_t FindLastChar(char ch, const std::string& text);

// The value's bytes when the path names a key and value that can be read and the stored type is expectedType.
// The key is opened for reading only. A path without a backslash fails before the registry is asked; an empty
// value name (a path ending in a backslash) means the key's default value.
std::optional<std::string> ReadTypedValue(platform::Registry& registry, platform::RegistryRoot root,
                                          const std::string& valuePath, std::uint32_t expectedType);

// A multi-string value as one text: its bytes without the list's closing NUL, so the entries stay separated by
// NULs and a one-line reader sees the first entry. nullopt when the value cannot be read as a multi-string.
std::optional<std::string> ReadMultiStringValue(platform::Registry& registry, platform::RegistryRoot root,
                                                const std::string& valuePath);

}  // namespace zelta::adapters
