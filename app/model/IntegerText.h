#pragma once
// Integer text as the program reads it: leading blanks, an optional sign, decimal digits or hexadecimal
// digits after "0x", "0X" or "$", and nothing after the digits.
#include <optional>
#include <string>

namespace zelta {

std::optional<long long> ParseIntegerText(const std::string& text);

// As ParseIntegerText, but a text that is not an integer throws "'%s' is not a valid integer value".
int StrToInt(const std::string& text);

}  // namespace zelta
