#include "companion/BatchFile.h"

#include <algorithm>
#include <cctype>

namespace zelta::companion {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string TrimLeft(const std::string& text) {
    std::size_t start = 0;
    while (start < text.size() && IsBlank(text[start])) ++start;
    return text.substr(start);
}

// The interpreter's own commands: a line starting with one of them never reaches a program of that name.
bool IsInterpreterCommand(const std::string& word) {
    static const char* const kCommands[] = {
        "assoc", "break", "call",  "cd",     "chdir", "cls",    "color", "copy",     "date",  "del",   "dir",
        "echo",  "endlocal", "erase", "exit", "for",  "ftype",  "goto",  "if",       "md",    "mkdir", "mklink",
        "move",  "path",  "pause", "popd",   "prompt", "pushd", "rd",    "ren",      "rename", "rmdir", "set",
        "setlocal", "shift", "start", "time", "title", "type",  "ver",   "verify",   "vol"};
    const std::string lower = Lower(word);
    return std::find(std::begin(kCommands), std::end(kCommands), lower) != std::end(kCommands);
}

bool IsComment(const std::string& trimmed) {
    if (trimmed.rfind("::", 0) == 0) return true;
    const std::string lower = Lower(trimmed.substr(0, 4));
    return lower == "rem" || lower == "rem " || lower == "rem\t";
}

// The first word, its double quotes removed; a quoted part may hold blanks.
std::string FirstWord(const std::string& line) {
    std::string word;
    bool quoted = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && IsBlank(c)) {
            break;
        } else {
            word += c;
        }
    }
    return word;
}

// The first character the interpreter would act on outside double quotes, or 0.
char OperatorOutsideQuotes(const std::string& line) {
    bool quoted = false;
    for (char c : line) {
        if (c == '"') quoted = !quoted;
        if (!quoted && (c == '&' || c == '|' || c == '<' || c == '>' || c == '^')) return c;
    }
    return 0;
}

}  // namespace

std::vector<std::string> BatchCommandLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string line;
    auto finish = [&] {
        const std::string trimmed = TrimLeft(line);
        if (!trimmed.empty() && !IsComment(trimmed)) lines.push_back(line);
        line.clear();
    };
    for (char c : bytes) {
        if (c == '\n') {
            finish();
        } else if (c != '\r') {
            line += c;
        }
    }
    finish();
    return lines;
}

std::optional<std::string> ReadPercentSigns(const std::string& line) {
    std::string result;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '%') {
            result += line[i];
        } else if (i + 1 < line.size() && line[i + 1] == '%') {
            result += '%';
            ++i;
        } else {
            return std::nullopt;
        }
    }
    return result;
}

PreparedCommand PrepareCommand(const std::string& consoleLine, platform::CodePages& codePages) {
    PreparedCommand command;
    // The interpreter decodes the file first and expands percent signs after; both keep ASCII as it is.
    std::string text = TrimLeft(codePages.ConsoleToAnsi(consoleLine));
    while (!text.empty() && text.front() == '@') text = TrimLeft(text.substr(1));
    const std::optional<std::string> read = ReadPercentSigns(text);
    command.text = read.value_or(text);
    command.program = FirstWord(command.text);
    if (!read) {
        command.problem = "it holds a single \"%\", which the command interpreter would replace by a variable";
    } else if (const char op = OperatorOutsideQuotes(command.text)) {
        command.problem = std::string("it holds \"") + op + "\" outside double quotes, which only the command "
                          "interpreter understands";
    } else if (IsInterpreterCommand(command.program)) {
        command.problem = "\"" + command.program + "\" is a command of the command interpreter, not a program";
    } else if (command.program.empty()) {
        command.problem = "it names no program";
    }
    return command;
}

}  // namespace zelta::companion
