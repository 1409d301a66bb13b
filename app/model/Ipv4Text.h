#pragma once
// Address texts as the address fields show them.
#include <cstdint>
#include <optional>
#include <string>

namespace zelta {

// Four decimal numbers of one to three digits, each 0 to 255, joined by dots, nothing else.
bool IsDottedQuad(const std::string& text);
// The address of a dotted quad as one number, its first octet in the highest byte; nothing for any other text.
std::optional<std::uint32_t> DottedQuadValue(const std::string& text);

}  // namespace zelta
