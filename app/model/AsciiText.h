#pragma once
// Comparing and trimming 8-bit text as the system compares names (settings sections and keys, program and profile
// names): letter case aside for A to Z only, blanks being spaces and tabs.
#include <string>

namespace zelta {

bool SameIgnoringAsciiCase(const std::string& a, const std::string& b);
bool StartsWithIgnoringAsciiCase(const std::string& text, const std::string& start);
// Without the spaces and tabs at either end.
std::string TrimBlanks(const std::string& text);

}  // namespace zelta
