#include "proxy/FirefoxPrefs.h"

#include "app/model/ZeltaError.h"
#include "profiles/SettingsDocument.h"
#include "proxy/FirefoxProfileList.h"
#include "tools/Launchers.h"

namespace zelta::proxy {

namespace {

const char kFirefoxInProgramFolder[] = "\\Mozilla Firefox\\firefox.exe";

bool Contains(const std::string& line, const char* part) { return line.find(part) != std::string::npos; }

// "network.proxy.http" with its quotes, so that the port entry does not count as a host entry.
bool IsHostEntry(const std::string& line) { return Contains(line, "\"network.proxy.http\""); }
bool IsPortEntry(const std::string& line) { return Contains(line, "\"network.proxy.http_port\""); }
bool IsShareEntry(const std::string& line) { return Contains(line, "\"network.proxy.share_proxy_settings\""); }
bool IsTypeEntry(const std::string& line) { return Contains(line, "network.proxy.type"); }

// Overwrites the line at index when it is the wanted entry, else inserts the entry there.
void PutEntryAt(std::vector<std::string>& lines, std::size_t index, bool (*isEntry)(const std::string&),
                const std::string& entry) {
    if (index < lines.size() && isEntry(lines[index])) {
        lines[index] = entry;
    } else {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(index), entry);
    }
}

bool StartsWithByteOrderMark(const std::string& content) { return content.rfind(platform::kUtf8Mark, 0) == 0; }

// The file's text as lines, its byte-order mark (if any) set aside so that it cannot be lost with a first line
// that is rewritten.
std::vector<std::string> ContentLines(const std::string& content, std::string& mark) {
    mark = StartsWithByteOrderMark(content) ? platform::kUtf8Mark : "";
    return profiles::SplitLines(content.substr(mark.size()));
}

std::string ReadPrefs(platform::FileSystem& files, const std::string& path) {
    std::string reason;
    auto content = files.ReadFile(path, reason);
    if (!content) throw ZeltaError(CannotOpenFileError(path, reason));
    return std::move(*content);
}

void ReplacePrefs(platform::FileSystem& files, const std::string& path, const std::string& content) {
    std::string reason;
    if (!files.ReplaceContents(path, content, reason)) {
        throw ZeltaError(CannotCreateFileError(path, reason));
    }
}

// The preferences file to change; empty when there is none to change.
std::string ExistingPrefsPath(platform::Platform& platform) {
    const std::string path = GetFirefoxPrefsPath(platform);
    return !path.empty() && platform.files.FileExists(path) ? path : std::string();
}

}  // namespace

std::string UserFolderFromTemp(const std::string& temp) {
    const auto found = temp.find("\\LOCALS~1\\Temp");
    return found == std::string::npos ? std::string() : temp.substr(0, found + 1);
}

std::string GetUserFolder(platform::Environment& environment) {
    return UserFolderFromTemp(environment.Variable("TEMP"));
}

std::string FindFirefoxProgram(platform::Platform& platform) {
    std::vector<std::string> candidates{tools::kFirefoxPath};
    for (const char* folder : {"ProgramFiles", "ProgramFiles(x86)"}) {
        const std::string programFolder = platform.environment.Variable(folder);
        if (!programFolder.empty()) candidates.push_back(programFolder + kFirefoxInProgramFolder);
    }
    for (const std::string& candidate : candidates) {
        if (platform.files.FileExists(candidate)) return candidate;
    }
    return {};
}

std::string PrefsPathFromProfileList(const std::string& profileListContent, const std::string& firefoxFolder) {
    const auto profile = ProfileInUse(profiles::SettingsDocument::Parse(profileListContent));
    if (!profile) return {};
    std::string path = profile->path;
    if (!profile->isRelative) return path + "\\prefs.js";
    const auto slash = path.find('/');
    if (slash != std::string::npos) path[slash] = '\\';
    return firefoxFolder + path + "\\prefs.js";
}

