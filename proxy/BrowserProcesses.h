#pragma once
// Finding and ending a running browser by its executable name.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Processes.h"

namespace zelta::proxy {

constexpr std::int64_t kNoProcess = -1;

// The id of the last process in a fresh snapshot whose executable name equals name exactly (letter case
// included); kNoProcess when none does.
std::int64_t FindProcessId(platform::Processes& processes, const std::string& name);
// Terminates the process with the given id, provided a fresh snapshot still lists that id under the name (ASCII
// letter case ignored; the whole name or its file-name part): an id that has meanwhile passed to another program
// is left alone. Whether it ended is not examined.
void KillProcess(platform::Processes& processes, const std::string& name, std::int64_t id);

// One running instance of a browser: its main process and the processes of the same name that descend from it,
// parents before their children.
struct BrowserTree {
    std::uint32_t main = 0;
    std::vector<std::uint32_t> descendants;
};

// The instances of the browser called name (exactly, letter case included, as FindProcessId matches) that run in
// the session ownSession, in the snapshot's order of their main processes. A main process is one whose parent is
// not a process of that name in that session: its parent is another program, has ended, or its id now belongs to
// another program. Processes of another or an unknown session are never part of it.
std::vector<BrowserTree> FindBrowserTrees(const std::vector<platform::ProcessEntry>& snapshot, const std::string& name,
                                          std::uint32_t ownSession);

// Ends every instance of the browser in this program's session, each main process before its descendants, each
// process checked by name in a fresh snapshot just before it is ended. True when there was one to end.
bool EndBrowser(platform::Processes& processes, const std::string& name);

}  // namespace zelta::proxy
