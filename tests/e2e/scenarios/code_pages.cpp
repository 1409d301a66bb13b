// The system's code-page conversions with the code pages passed in, among them a system set to use UTF-8 for its
// ANSI and console code pages (65001), which refuses the best-fit and default-character requests of the other code
// pages: a text reaches the console code page exactly or not at all, and console output reads back in the ANSI one.
#include <cstdio>
#include <optional>

#include "platform/win32/CodePages_win32.h"
#include "tests/e2e/driver/Driver.h"

namespace {

struct Case {
    unsigned ansi;
    unsigned console;
    std::string text;                     // in the ANSI code page
    std::optional<std::string> expected;  // nullopt: a character without its exact counterpart
};

std::string Show(const std::optional<std::string>& bytes) {
    if (!bytes) return "(refused)";
    std::string shown;
    for (unsigned char c : *bytes) {
        char hex[8];
        std::snprintf(hex, sizeof(hex), "\\x%02X", c);
        shown += c < 0x80 ? std::string(1, static_cast<char>(c)) : std::string(hex);
    }
    return shown;
}

}  // namespace

E2E_SCENARIO(code_pages) {
    const std::string utf8Cafe = "Caf\xC3\xA9";
    const std::string utf8Japanese = "\xE6\x97\xA5\xE6\x9C\xAC LAN";  // two ideographs, a blank and LAN
    const std::string utf8Emoji = "Wi-Fi \xF0\x9F\x93\xB6";           // outside the 16-bit plane
    const Case cases[] = {
        {65001, 65001, "Local Area Connection", std::string("Local Area Connection")},
        {65001, 65001, utf8Cafe, utf8Cafe},
        {65001, 65001, utf8Japanese, utf8Japanese},
        {65001, 65001, utf8Emoji, utf8Emoji},
        {65001, 65001, "Caf\xE9", std::nullopt},  // no UTF-8: a byte of another code page
        {65001, 437, utf8Cafe, std::string("Caf\x82")},
        {65001, 437, utf8Japanese, std::nullopt},
        {1252, 65001, "Caf\xE9", utf8Cafe},
        {1252, 437, "Caf\xE9", std::string("Caf\x82")},
        {1252, 437, "\x80uro", std::nullopt},   // the euro sign: no counterpart
        {1252, 437, "\x8Akoda", std::nullopt},  // S with caron: only a look-alike "S"
        {1252, 437, "", std::string()},
    };
    for (const Case& c : cases) {
        zelta::platform::Win32CodePages pages(c.ansi, c.console);
        const std::string what = std::to_string(c.ansi) + " to " + std::to_string(c.console) + ": " + Show(c.text);
        const std::optional<std::string> console = pages.AnsiToConsole(c.text);
        e2e::CheckEq(ctx, Show(console), Show(c.expected), what);
        // What the console shows comes back to the same ANSI text.
        if (console) e2e::CheckEq(ctx, Show(pages.ConsoleToAnsi(*console)), Show(c.text), "back from " + what);
    }

    // The ANSI text of a UTF-8 settings file, exact or not, on a UTF-8 system and on a Western one.
    zelta::platform::Win32CodePages utf8System(65001, 65001);
    zelta::platform::Win32CodePages westernSystem(1252, 437);
    bool exact = false;
    e2e::CheckEq(ctx, utf8System.Utf8ToAnsiText(utf8Japanese, exact), utf8Japanese, "UTF-8 file on a UTF-8 system");
    e2e::Check(ctx, exact, "UTF-8 file on a UTF-8 system is exact");
    e2e::CheckEq(ctx, Show(westernSystem.Utf8ToAnsiText(utf8Cafe, exact)), Show("Caf\xE9"), "UTF-8 file, Western");
    e2e::Check(ctx, exact, "UTF-8 file, Western, is exact");
    westernSystem.Utf8ToAnsiText(utf8Japanese, exact);
    e2e::Check(ctx, !exact, "ideographs in a Western code page are not exact");
    e2e::CheckEq(ctx, utf8System.AnsiTextToUtf8(utf8Emoji), utf8Emoji, "ANSI text of a UTF-8 system as UTF-8");
}
