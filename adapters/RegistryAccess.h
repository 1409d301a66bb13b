#pragma once
// The general registry accessor of the adapter code: open an existing key, list its subkeys, read a text value.
// Every key it opens is only read, so it asks for read access: HKEY_LOCAL_MACHINE keys refuse more to a user
// without administrator rights, and the adapters would silently vanish from the list.
#include <memory>
#include <string>
#include <vector>

#include "platform/Registry.h"

namespace zelta::adapters {

// The key under root, opened for reading; nullptr when it is missing or cannot be opened.
std::unique_ptr<platform::RegistryKey> OpenExistingKey(platform::Registry& registry, platform::RegistryRoot root,
                                                       const std::string& path);

std::vector<std::string> SubKeyNames(platform::RegistryKey& key);

// A missing value reads as empty text; the text ends at the first NUL. A value that is not a plain or
// expandable string throws "Invalid data type for '<name>'".
std::string ReadText(platform::RegistryKey& key, const std::string& name);

}  // namespace zelta::adapters
