#pragma once
// Hands the verdict to the main window of the program that lives in the companion's folder, if it runs.
#include <windows.h>

#include <string>

namespace zelta::companion {

// False when no such window runs (the program was closed meanwhile) or it did not take the verdict.
bool DeliverVerdict(const std::string& companionFolder, const std::string& encodedVerdict);

}  // namespace zelta::companion
