#pragma once
// Firefox's own proxy settings: the preferences file of the user's Firefox profile in use, rewritten in place.
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace zelta::proxy {

// "network.proxy.type" for a manually set proxy, and for none.
constexpr int kManualProxyType = 1;
constexpr int kNoProxyType = 0;

// The user folder of the XP layout: "TEMP" up to and including the backslash that begins the first
// "\LOCALS~1\Temp" (exact letter case); empty when there is none.
std::string UserFolderFromTemp(const std::string& temp);
std::string GetUserFolder(platform::Environment& environment);

// Where Firefox is installed: the usual place first, then the 64-bit and the 32-bit program folders. Empty when
// it is in none of them.
std::string FindFirefoxProgram(platform::Platform& platform);

// The preferences file of the profile in use (see ProfileInUse) of a profile list that lies in firefoxFolder
// (trailing backslash): "Path" relative to that folder with its first "/" turned into "\", or taken as it is when
// "IsRelative" is 0. Empty when the list names no path.
std::string PrefsPathFromProfileList(const std::string& profileListContent, const std::string& firefoxFolder);

// The preferences file of the user's Firefox profile in use; empty when Firefox is not installed or no profile
// list names one. The profile list is looked for under the XP user folder first, then under "APPDATA".
std::string GetFirefoxPrefsPath(platform::Platform& platform);

// The four entry lines as they are written.
std::string HostLine(const std::string& address);
std::string PortLine(const std::string& port);
std::string ShareLine();
std::string TypeLine(int type);

// The proxy rewrite over the file's lines. A host entry gets the port and share entries right after it: the two
// lines after it are overwritten when they are those entries, else the missing ones are inserted there, so no
// other preference is lost. Every line but the last is looked at, up to the first type entry. A missing host
// entry is appended with its port entry, a missing type entry after them.
std::vector<std::string> RewriteProxyLines(std::vector<std::string> lines, const std::string& address,
                                           const std::string& port, int type);
// The same over the file's bytes: lines may end in CR LF, LF or CR and come back with CR LF; a UTF-8 byte-order
// mark stays in front.
std::string RewriteProxyContent(const std::string& content, const std::string& address, const std::string& port,
                                int type);
// Every manual proxy type entry turned to "no proxy"; the host and port entries stay for the next time. False
// when there was none (the lines are then unchanged).
bool TurnManualProxyOff(std::vector<std::string>& lines);

// Rewrites the preferences file, replacing it as a whole. Skipped when there is no Firefox or no preferences file.
// Throws "Cannot open file "%s". %s" when the file cannot be read and "Cannot create file "%s". %s" when it
// cannot be replaced.
void WriteFirefoxProxy(platform::Platform& platform, const std::string& address, const std::string& port, int type);
// Switches a manual proxy of the preferences file off, with the same rules; the file is left alone when it sets
// no manual proxy.
void SwitchFirefoxManualProxyOff(platform::Platform& platform);

}  // namespace zelta::proxy
