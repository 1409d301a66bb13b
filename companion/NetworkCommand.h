#pragma once
// The only commands the companion runs, with administrator rights: the adapter commands that the main program
// writes, each for the system's own netsh. A batch file is a text anybody who can write to its folder can change;
// a line of any other shape is not run.
#include <string>

namespace zelta::companion {

inline constexpr const char* kNetshFileName = "netsh.exe";

// Empty when the command line (as read back from the batch file) has the shape of an adapter command:
//   netsh int ip|ipv4 set address|set dns|add dns name="ADAPTER"[ KEY=VALUE]...
// with one blank between parts, KEY one of source, addr, mask, gateway, gwmetric, index, validate, and VALUE letters,
// digits and dots only. Otherwise what is wrong with it, as a phrase.
std::string ForeignCommandProblem(const std::string& commandLine);

}  // namespace zelta::companion
