#include "tests/fakes/Fakes.h"

namespace zelta::fakes {

using platform::RegistryAccess;
using platform::RegistryRoot;
using platform::RegistryValue;

namespace {

class FakeKey : public platform::RegistryKey {
public:
    FakeKey(FakeRegistry& registry, FakeRegistry::Key& key, bool writable)
        : registry_(registry), key_(key), writable_(writable) {
        ++registry_.openKeys;
    }
    ~FakeKey() override { --registry_.openKeys; }

    std::vector<std::string> SubKeyNames() override { return key_.subKeys; }
    std::optional<RegistryValue> QueryValue(const std::string& name) override {
        const auto it = key_.values.find(name);
        if (it == key_.values.end()) return std::nullopt;
        return it->second;
    }
    bool SetValue(const std::string& name, const RegistryValue& value) override {
        if (!writable_ || key_.refuseSet) return false;
        key_.values[name] = value;
        return true;
    }
    bool DeleteValue(const std::string& name) override {
        if (!writable_ || key_.refuseSet) return false;
        key_.values.erase(name);
        return true;
    }

private:
    FakeRegistry& registry_;
    FakeRegistry::Key& key_;
    bool writable_;
};

}  // namespace

std::string FakeRegistry::FullPath(RegistryRoot root, const std::string& path) {
    return (root == RegistryRoot::LocalMachine ? "HKLM\\" : "HKCU\\") + path;
}

FakeRegistry::Key& FakeRegistry::Ensure(const std::string& fullPath) {
    const auto existing = keys.find(fullPath);
    if (existing != keys.end()) return existing->second;
    const auto separator = fullPath.rfind('\\');
    if (separator != std::string::npos && separator > 4) {
        Key& parent = Ensure(fullPath.substr(0, separator));
        parent.subKeys.push_back(fullPath.substr(separator + 1));
    }
    return keys[fullPath];
}

void FakeRegistry::AddKey(RegistryRoot root, const std::string& path) { Ensure(FullPath(root, path)); }

void FakeRegistry::SetValue(RegistryRoot root, const std::string& keyPath, const std::string& name,
                            std::uint32_t type, const std::string& data) {
    Ensure(FullPath(root, keyPath)).values[name] = RegistryValue{type, data};
}

void FakeRegistry::SetString(RegistryRoot root, const std::string& keyPath, const std::string& name,
                             const std::string& text) {
    SetValue(root, keyPath, name, platform::kRegSz, text + std::string(1, '\0'));
}

void FakeRegistry::SetMultiString(RegistryRoot root, const std::string& keyPath, const std::string& name,
                                  const std::vector<std::string>& entries) {
    std::string data;
    for (const std::string& entry : entries) data += entry + std::string(1, '\0');
    data += std::string(1, '\0');
    SetValue(root, keyPath, name, platform::kRegMultiSz, data);
}

void FakeRegistry::DenyWriteAccess(RegistryRoot root, const std::string& path) {
    Ensure(FullPath(root, path)).denyWrite = true;
}

void FakeRegistry::RefuseValueWrites(RegistryRoot root, const std::string& path) {
    Ensure(FullPath(root, path)).refuseSet = true;
}

std::optional<RegistryValue> FakeRegistry::Value(RegistryRoot root, const std::string& keyPath,
                                                 const std::string& name) const {
    const auto key = keys.find(FullPath(root, keyPath));
    if (key == keys.end()) return std::nullopt;
    const auto value = key->second.values.find(name);
    if (value == key->second.values.end()) return std::nullopt;
    return value->second;
}

std::unique_ptr<platform::RegistryKey> FakeRegistry::OpenKey(RegistryRoot root, const std::string& path,
                                                             RegistryAccess access) {
    ++openCalls;
    const auto it = keys.find(FullPath(root, path));
    if (it == keys.end()) return nullptr;
    if (access == RegistryAccess::ReadWrite && it->second.denyWrite) return nullptr;
    return std::make_unique<FakeKey>(*this, it->second, access == RegistryAccess::ReadWrite);
}

std::unique_ptr<platform::RegistryKey> FakeRegistry::CreateKey(RegistryRoot root, const std::string& path) {
    ++openCalls;
    Key& key = Ensure(FullPath(root, path));
    if (key.denyWrite) return nullptr;
    return std::make_unique<FakeKey>(*this, key, true);
}

std::optional<std::string> FakeFileSystem::ReadFile(const std::string& path, std::string& reason) {
    ++readCalls;
    const auto it = files.find(path);
    if (it == files.end()) {
        reason = "The system cannot find the file specified";
        return std::nullopt;
    }
    if (unreadable.count(path)) {
        reason = "Access is denied";
        return std::nullopt;
    }
    return it->second;
}

bool FakeFileSystem::ReplaceContents(const std::string& path, const std::string& content, std::string& reason) {
    ++replaceCalls;
    if (readOnly.count(path)) {
        reason = "Access is denied";
        return false;
    }
    if (diskFull.count(path)) {
        reason = "There is not enough space on the disk";
        return false;
    }
    files[path] = content;
    return true;
}

std::string FakeCodePages::Utf8ToAnsiText(const std::string& utf8, bool& exact) {
    exact = true;
    std::string ansi;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            ansi += utf8[i++];
            continue;
        }
        const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
        bool wellFormed = length > 0 && i + length <= utf8.size();
        for (std::size_t k = 1; wellFormed && k < length; ++k) {
            wellFormed = (static_cast<unsigned char>(utf8[i + k]) & 0xC0) == 0x80;
        }
        if (wellFormed && length == 2 && lead <= 0xC3) {
            ansi += static_cast<char>(((lead & 0x03) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3F));
        } else {
            ansi += '?';
            exact = false;
        }
        i += wellFormed ? length : 1;
    }
    return ansi;
}

std::string FakeCodePages::AnsiTextToUtf8(const std::string& text) {
    std::string utf8;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (byte >> 6));
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}

}  // namespace zelta::fakes
