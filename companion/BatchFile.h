#pragma once
// Reading the adapter batch file the way the command interpreter reads it, so that each command can be started
// directly with the very command line the interpreter would have passed on.
#include <optional>
#include <string>
#include <vector>

#include "platform/CodePages.h"

namespace zelta::companion {

// The command lines of a batch file, in order, as raw bytes (console code page): lines end at LF, carriage
// returns are dropped wherever they stand, and lines of nothing but blanks or comments ("rem", "::") are skipped.
std::vector<std::string> BatchCommandLines(const std::string& bytes);

// A batch line turned into what gets started.
struct PreparedCommand {
    std::string text;     // the command line in the ANSI code page, "%%" read back as "%", leading "@" dropped
    std::string program;  // its first word without quotes ("netsh")
    std::string problem;  // non-empty when the line needs more of the interpreter than starting one program
};

// Reads one line back the way the interpreter does: console code page to ANSI, then the doubled percent signs.
// Anything else the interpreter would act on (a lone "%", "&", "|", "<", ">" or "^" outside double quotes, one
// of its own commands) is not run here but named in problem, so that no line ever runs differently.
PreparedCommand PrepareCommand(const std::string& consoleLine, platform::CodePages& codePages);

// "%%" as "%"; nullopt when a lone "%" remains, which the interpreter would expand as a variable or argument.
std::optional<std::string> ReadPercentSigns(const std::string& line);

}  // namespace zelta::companion
