#include "proxy/BrowserProcesses.h"

#include <cstddef>
#include <set>

#include "app/model/AsciiText.h"

namespace zelta::proxy {

namespace {

// The text after the last "\" or ":".
std::string FileNamePart(const std::string& exeName) {
    const auto separator = exeName.find_last_of("\\:");
    return separator == std::string::npos ? exeName : exeName.substr(separator + 1);
}

bool NamedLike(const std::string& exeName, const std::string& name) {
    return SameIgnoringAsciiCase(FileNamePart(exeName), name) || SameIgnoringAsciiCase(exeName, name);
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
        if (entry.id != id) continue;
        if (NamedLike(entry.exeName, name)) (void)processes.Terminate(static_cast<std::uint32_t>(id));
        return;
    }
}

std::vector<BrowserTree> FindBrowserTrees(const std::vector<platform::ProcessEntry>& snapshot, const std::string& name,
                                          std::uint32_t ownSession) {
    std::vector<const platform::ProcessEntry*> browser;
    std::set<std::uint32_t> browserIds;
    if (ownSession != platform::kUnknownSession) {
        for (const platform::ProcessEntry& entry : snapshot) {
            if (entry.exeName != name || entry.sessionId != ownSession) continue;
            browser.push_back(&entry);
            browserIds.insert(entry.id);
        }
    }
    std::set<std::uint32_t> taken;
    std::vector<BrowserTree> trees;
    const auto takeTree = [&](std::uint32_t main) {
        // Breadth first from the main process, so that every parent comes before its children.
        std::vector<std::uint32_t> members{main};
        taken.insert(main);
        for (std::size_t next = 0; next < members.size(); ++next) {
            for (const platform::ProcessEntry* entry : browser) {
                if (entry->parentId == members[next] && taken.insert(entry->id).second) members.push_back(entry->id);
            }
        }
        trees.push_back({main, std::vector<std::uint32_t>(members.begin() + 1, members.end())});
    };
    for (const platform::ProcessEntry* entry : browser) {
        const bool parentIsBrowser = entry->parentId != entry->id && browserIds.count(entry->parentId) > 0;
        if (!parentIsBrowser && taken.count(entry->id) == 0) takeTree(entry->id);
    }
    // Parents that point at each other in a ring (only possible when ids were handed out again) leave no main
    // process: the first of the ring in the snapshot stands in for it, so no process of the browser is left.
    for (const platform::ProcessEntry* entry : browser) {
        if (taken.count(entry->id) == 0) takeTree(entry->id);
    }
    return trees;
}

bool EndBrowser(platform::Processes& processes, const std::string& name) {
    const auto trees = FindBrowserTrees(processes.Snapshot(), name, processes.OwnSessionId());
    // Ending the main process does not end its children on this system, so each is ended here too, the main process
    // first: it is the one that writes the preferences and starts children again (a browser that restores a
    // crashed tab would replace a child ended before it).
    for (const BrowserTree& tree : trees) {
        KillProcess(processes, name, tree.main);
        for (std::uint32_t descendant : tree.descendants) KillProcess(processes, name, descendant);
    }
    return !trees.empty();
}

}  // namespace zelta::proxy
