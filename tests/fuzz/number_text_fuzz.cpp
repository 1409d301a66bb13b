// The number reader over arbitrary text, against the C library's own conversion of the same digits: leading
// blanks, a sign, decimal digits or hexadecimal ones after "0x", "0X" or "$", nothing else, and a value that
// fits a long long. The int and flag readings follow from it.
#include <fuzzer/FuzzedDataProvider.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "FuzzCheck.h"
#include "app/model/IntegerText.h"
#include "app/model/ZeltaError.h"
#include "profiles/SettingsDocument.h"

using namespace zelta;

namespace {

std::optional<long long> ExpectedValue(const std::string& text) {
    std::size_t pos = text.find_first_not_of(' ');
    if (pos == std::string::npos) return std::nullopt;
    bool negative = false;
    if (text[pos] == '+' || text[pos] == '-') negative = text[pos++] == '-';
    int base = 10;
    if (text.compare(pos, 1, "$") == 0) {
        base = 16;
        pos += 1;
    } else if (text.compare(pos, 2, "0x") == 0 || text.compare(pos, 2, "0X") == 0) {
        base = 16;
        pos += 2;
    }
    const std::string digits = text.substr(pos);
    const char* allowed = base == 16 ? "0123456789abcdefABCDEF" : "0123456789";
    if (digits.empty() || digits.find_first_not_of(allowed) != std::string::npos) return std::nullopt;
    errno = 0;
    const unsigned long long magnitude = std::strtoull(digits.c_str(), nullptr, base);
    if (errno == ERANGE || magnitude > static_cast<unsigned long long>(LLONG_MAX)) return std::nullopt;
    const auto value = static_cast<long long>(magnitude);
    return negative ? -value : value;
}

std::string Hex(unsigned long long value) {
    const char* digits = "0123456789aBcDeF";
    std::string text;
    do {
        text.insert(text.begin(), digits[value % 16]);
        value /= 16;
    } while (value != 0);
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string text = fuzz::Bytes(data, size);
    // The C library stops at a zero byte; the reader does not, so such a text is compared as not a number.
    const std::optional<long long> expected =
        text.find('\0') == std::string::npos ? ExpectedValue(text) : std::optional<long long>();
    const std::optional<long long> value = ParseIntegerText(text);
    FUZZ_CHECK(value == expected);

    const bool fitsInt = value && *value >= INT_MIN && *value <= INT_MAX;
    FUZZ_CHECK(profiles::NumberFromText(text, 7) == (fitsInt ? static_cast<int>(*value) : 7));
    FUZZ_CHECK(profiles::NumberFromText(text, -3) == (fitsInt ? static_cast<int>(*value) : -3));
    FUZZ_CHECK(profiles::FlagFromText(text, false) == (value && *value != 0));
    FUZZ_CHECK(profiles::FlagFromText(text, true) == (!value || *value != 0));
    bool threw = false;
    try {
        const int number = StrToInt(text);
        FUZZ_CHECK(value && number == *value);
    } catch (const ZeltaError& error) {
        threw = true;
        // what() ends at a zero byte of the text.
        FUZZ_CHECK(std::string(error.what()) == ("'" + text + "' is not a valid integer value").c_str());
    }
    FUZZ_CHECK(threw == !fitsInt);

    // Every long long but the lowest comes back from its own decimal and hexadecimal text.
    if (size >= sizeof(long long)) {
        long long number;
        std::memcpy(&number, data, sizeof number);
        if (number != LLONG_MIN) {
            FUZZ_CHECK(ParseIntegerText(std::to_string(number)) == number);
            const unsigned long long magnitude =
                number < 0 ? 0ULL - static_cast<unsigned long long>(number) : static_cast<unsigned long long>(number);
            const std::string sign = number < 0 ? "-" : (data[0] & 1 ? "+" : "");
            const std::string prefix = data[1] & 1 ? "$" : (data[1] & 2 ? "0X" : "0x");
            FUZZ_CHECK(ParseIntegerText("  " + sign + prefix + Hex(magnitude)) == number);
        }
    }
    return 0;
}
