#include "app/model/IntegerText.h"

#include <climits>

#include "app/model/ZeltaError.h"

namespace zelta {

std::optional<long long> ParseIntegerText(const std::string& text) {
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ') ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    int base = 10;
    if (pos < text.size() && text[pos] == '$') {
        base = 16;
        ++pos;
    } else if (pos + 1 < text.size() && text[pos] == '0' && (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
        base = 16;
        pos += 2;
    }
    if (pos >= text.size()) return std::nullopt;
    unsigned long long value = 0;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        int digit;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (base == 16 && c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (base == 16 && c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else {
            return std::nullopt;
        }
        // Checked before the step: twenty decimal digits overflow 64 bits and could wrap to a small value.
        const auto limit = static_cast<unsigned long long>(LLONG_MAX);
        if (value > (limit - static_cast<unsigned>(digit)) / static_cast<unsigned>(base)) return std::nullopt;
        value = value * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
    }
    const long long signedValue = static_cast<long long>(value);
    return negative ? -signedValue : signedValue;
}

int StrToInt(const std::string& text) {
    const auto value = ParseIntegerText(text);
    if (!value || *value < INT_MIN || *value > INT_MAX) {
        throw ZeltaError(FormatError("'%s' is not a valid integer value", text));
    }
    return static_cast<int>(*value);
}

}  // namespace zelta
