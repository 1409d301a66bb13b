// The general accessor's text reads and the typed value reader, on the fake registry.
#include <gtest/gtest.h>

#include "adapters/MiniReg.h"
#include "adapters/RegistryAccess.h"
#include "tests/adapters/AdapterRegistry.h"

namespace zelta::adapters {
namespace {

using fakes::kHklm;
using std::string_literals::operator""s;
const std::string kKey = "SOFTWARE\\Test";

struct Readers : ::testing::Test {
    fakes::FakeRegistry registry;
    void SetUp() override { registry.AddKey(kHklm, kKey); }
    void TearDown() override { EXPECT_EQ(registry.openKeys, 0); }
};

TEST_F(Readers, TextEndsAtTheFirstNulAndOnlyStringTypesAreText) {
    const struct {
        std::uint32_t type;
        std::string data, text, error;
    } cases[] = {{platform::kRegSz, "Local Area Connection\0"s, "Local Area Connection", ""},
                 {platform::kRegExpandSz, "%SystemRoot%\0"s, "%SystemRoot%", ""},
                 {platform::kRegSz, "no terminator", "no terminator", ""},
                 {platform::kRegSz, "a\0b\0"s, "a", ""},
                 {platform::kRegDword, "\x01\0\0\0"s, "", "Invalid data type for 'NameServer'"},
                 {platform::kRegMultiSz, "a\0\0"s, "", "Invalid data type for 'NameServer'"}};
    for (const auto& c : cases) {
        registry.SetValue(kHklm, kKey, "NameServer", c.type, c.data);
        std::string text;
        EXPECT_EQ(fakes::ErrorOf([&] { text = ReadText(*OpenExistingKey(registry, kHklm, kKey), "NameServer"); }),
                  c.error) << c.type;
        EXPECT_EQ(text, c.text) << c.type;
    }
    EXPECT_EQ(ReadText(*OpenExistingKey(registry, kHklm, kKey), "Missing"), "");
}

TEST(FindLastChar, GivesTheOneBasedPositionOfTheLastMatch) {
    EXPECT_EQ(FindLastChar('\\', "A\\B\\C"), 4u);
    EXPECT_EQ(FindLastChar('\\', "ABC"), 0u);
    EXPECT_EQ(FindLastChar('\\', ""), 0u);
}

TEST_F(Readers, MultiStringsKeepInnerNulsAndDropTheClosingOne) {
    const struct {
        std::uint32_t type;
        std::string data;
        std::optional<std::string> expected;
    } cases[] = {{platform::kRegMultiSz, "10.0.0.5\0\0"s, "10.0.0.5\0"s},  // nine characters
                 {platform::kRegMultiSz, "a\0b\0\0"s, "a\0b\0"s},
                 {platform::kRegMultiSz, "", ""},
                 {platform::kRegSz, "10.0.0.5\0"s, std::nullopt}};
    for (const auto& c : cases) {
        registry.SetValue(kHklm, kKey, "IPAddress", c.type, c.data);
        EXPECT_EQ(ReadMultiStringValue(registry, kHklm, kKey + "\\IPAddress"), c.expected);
    }
    registry.SetMultiString(kHklm, kKey, "", {"default"});
    EXPECT_EQ(ReadMultiStringValue(registry, kHklm, kKey + "\\"), "default\0"s);
    EXPECT_EQ(ReadMultiStringValue(registry, kHklm, kKey + "\\Missing"), std::nullopt);
    EXPECT_EQ(ReadMultiStringValue(registry, kHklm, "SOFTWARE\\Absent\\IPAddress"), std::nullopt);

    const int opensBefore = registry.openCalls;
    EXPECT_EQ(ReadMultiStringValue(registry, kHklm, "IPAddress"), std::nullopt);
    EXPECT_EQ(registry.openCalls, opensBefore);
}

}  // namespace
}  // namespace zelta::adapters
