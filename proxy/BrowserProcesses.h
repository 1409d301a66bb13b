#pragma once
// Finding and ending a running browser by its executable name.
#include <cstdint>
#include <string>

#include "platform/Processes.h"

namespace zelta::proxy {

constexpr std::int64_t kNoProcess = -1;

// The id of the last process in a fresh snapshot whose executable name equals name exactly (letter case
// included); kNoProcess when none does.
std::int64_t FindProcessId(platform::Processes& processes, const std::string& name);
// Terminates the process with the given id, provided a fresh snapshot holds a process called name (ASCII letter
// case ignored; the whole name or its file-name part). Whether it ended is not examined.
void KillProcess(platform::Processes& processes, const std::string& name, std::int64_t id);

}  // namespace zelta::proxy
