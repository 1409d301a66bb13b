#pragma once
// Whole-file access through the system's file functions.
#include "platform/FileSystem.h"

namespace zelta::platform {

class Win32FileSystem : public FileSystem {
public:
    bool FileExists(const std::string& path) override;
    std::optional<std::string> ReadFile(const std::string& path, std::string& reason) override;
    // Writes a temporary file in the target's folder, flushes it to disk and renames it over the target, so
    // the target is either the old file or the new one, never a torn mix. A read-only target is refused.
    bool ReplaceContents(const std::string& path, const std::string& content, std::string& reason) override;
};

}  // namespace zelta::platform
