#include "proxy/BrowserProcesses.h"

namespace zelta::proxy {

namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameAsciiIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    }
    return true;
}

// The text after the last "\" or ":".
std::string FileNamePart(const std::string& exeName) {
    const auto separator = exeName.find_last_of("\\:");
    return separator == std::string::npos ? exeName : exeName.substr(separator + 1);
}

}  // namespace

std::int64_t FindProcessId(platform::Processes& processes, const std::string& name) {
    std::int64_t found = kNoProcess;
    for (const platform::ProcessEntry& entry : processes.Snapshot()) {
        if (entry.exeName == name) found = entry.id;
    }
    return found;
}

void KillProcess(platform::Processes& processes, const std::string& name, std::int64_t id) {
    if (id < 0 || id > UINT32_MAX) return;
    for (const platform::ProcessEntry& entry : processes.Snapshot()) {
        if (SameAsciiIgnoringCase(FileNamePart(entry.exeName), name) || SameAsciiIgnoringCase(entry.exeName, name)) {
            // Only the one id is ended, however many processes carry the name; asking again would meet a process
            // that is already ending.
            (void)processes.Terminate(static_cast<std::uint32_t>(id));
            return;
        }
    }
}

}  // namespace zelta::proxy
