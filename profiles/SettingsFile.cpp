#include "profiles/SettingsFile.h"

#include "app/model/ZeltaError.h"
#include "profiles/SettingsPath.h"

namespace zelta::profiles {

namespace {

using platform::kUtf8Mark;
const char kUnwritableReason[] = "The file holds characters that the ANSI code page lacks";

bool StartsWith(const std::string& text, const std::string& prefix) { return text.compare(0, prefix.size(), prefix) == 0; }

}  // namespace

SettingsFile::SettingsFile(platform::Platform& platform)
    : SettingsFile(platform.files, platform.codePages, SettingsFilePathFor(platform.environment.ExecutablePath())) {}

SettingsFile::SettingsFile(platform::FileSystem& files, platform::CodePages& codePages, std::string path)
    : files_(files), codePages_(codePages), path_(std::move(path)) {}

std::optional<SettingsFile::Text> SettingsFile::ReadDecoded(std::string& reason) const {
    const auto content = files_.ReadFile(path_, reason);
    if (!content) return std::nullopt;
    if (StartsWith(*content, kUtf8Mark)) {
        bool exact = false;
        std::string text = codePages_.Utf8ToAnsiText(content->substr(3), exact);
        return Text{std::move(text), exact ? Encoding::Utf8WithMark : Encoding::Unwritable};
    }
    // UTF-16 in either byte order: not text this reader takes, and not to be overwritten with ANSI.
    if (StartsWith(*content, "\xFF\xFE") || StartsWith(*content, "\xFE\xFF")) return Text{"", Encoding::Unwritable};
    return Text{*content, Encoding::Ansi};
}

std::optional<std::string> SettingsFile::Encode(const std::string& text, Encoding encoding) const {
    switch (encoding) {
        case Encoding::Ansi:
            return text;
        case Encoding::Utf8WithMark:
            return kUtf8Mark + codePages_.AnsiTextToUtf8(text);
        case Encoding::Unwritable:
            break;
    }
    return std::nullopt;
}

SettingsDocument SettingsFile::Read() const {
    std::string reason;
    const auto text = ReadDecoded(reason);
    return text ? SettingsDocument::Parse(text->text) : SettingsDocument();
}

std::string SettingsFile::ReadText(const std::string& section, const std::string& key,
                                   const std::string& defaultValue) const {
    return Read().ReadText(section, key, defaultValue);
}

int SettingsFile::ReadNumber(const std::string& section, const std::string& key, int defaultValue) const {
    return Read().ReadNumber(section, key, defaultValue);
}

bool SettingsFile::ReadFlag(const std::string& section, const std::string& key, bool defaultValue) const {
    return Read().ReadFlag(section, key, defaultValue);
}

SettingsFile::Edit SettingsFile::BeginEdit() {
    std::string reason;
    const auto text = ReadDecoded(reason);
    if (!text && files_.FileExists(path_)) throw ZeltaError(FormatError("Unable to write to %s", path_));
    if (!text) return Edit(*this, SettingsDocument(), Encoding::Ansi);
    return Edit(*this, SettingsDocument::Parse(text->text), text->encoding);
}

void SettingsFile::Edit::Commit() {
    const auto content = file_->Encode(document_.Content(), encoding_);
    if (!content) throw ZeltaError(FormatError("Unable to write to %s", file_->path_) + ". " + kUnwritableReason);
    std::string reason;
    if (!file_->files_.ReplaceContents(file_->path_, *content, reason)) {
        throw ZeltaError(FormatError("Unable to write to %s", file_->path_));
    }
}

void SettingsFile::WriteText(const std::string& section, const std::string& key, const std::string& value) {
    Edit edit = BeginEdit();
    edit.WriteText(section, key, value);
    edit.Commit();
}

void SettingsFile::WriteNumber(const std::string& section, const std::string& key, long long value) {
    Edit edit = BeginEdit();
    edit.WriteNumber(section, key, value);
    edit.Commit();
}

void SettingsFile::WriteFlag(const std::string& section, const std::string& key, bool value) {
    Edit edit = BeginEdit();
    edit.WriteFlag(section, key, value);
    edit.Commit();
}

std::vector<std::string> SettingsFile::LoadLines() {
    std::string reason;
    const auto text = ReadDecoded(reason);
    if (!text) throw ZeltaError(CannotOpenFileError(path_, reason));
    loadedEncoding_ = text->encoding;
    return SplitLines(text->text);
}

void SettingsFile::SaveLines(const std::vector<std::string>& lines) {
    const auto content = Encode(JoinLines(lines), loadedEncoding_);
    if (!content) throw ZeltaError(CannotCreateFileError(path_, kUnwritableReason));
    std::string reason;
    if (!files_.ReplaceContents(path_, *content, reason)) {
        throw ZeltaError(CannotCreateFileError(path_, reason));
    }
}

}  // namespace zelta::profiles
