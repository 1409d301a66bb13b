#pragma once
// Whole-file access through the system's file functions.
//
// <windows.h> defines ReplaceFile as the system's ReplaceFileA, which would rename the interface's method in
// any file that includes it first; such files include this header after <windows.h> to get the name back.
#ifdef ReplaceFile
#undef ReplaceFile
#endif
#include "platform/FileSystem.h"

namespace zelta::platform {

class Win32FileSystem : public FileSystem {
public:
    bool FileExists(const std::string& path) override;
    std::optional<std::string> ReadFile(const std::string& path, std::string& reason) override;
    // Writes a temporary file in the target's folder, flushes it to disk and renames it over the target, so
    // the target is either the old file or the new one, never a torn mix. A read-only target is refused.
    bool ReplaceFile(const std::string& path, const std::string& content, std::string& reason) override;
};

}  // namespace zelta::platform
