#pragma once
// The profile settings file beside the executable. Nothing is kept between operations: every read reads the
// file, and every change builds the new content and replaces the file as a whole in one step, so a failure
// leaves the old file as it was.
//
// The program writes ANSI text. A file that a text editor saved as UTF-8 with a byte-order mark is read as the
// system's own INI functions read it: the mark skipped, the text converted to ANSI. It is written back the same
// way, mark included. When its text holds a character that ANSI cannot hold (or bytes that are no UTF-8), the
// text read is only a near match, and writing it back would lose those characters: every write to such a file is
// refused, and so is every write to a UTF-16 file, whose text the reader does not take.
#include <optional>
#include <string>
#include <vector>

#include "platform/CodePages.h"
#include "platform/FileSystem.h"
#include "platform/Platform.h"
#include "profiles/SettingsDocument.h"

namespace zelta::profiles {

class SettingsFile {
public:
    // How the file's bytes stand for its text.
    enum class Encoding {
        Ansi,
        Utf8WithMark,  // read and written through the code-page conversion
        Unwritable,    // a UTF-8 text ANSI cannot hold exactly, or a UTF-16 file
    };

    // The file named after the executable, its path derived now.
    explicit SettingsFile(platform::Platform& platform);
    SettingsFile(platform::FileSystem& files, platform::CodePages& codePages, std::string path);

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
        // Throws "Unable to write to %s" when the file cannot be replaced, or could not be written back whole.
        void Commit();

    private:
        friend class SettingsFile;
        Edit(SettingsFile& file, SettingsDocument document, Encoding encoding)
            : file_(&file), document_(std::move(document)), encoding_(encoding) {}
        SettingsFile* file_;
        SettingsDocument document_;
        Encoding encoding_;
    };

    // Throws "Unable to write to %s" when the file exists but cannot be read (replacing it would lose it).
    Edit BeginEdit();
    // Each one a complete replacement of the file.
    void WriteText(const std::string& section, const std::string& key, const std::string& value);
    void WriteNumber(const std::string& section, const std::string& key, long long value);
    void WriteFlag(const std::string& section, const std::string& key, bool value);

    // Throws "Cannot open file "%s". %s" when the file is missing or unreadable.
    std::vector<std::string> LoadLines();
    // Throws "Cannot create file "%s". %s" when the file cannot be replaced. The lines are written in the
    // encoding the last LoadLines found.
    void SaveLines(const std::vector<std::string>& lines);

private:
    struct Text {
        std::string text;
        Encoding encoding;
    };
    // The file's text in ANSI; nullopt when it cannot be read (reason says why).
    std::optional<Text> ReadDecoded(std::string& reason) const;
    // The bytes to store for the text; nullopt when the file must not be written.
    std::optional<std::string> Encode(const std::string& text, Encoding encoding) const;

    platform::FileSystem& files_;
    platform::CodePages& codePages_;
    std::string path_;
    Encoding loadedEncoding_ = Encoding::Ansi;
};

}  // namespace zelta::profiles
