#pragma once
// The profile settings file beside the executable. Nothing is kept between operations: every read reads the
// file, and every change builds the new content and replaces the file as a whole in one step, so a failure
// leaves the old file as it was.
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/Platform.h"
#include "profiles/SettingsDocument.h"

namespace zelta::profiles {

class SettingsFile {
public:
    // The file named after the executable, its path derived now.
    explicit SettingsFile(platform::Platform& platform);
    SettingsFile(platform::FileSystem& files, std::string path);

    const std::string& Path() const { return path_; }

    // The whole file in one read; a missing or unreadable file reads as empty, so every value takes its default.
    SettingsDocument Read() const;
    std::string ReadText(const std::string& section, const std::string& key,
                         const std::string& defaultValue = {}) const;
    int ReadNumber(const std::string& section, const std::string& key, int defaultValue) const;
    bool ReadFlag(const std::string& section, const std::string& key, bool defaultValue = false) const;

    // Several writes that land together: the file is read once when the edit begins and replaced once by
    // Commit. An edit dropped without Commit writes nothing.
    class Edit {
    public:
        Edit(const Edit&) = delete;
        Edit& operator=(const Edit&) = delete;
        Edit(Edit&&) = default;

        SettingsDocument& Document() { return document_; }
        void WriteText(const std::string& section, const std::string& key, const std::string& value) {
            document_.WriteText(section, key, value);
        }
        void WriteNumber(const std::string& section, const std::string& key, long long value) {
            document_.WriteNumber(section, key, value);
        }
        void WriteFlag(const std::string& section, const std::string& key, bool value) {
            document_.WriteFlag(section, key, value);
        }
        // Throws "Unable to write to %s" when the file cannot be replaced.
        void Commit();

    private:
        friend class SettingsFile;
        Edit(SettingsFile& file, SettingsDocument document) : file_(&file), document_(std::move(document)) {}
        SettingsFile* file_;
        SettingsDocument document_;
    };

    // Throws "Unable to write to %s" when the file exists but cannot be read (replacing it would lose it).
    Edit BeginEdit();
    // Each one a complete replacement of the file.
    void WriteText(const std::string& section, const std::string& key, const std::string& value);
    void WriteNumber(const std::string& section, const std::string& key, long long value);
    void WriteFlag(const std::string& section, const std::string& key, bool value);

    // Throws "Cannot open file "%s". %s" when the file is missing or unreadable.
    std::vector<std::string> LoadLines() const;
    // Throws "Cannot create file "%s". %s" when the file cannot be replaced.
    void SaveLines(const std::vector<std::string>& lines);

private:
    platform::FileSystem& files_;
    std::string path_;
};

}  // namespace zelta::profiles
