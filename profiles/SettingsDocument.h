#pragma once
// The settings file's text held as lines, with the rules for reading values and for placing written ones.
//
// Matching: section and key names are compared without regard to ASCII letter case, as Windows' own INI
// functions do; the first matching section and, inside it, the first matching key win. Blanks and tabs around
// a section name, a key and a value are ignored when reading; quotes are kept as part of the value. A line is a
// section header when it starts (after blanks) with "[" and holds a "]", the name running to the last "]"; any
// other line is a key line, and one without "=" names a key without a value, which reads as missing and hides a
// later line of the same key. There are no comment lines: "#_profiles" is an ordinary key.
#include <optional>
#include <string>
#include <vector>

namespace zelta::profiles {

// The longest value a read hands back; longer values are cut.
constexpr std::size_t kMaxValueLength = 2047;

// CR LF, a lone CR and a lone LF each end a line; a final line ending adds no empty line.
std::vector<std::string> SplitLines(const std::string& content);
// Every line followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

// The number-reading rule applied to a stored text: the default when it is not an integer that fits.
int NumberFromText(const std::string& text, int defaultValue);
// On for a non-zero integer, off for 0, the default for anything else.
bool FlagFromText(const std::string& text, bool defaultValue);

class SettingsDocument {
public:
    SettingsDocument() = default;
    explicit SettingsDocument(std::vector<std::string> lines) : lines_(std::move(lines)) {}
    static SettingsDocument Parse(const std::string& content) { return SettingsDocument(SplitLines(content)); }

    const std::vector<std::string>& Lines() const { return lines_; }
    // The names of the sections, in the order of the file, as the system's reader reads the header lines.
    std::vector<std::string> SectionNames() const;
    std::string Content() const { return JoinLines(lines_); }

    // The stored value, uncut; nullopt when the section or key is missing.
    std::optional<std::string> Value(const std::string& section, const std::string& key) const;
    std::string ReadText(const std::string& section, const std::string& key, const std::string& defaultValue) const;
    int ReadNumber(const std::string& section, const std::string& key, int defaultValue) const;
    bool ReadFlag(const std::string& section, const std::string& key, bool defaultValue) const;

    // A key already in its section is replaced in place; a new key goes after the section's last line; a new
    // section goes at the end of the file, without a blank line before it.
    void WriteText(const std::string& section, const std::string& key, const std::string& value);
    void WriteNumber(const std::string& section, const std::string& key, long long value);
    void WriteFlag(const std::string& section, const std::string& key, bool value);

private:
    std::optional<std::size_t> FindSection(const std::string& section) const;
    // One past the section's last line: the next header, or the end of the file.
    std::size_t SectionEnd(std::size_t header) const;
    std::optional<std::size_t> FindKey(std::size_t header, const std::string& key) const;

    std::vector<std::string> lines_;
};

}  // namespace zelta::profiles
