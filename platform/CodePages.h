#pragma once
// Conversions between the system's two 8-bit code pages: the ANSI one the program's texts are in, and the console
// (OEM) one in which the command interpreter reads a batch file and console programs print; and between the ANSI
// code page and UTF-8, the encoding of a text file saved with a UTF-8 byte-order mark.
#include <optional>
#include <string>

namespace zelta::platform {

// The byte-order mark that opens a text file saved as UTF-8.
inline constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";

class CodePages {
public:
    virtual ~CodePages() = default;
    // The text in the console code page; nullopt when a character has no exact counterpart there (a near match
    // would name another adapter). Named so as not to meet the system headers' AnsiToOem macro.
    virtual std::optional<std::string> AnsiToConsole(const std::string& text) = 0;
    // What a console program printed, in the ANSI code page; characters without a counterpart become "?".
    virtual std::string ConsoleToAnsi(const std::string& text) = 0;
    // UTF-8 text in the ANSI code page, as the system's own text readers hand it on: a character without an ANSI
    // counterpart, or a byte that is no UTF-8, becomes a near match or "?". exact tells whether the result
    // converts back to the very same characters.
    virtual std::string Utf8ToAnsiText(const std::string& utf8, bool& exact) = 0;
    // ANSI text as UTF-8; every ANSI character has a UTF-8 form.
    virtual std::string AnsiTextToUtf8(const std::string& text) = 0;
};

}  // namespace zelta::platform
