#pragma once
// Address texts as the address fields show them.
#include <string>

namespace zelta {

// Four decimal numbers of one to three digits, each 0 to 255, joined by dots, nothing else.
bool IsDottedQuad(const std::string& text);

}  // namespace zelta
