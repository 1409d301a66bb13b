// The companion's batch reader over arbitrary batch bytes: the command lines are, in order, lines of the file
// with their carriage returns dropped, none blank or a comment; a line it would start reads back to the file's
// own text once the percent signs are doubled again, and holds nothing else the command interpreter acts on.
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "companion/BatchFile.h"

using namespace zelta;

namespace {

class SameCodePages : public platform::CodePages {
public:
    std::optional<std::string> AnsiToConsole(const std::string& text) override { return text; }
    std::string ConsoleToAnsi(const std::string& text) override { return text; }
    // Not used by the batch reader.
    std::string Utf8ToAnsiText(const std::string& utf8, bool& exact) override {
        exact = true;
        return utf8;
    }
    std::string AnsiTextToUtf8(const std::string& text) override { return text; }
};

std::string DoublePercentSigns(const std::string& text) {
    std::string doubled;
    for (const char c : text) doubled += c == '%' ? std::string("%%") : std::string(1, c);
    return doubled;
}

std::vector<std::string> FileLines(const std::string& bytes) {
    std::vector<std::string> lines(1);
    for (const char c : bytes) {
        if (c == '\n') {
            lines.emplace_back();
        } else if (c != '\r') {
            lines.back() += c;
        }
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string bytes = fuzz::Bytes(data, size);

    FUZZ_CHECK(companion::ReadPercentSigns(DoublePercentSigns(bytes)) == bytes);
    if (const auto read = companion::ReadPercentSigns(bytes)) FUZZ_CHECK(DoublePercentSigns(*read) == bytes);

    const std::vector<std::string> commands = companion::BatchCommandLines(bytes);
    const std::vector<std::string> fileLines = FileLines(bytes);
    std::size_t next = 0;
    SameCodePages codePages;
    for (const std::string& line : commands) {
        while (next < fileLines.size() && fileLines[next] != line) ++next;
        FUZZ_CHECK(next < fileLines.size());
        ++next;
        const auto start = line.find_first_not_of(" \t");
        FUZZ_CHECK(start != std::string::npos && line.compare(start, 2, "::") != 0);

        const companion::PreparedCommand command = companion::PrepareCommand(line, codePages);
        if (!command.problem.empty()) continue;
        const auto programStart = line.find_first_not_of(" \t@");
        FUZZ_CHECK(programStart != std::string::npos && DoublePercentSigns(command.text) == line.substr(programStart));
        FUZZ_CHECK(!command.program.empty() && command.text.find_first_of(" \t@") != 0);
        bool quoted = false;
        for (const char c : command.text) {
            if (c == '"') quoted = !quoted;
            FUZZ_CHECK(quoted || std::string("&|<>^").find(c) == std::string::npos);
        }
    }
    return 0;
}
