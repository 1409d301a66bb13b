#pragma once
// Whole-file access. Reasons are the system's own error texts.
#include <optional>
#include <string>

namespace zelta::platform {

class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual bool FileExists(const std::string& path) = 0;
    // The file's bytes; nullopt when it cannot be opened (reason says why) or does not exist.
    virtual std::optional<std::string> ReadFile(const std::string& path, std::string& reason) = 0;
    // Replaces the file as a whole: a temporary file in the same folder, flushed, then renamed over the old one.
    // On failure the old file is left byte for byte, no temporary file stays behind, and false is returned.
    virtual bool ReplaceContents(const std::string& path, const std::string& content, std::string& reason) = 0;
};

}  // namespace zelta::platform
