#include "profiles/SettingsDocument.h"

#include <climits>

#include "app/model/AsciiText.h"
#include "app/model/IntegerText.h"

namespace zelta::profiles {

namespace {

// The section name of a header line, up to the line's last "]" as the system's own reader takes it (so "[a]b]"
// names "a]b"); nullopt for any other line.
std::optional<std::string> SectionNameOf(const std::string& line) {
    const std::string trimmed = TrimBlanks(line);
    if (trimmed.empty() || trimmed[0] != '[') return std::nullopt;
    const auto close = trimmed.rfind(']');
    if (close == std::string::npos) return std::nullopt;
    return TrimBlanks(trimmed.substr(1, close - 1));
}

}  // namespace

std::vector<std::string> SettingsDocument::SectionNames() const {
    std::vector<std::string> names;
    for (const std::string& line : lines_) {
        if (auto name = SectionNameOf(line)) names.push_back(*name);
    }
    return names;
}

std::vector<std::string> SplitLines(const std::string& content) {
    std::vector<std::string> lines;
    std::string current;
    for (std::size_t i = 0; i < content.size(); ++i) {
        const char c = content[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(current);
            current.clear();
            if (c == '\r' && i + 1 < content.size() && content[i + 1] == '\n') ++i;
        } else {
            current += c;
        }
    }
    if (!current.empty()) lines.push_back(current);
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string content;
    for (const std::string& line : lines) content += line + "\r\n";
    return content;
}

int NumberFromText(const std::string& text, int defaultValue) {
    const auto value = ParseIntegerText(text);
    if (!value || *value < INT_MIN || *value > INT_MAX) return defaultValue;
    return static_cast<int>(*value);
}

bool FlagFromText(const std::string& text, bool defaultValue) {
    const auto value = ParseIntegerText(text);
    return value ? *value != 0 : defaultValue;
}

std::optional<std::size_t> SettingsDocument::FindSection(const std::string& section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = SectionNameOf(lines_[i]);
        if (name && SameIgnoringAsciiCase(*name, section)) return i;
    }
    return std::nullopt;
}

std::size_t SettingsDocument::SectionEnd(std::size_t header) const {
    std::size_t end = header + 1;
    while (end < lines_.size() && !SectionNameOf(lines_[end])) ++end;
    return end;
}

std::optional<std::size_t> SettingsDocument::FindKey(std::size_t header, const std::string& key) const {
    const std::size_t end = SectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        // A line without "=" names a key that has no value: it hides a later line of the same key.
        if (SameIgnoringAsciiCase(TrimBlanks(lines_[i].substr(0, lines_[i].find('='))), key)) return i;
    }
    return std::nullopt;
}

std::optional<std::string> SettingsDocument::Value(const std::string& section, const std::string& key) const {
    const auto header = FindSection(section);
    if (!header) return std::nullopt;
    const auto line = FindKey(*header, key);
    if (!line) return std::nullopt;
    const std::string& text = lines_[*line];
    const auto equals = text.find('=');
    if (equals == std::string::npos) return std::nullopt;
    return TrimBlanks(text.substr(equals + 1));
}

std::string SettingsDocument::ReadText(const std::string& section, const std::string& key,
                                       const std::string& defaultValue) const {
    const auto value = Value(section, key);
    return value ? value->substr(0, kMaxValueLength) : defaultValue;
}

int SettingsDocument::ReadNumber(const std::string& section, const std::string& key, int defaultValue) const {
    const auto value = Value(section, key);
    return value ? NumberFromText(value->substr(0, kMaxValueLength), defaultValue) : defaultValue;
}

bool SettingsDocument::ReadFlag(const std::string& section, const std::string& key, bool defaultValue) const {
    const auto value = Value(section, key);
    return value ? FlagFromText(value->substr(0, kMaxValueLength), defaultValue) : defaultValue;
}

void SettingsDocument::WriteText(const std::string& section, const std::string& key, const std::string& value) {
    const std::string keyLine = key + "=" + value;
    const auto header = FindSection(section);
    if (!header) {
        lines_.push_back("[" + section + "]");
        lines_.push_back(keyLine);
        return;
    }
    if (const auto line = FindKey(*header, key)) {
        lines_[*line] = keyLine;
        return;
    }
    // After the section's last line that is not blank, so a blank line before the next header stays there.
    std::size_t insertAt = SectionEnd(*header);
    while (insertAt > *header + 1 && TrimBlanks(lines_[insertAt - 1]).empty()) --insertAt;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), keyLine);
}

void SettingsDocument::WriteNumber(const std::string& section, const std::string& key, long long value) {
    WriteText(section, key, std::to_string(value));
}

void SettingsDocument::WriteFlag(const std::string& section, const std::string& key, bool value) {
    WriteText(section, key, value ? "1" : "0");
}

}  // namespace zelta::profiles
