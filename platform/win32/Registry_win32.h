#pragma once
// The registry of the running system.
#include <windows.h>

#include <memory>
#include <string>

#include "platform/Registry.h"

namespace zelta::platform::win32 {

// Owns one open key handle and closes it once; moves hand the handle on.
class RegKeyHandle {
public:
    RegKeyHandle() = default;
    explicit RegKeyHandle(HKEY key) : key_(key) {}
    ~RegKeyHandle();
    RegKeyHandle(const RegKeyHandle&) = delete;
    RegKeyHandle& operator=(const RegKeyHandle&) = delete;
    RegKeyHandle(RegKeyHandle&& other) noexcept;
    RegKeyHandle& operator=(RegKeyHandle&& other) noexcept;

    HKEY Get() const { return key_; }
    explicit operator bool() const { return key_ != nullptr; }

private:
    HKEY key_ = nullptr;
};

class Win32RegistryKey : public RegistryKey {
public:
    explicit Win32RegistryKey(RegKeyHandle handle) : handle_(std::move(handle)) {}
    Win32RegistryKey(const Win32RegistryKey&) = delete;
    Win32RegistryKey& operator=(const Win32RegistryKey&) = delete;
    Win32RegistryKey(Win32RegistryKey&&) noexcept = default;
    Win32RegistryKey& operator=(Win32RegistryKey&&) noexcept = default;

    std::vector<std::string> SubKeyNames() override;
    std::optional<RegistryValue> QueryValue(const std::string& name) override;
    bool SetValue(const std::string& name, const RegistryValue& value) override;
    bool DeleteValue(const std::string& name) override;

private:
    RegKeyHandle handle_;
};

class Win32Registry : public Registry {
public:
    std::unique_ptr<RegistryKey> OpenKey(RegistryRoot root, const std::string& path, RegistryAccess access) override;
    std::unique_ptr<RegistryKey> CreateKey(RegistryRoot root, const std::string& path) override;
};

}  // namespace zelta::platform::win32
