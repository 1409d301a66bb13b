#pragma once
// Conversions between the system's two 8-bit code pages: the ANSI one the program's texts are in, and the console
// (OEM) one in which the command interpreter reads a batch file and console programs print.
#include <optional>
#include <string>

namespace zelta::platform {

class CodePages {
public:
    virtual ~CodePages() = default;
    // The text in the console code page; nullopt when a character has no exact counterpart there (a near match
    // would name another adapter). Named so as not to meet the system headers' AnsiToOem macro.
    virtual std::optional<std::string> AnsiToConsole(const std::string& text) = 0;
    // What a console program printed, in the ANSI code page; characters without a counterpart become "?".
    virtual std::string ConsoleToAnsi(const std::string& text) = 0;
};

}  // namespace zelta::platform
