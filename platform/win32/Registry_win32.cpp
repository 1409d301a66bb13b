#include "platform/win32/Registry_win32.h"

#include <utility>
#include <vector>

namespace zelta::platform::win32 {

namespace {
// A value or a key list can grow between the size query and the read; a few fresh tries settle that.
constexpr int kReadAttempts = 4;

HKEY RootKey(RegistryRoot root) { return root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }
}  // namespace

RegKeyHandle::~RegKeyHandle() {
    if (key_) RegCloseKey(key_);
}

RegKeyHandle::RegKeyHandle(RegKeyHandle&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}

RegKeyHandle& RegKeyHandle::operator=(RegKeyHandle&& other) noexcept {
    if (this != &other) {
        if (key_) RegCloseKey(key_);
        key_ = std::exchange(other.key_, nullptr);
    }
    return *this;
}

std::vector<std::string> Win32RegistryKey::SubKeyNames() {
    DWORD count = 0;
    DWORD maxNameLength = 0;
    if (RegQueryInfoKeyA(handle_.Get(), nullptr, nullptr, nullptr, &count, &maxNameLength, nullptr, nullptr, nullptr,
                         nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
        return {};
    }
    std::vector<std::string> names;
    std::vector<char> buffer(maxNameLength + 1);
    DWORD index = 0;
    while (index < count) {
        DWORD length = static_cast<DWORD>(buffer.size());
        const LONG result =
            RegEnumKeyExA(handle_.Get(), index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_MORE_DATA) {
            // A longer name was added after the lengths were taken.
            buffer.resize(buffer.size() * 2 + 256);
            continue;
        }
        if (result != ERROR_SUCCESS) break;  // keys removed meanwhile: the list ends early
        names.emplace_back(buffer.data(), length);
        ++index;
    }
    return names;
}

std::optional<RegistryValue> Win32RegistryKey::QueryValue(const std::string& name) {
    for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
        DWORD type = REG_NONE;
        DWORD size = 0;
        if (RegQueryValueExA(handle_.Get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        std::string data(size, '\0');
        DWORD readSize = size;
        const LONG result = RegQueryValueExA(handle_.Get(), name.c_str(), nullptr, &type,
                                             reinterpret_cast<BYTE*>(data.data()), &readSize);
        if (result == ERROR_MORE_DATA) continue;
        if (result != ERROR_SUCCESS) return std::nullopt;
        data.resize(readSize);
        return RegistryValue{static_cast<std::uint32_t>(type), std::move(data)};
    }
    return std::nullopt;
}

bool Win32RegistryKey::SetValue(const std::string& name, const RegistryValue& value) {
    return RegSetValueExA(handle_.Get(), name.c_str(), 0, static_cast<DWORD>(value.type),
                          reinterpret_cast<const BYTE*>(value.data.data()),
                          static_cast<DWORD>(value.data.size())) == ERROR_SUCCESS;
}

bool Win32RegistryKey::DeleteValue(const std::string& name) {
    const LONG result = RegDeleteValueA(handle_.Get(), name.c_str());
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

std::unique_ptr<RegistryKey> Win32Registry::OpenKey(RegistryRoot root, const std::string& path, RegistryAccess access) {
    const REGSAM rights = access == RegistryAccess::ReadWrite ? (KEY_READ | KEY_WRITE) : KEY_READ;
    HKEY key = nullptr;
    if (RegOpenKeyExA(RootKey(root), path.c_str(), 0, rights, &key) != ERROR_SUCCESS) return nullptr;
    return std::make_unique<Win32RegistryKey>(RegKeyHandle(key));
}

std::unique_ptr<RegistryKey> Win32Registry::CreateKey(RegistryRoot root, const std::string& path) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(RootKey(root), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
        return nullptr;
    }
    return std::make_unique<Win32RegistryKey>(RegKeyHandle(key));
}

}  // namespace zelta::platform::win32
