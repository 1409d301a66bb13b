#include "profiles/SettingsFile.h"

#include "app/model/ZeltaError.h"
#include "profiles/SettingsPath.h"

namespace zelta::profiles {

SettingsFile::SettingsFile(platform::Platform& platform)
    : SettingsFile(platform.files, SettingsFilePathFor(platform.environment.ExecutablePath())) {}

SettingsFile::SettingsFile(platform::FileSystem& files, std::string path) : files_(files), path_(std::move(path)) {}

SettingsDocument SettingsFile::Read() const {
    std::string reason;
    const auto content = files_.ReadFile(path_, reason);
    return content ? SettingsDocument::Parse(*content) : SettingsDocument();
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
    const auto content = files_.ReadFile(path_, reason);
    if (!content && files_.FileExists(path_)) throw ZeltaError(FormatError("Unable to write to %s", path_));
    return Edit(*this, content ? SettingsDocument::Parse(*content) : SettingsDocument());
}

void SettingsFile::Edit::Commit() {
    std::string reason;
    if (!file_->files_.ReplaceContents(file_->path_, document_.Content(), reason)) {
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

std::vector<std::string> SettingsFile::LoadLines() const {
    std::string reason;
    const auto content = files_.ReadFile(path_, reason);
    if (!content) throw ZeltaError("Cannot open file \"" + path_ + "\". " + reason);
    return SplitLines(*content);
}

void SettingsFile::SaveLines(const std::vector<std::string>& lines) {
    std::string reason;
    if (!files_.ReplaceContents(path_, JoinLines(lines), reason)) {
        throw ZeltaError("Cannot create file \"" + path_ + "\". " + reason);
    }
}

}  // namespace zelta::profiles