std::string GetFirefoxPrefsPath(platform::Platform& platform) {
    if (FindFirefoxProgram(platform).empty()) return {};
    // The XP layout first, so that XP finds what it always found; then the application-data folder of every
    // later Windows, where "TEMP" holds no "\LOCALS~1\Temp".
    std::vector<std::string> firefoxFolders;
    const std::string userFolder = GetUserFolder(platform.environment);
    if (!userFolder.empty()) firefoxFolders.push_back(userFolder + "Application Data\\Mozilla\\Firefox\\");
    const std::string appData = platform.environment.Variable("APPDATA");
    if (!appData.empty()) firefoxFolders.push_back(appData + "\\Mozilla\\Firefox\\");
    for (const std::string& folder : firefoxFolders) {
        std::string reason;
        const auto profileList = platform.files.ReadFile(folder + "profiles.ini", reason);
        if (!profileList) continue;
        // Read as the system's own INI reader reads it: a UTF-8 list with its mark in ANSI.
        bool exact = false;
        const std::string text = StartsWithByteOrderMark(*profileList)
                                     ? platform.codePages.Utf8ToAnsiText(profileList->substr(3), exact)
                                     : *profileList;
        const std::string prefs = PrefsPathFromProfileList(text, folder);
        if (!prefs.empty()) return prefs;
    }
    return {};
}

std::string HostLine(const std::string& address) { return "user_pref(\"network.proxy.http\", \"" + address + "\");"; }
std::string PortLine(const std::string& port) { return "user_pref(\"network.proxy.http_port\", " + port + ");"; }
std::string ShareLine() { return "user_pref(\"network.proxy.share_proxy_settings\", true);"; }
std::string TypeLine(int type) { return "user_pref(\"network.proxy.type\", " + std::to_string(type) + ");"; }

std::vector<std::string> RewriteProxyLines(std::vector<std::string> lines, const std::string& address,
                                           const std::string& port, int type) {
    bool hostWritten = false;
    bool typeWritten = false;
    // The last line is never looked at: an entry there stays, and the appended one after it is the one Firefox
    // reads last and keeps. Inserted lines go before the last line, so it stays last.
    for (std::size_t i = 0; i + 1 < lines.size() && !typeWritten; ++i) {
        if (IsHostEntry(lines[i])) {
            lines[i] = HostLine(address);
            PutEntryAt(lines, i + 1, IsPortEntry, PortLine(port));
            PutEntryAt(lines, i + 2, IsShareEntry, ShareLine());
            hostWritten = true;
        }
        if (IsTypeEntry(lines[i])) {
            lines[i] = TypeLine(type);
            typeWritten = true;
        }
    }
    if (!hostWritten) {
        lines.push_back(HostLine(address));
        lines.push_back(PortLine(port));
    }
    if (!typeWritten) lines.push_back(TypeLine(type));
    return lines;
}

std::string RewriteProxyContent(const std::string& content, const std::string& address, const std::string& port,
                                int type) {
    std::string mark;
    const auto lines = ContentLines(content, mark);
    return mark + profiles::JoinLines(RewriteProxyLines(lines, address, port, type));
}

bool TurnManualProxyOff(std::vector<std::string>& lines) {
    const std::string manual = TypeLine(kManualProxyType);
    bool changed = false;
    for (std::string& line : lines) {
        if (line == manual) {
            line = TypeLine(kNoProxyType);
            changed = true;
        }
    }
    return changed;
}

void WriteFirefoxProxy(platform::Platform& platform, const std::string& address, const std::string& port, int type) {
    const std::string path = ExistingPrefsPath(platform);
    if (path.empty()) return;
    const auto content = ReadPrefs(platform.files, path);
    ReplacePrefs(platform.files, path, RewriteProxyContent(content, address, port, type));
}

void SwitchFirefoxManualProxyOff(platform::Platform& platform) {
    const std::string path = ExistingPrefsPath(platform);
    if (path.empty()) return;
    const auto content = ReadPrefs(platform.files, path);
    std::string mark;
    auto lines = ContentLines(content, mark);
    if (TurnManualProxyOff(lines)) ReplacePrefs(platform.files, path, mark + profiles::JoinLines(lines));
}

}  // namespace zelta::proxy
