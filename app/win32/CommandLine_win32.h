#pragma once
// The program's command line as the system hands it over.
#include <string>

namespace zelta::win32 {

// What follows the program's own name, in the ANSI code page. exact is false when characters of it have no
// counterpart in that code page: the system would pass them on as others ("?"), and a name so changed must never
// be taken for another.
std::string CommandLineArguments(bool& exact);

}  // namespace zelta::win32
