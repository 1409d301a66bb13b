// Reading the batch file back the way the command interpreter reads it.
#include <gtest/gtest.h>

#include "companion/BatchFile.h"
#include "tests/companion/SampleCodePages.h"
#include "tests/fakes/Fakes.h"

namespace zelta::companion {
namespace {

struct LinesCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
};

TEST(BatchCommandLines, SplitsAsTheInterpreterDoes) {
    const LinesCase cases[] = {
        {"CR LF after every line", "netsh a\r\nnetsh b\r\n", {"netsh a", "netsh b"}},
        {"LF alone ends a line too", "netsh a\nnetsh b", {"netsh a", "netsh b"}},
        {"a stray CR is dropped", "netsh a\rb\r\r\n", {"netsh ab"}},
        {"blank lines are no commands", "\r\n  \t\r\nnetsh a\r\n\r\n", {"netsh a"}},
        {"comments are no commands", "rem x\r\n:: y\r\nREM\r\nremark.exe z\r\n", {"remark.exe z"}},
        {"nothing", "", {}},
    };
    for (const LinesCase& c : cases) EXPECT_EQ(BatchCommandLines(c.bytes), c.lines) << c.name;
}

TEST(ReadPercentSigns, DoubledSignsBecomeOneAndALoneSignIsRefused) {
    const std::pair<std::string, std::optional<std::string>> cases[] = {
        {"name=\"50%%off\"", std::string("name=\"50%off\"")},
        {"%%%%", std::string("%%")},
        {"%%PATH%%", std::string("%PATH%")},
        {"no sign", std::string("no sign")},
        {"%PATH%", std::nullopt},
        {"100%", std::nullopt},
        {"%%%", std::nullopt},
        {"%1", std::nullopt},
    };
    for (const auto& [line, expected] : cases) EXPECT_EQ(ReadPercentSigns(line), expected) << line;
}

TEST(PrepareCommand, TheAdapterLineReachesTheProgramAsTheInterpreterPassesIt) {
    testing::SampleCodePages codePages;
    // As the main program writes it: console code page, the adapter name's "%" doubled.
    const PreparedCommand command =
        PrepareCommand("netsh int ipv4 set address name=\"LAN 50%% \x82t\x81\" source=dhcp", codePages);
    EXPECT_EQ(command.text, "netsh int ipv4 set address name=\"LAN 50% \xE9t\xFC\" source=dhcp");
    EXPECT_EQ(command.program, "netsh");
    EXPECT_EQ(command.problem, "");
}

struct PrepareCase {
    std::string line;
    std::string text;
    std::string program;
    bool runnable;
};

TEST(PrepareCommand, RunsOnlyWhatStartingOneProgramReproduces) {
    const PrepareCase cases[] = {
        {"  @ netsh int ip", "netsh int ip", "netsh", true},
        {"netsh name=\"a&b|c<d>e^f\"", "netsh name=\"a&b|c<d>e^f\"", "netsh", true},
        {"\"C:\\Net Tools\\netsh.exe\" int", "\"C:\\Net Tools\\netsh.exe\" int", "C:\\Net Tools\\netsh.exe", true},
        {"netsh int & calc", "netsh int & calc", "netsh", false},
        {"netsh int > out.txt", "netsh int > out.txt", "netsh", false},
        {"netsh name=\"a\"^&b", "netsh name=\"a\"^&b", "netsh", false},
        {"netsh addr=%IP%", "netsh addr=%IP%", "netsh", false},
        {"echo netsh", "echo netsh", "echo", false},
        {"SET x=1", "SET x=1", "SET", false},
        {"@", "", "", false},
    };
    fakes::FakeCodePages identity;
    for (const PrepareCase& c : cases) {
        const PreparedCommand command = PrepareCommand(c.line, identity);
        EXPECT_EQ(command.text, c.text) << c.line;
        EXPECT_EQ(command.program, c.program) << c.line;
        EXPECT_EQ(command.problem.empty(), c.runnable) << c.line << ": " << command.problem;
    }
}

}  // namespace
}  // namespace zelta::companion
