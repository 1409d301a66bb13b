// Integer text at the edges of the 64-bit range, where a reader that overflows would wrap to a small value.
#include <gtest/gtest.h>

#include <climits>
#include <optional>

#include "app/model/IntegerText.h"
#include "app/model/ZeltaError.h"
#include "profiles/SettingsDocument.h"

namespace zelta {
namespace {

TEST(IntegerText, TextBeyondTheRangeIsNotANumberEvenWhereItWouldWrapToASmallOne) {
    struct Case {
        const char* text;
        std::optional<long long> expected;
    };
    const Case cases[] = {
        {"9223372036854775807", LLONG_MAX},        {"-9223372036854775807", -LLONG_MAX},
        {"0x7FFFFFFFFFFFFFFF", LLONG_MAX},         {"9223372036854775808", std::nullopt},
        {"18446744073709551621", std::nullopt},                                              // 2^64 + 5
        {"23999999999999999999599", std::nullopt}, {"0x10000000000000005", std::nullopt},    // 2^64 + 5
        {"$8000000000000000", std::nullopt},       {"-18446744073709551617", std::nullopt},  // -(2^64 + 1)
        {"000000000000000000000000012", 12},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseIntegerText(c.text), c.expected) << c.text;
    EXPECT_EQ(profiles::NumberFromText("18446744073709551621", 99), 99);
    EXPECT_FALSE(profiles::FlagFromText("18446744073709551616", false));  // 2^64 would wrap to 0
    EXPECT_THROW(StrToInt("18446744073709551621"), ZeltaError);
}

}  // namespace
}  // namespace zelta
