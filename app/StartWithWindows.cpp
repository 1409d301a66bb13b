#include "app/StartWithWindows.h"

#include "app/model/AsciiText.h"
#include "app/model/ZeltaError.h"

namespace zelta {

namespace {

constexpr auto kUser = platform::RegistryRoot::CurrentUser;

// The program a Run command starts: the quoted text, or what stands before the first blank.
std::string ProgramOf(const std::string& command) {
    const std::string text = TrimBlanks(command);
    if (!text.empty() && text.front() == '"') {
        const std::size_t closing = text.find('"', 1);
        return closing == std::string::npos ? std::string() : text.substr(1, closing - 1);
    }
    return text.substr(0, text.find_first_of(" \t"));
}

}  // namespace

std::string RunCommand(const std::string& executablePath) { return "\"" + executablePath + "\" /tray"; }

bool StartsWithWindows(platform::Registry& registry, const std::string& executablePath) {
    const auto key = registry.OpenKey(kUser, kRunKey, platform::RegistryAccess::Read);
    if (!key) return false;
    const auto value = key->QueryValue(kRunValueName);
    if (!value || (value->type != platform::kRegSz && value->type != platform::kRegExpandSz)) return false;
    const std::string command = value->data.substr(0, value->data.find('\0'));
    return !executablePath.empty() && SameIgnoringAsciiCase(ProgramOf(command), executablePath);
}

void SetStartWithWindows(platform::Registry& registry, const std::string& executablePath, bool start) {
    const std::string failure = SetDataError(kRunValueName);
    if (!start) {
        const auto key = registry.OpenKey(kUser, kRunKey, platform::RegistryAccess::ReadWrite);
        if (key && !key->DeleteValue(kRunValueName)) throw ZeltaError(failure);
        return;
    }
    const auto key = registry.CreateKey(kUser, kRunKey);
    const std::string text = RunCommand(executablePath);
    if (!key || !key->SetValue(kRunValueName, {platform::kRegSz, text + std::string(1, '\0')})) {
        throw ZeltaError(failure);
    }
}

}  // namespace zelta
