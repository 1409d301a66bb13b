#pragma once
// The system folder (C:\Windows\System32 for a program of the system's own width), where the programs and DLLs of
// the system live and where no user can write.
#include <string>

namespace zelta::platform {

// Without a trailing backslash; empty when the system does not say.
std::string SystemFolder();

// The folder of the system's own programs of the system's own width: for a 32-bit program on 64-bit Windows, the
// "Sysnative" alias of the 64-bit system folder, which the file-system redirector would otherwise turn into the
// 32-bit one; elsewhere, and where the alias does not exist (64-bit XP without its update), SystemFolder().
std::string NativeSystemFolder();

// Restricts this process's DLL loading to the system folder and the program's own loads by full path, and takes the
// working folder out of the search, on every system that offers it. Call first thing, before any library loads.
void RestrictDllSearchToSystemFolder();

}  // namespace zelta::platform
