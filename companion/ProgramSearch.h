#pragma once
// Finding the program a command names, in the order the command interpreter looks: the current folder first,
// then each folder of PATH, trying the extensions of PATHEXT in each. A netsh.exe in the current folder is the
// one that runs, as it would under the interpreter.
#include <functional>
#include <optional>
#include <string>

namespace zelta::companion {

struct SearchPlaces {
    std::string currentFolder;  // without a trailing backslash
    std::string path;           // the PATH variable
    std::string pathExt;        // the PATHEXT variable; the interpreter's default when empty
};

// The full path of the first file that exists, or nullopt.
std::optional<std::string> FindProgram(const std::string& name, const SearchPlaces& places,
                                       const std::function<bool(const std::string&)>& fileExists);

// True for the files that are programs of their own (".exe", ".com"); a found batch or script would need the
// command interpreter.
bool IsStartableProgram(const std::string& path);

}  // namespace zelta::companion
