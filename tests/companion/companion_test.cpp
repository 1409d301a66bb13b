// Quillet.exe's run over fakes: which commands start with which lines, what the report says, and which outcome
// shows a message.
#include <gtest/gtest.h>

#include "tests/companion/CompanionHarness.h"

namespace zelta::companion {
namespace {

using platform::CommandResult;

const std::string kFolder = "C:\\Tools\\Zelta";
const std::string kSystemNetsh = "C:\\Windows\\system32\\netsh.exe";
const std::string kBatch = kFolder + "\\execute.bat";
const std::string kReport = kFolder + "\\execute.log";
const std::string kAddress =
    "netsh int ipv4 set address name=\"LAN 50% \xE9t\xFC\" source=static addr=192.168.1.20 mask=255.255.255.0 "
    "gateway=192.168.1.1 gwmetric=1";
const std::string kDns1 = "netsh int ipv4 set dns name=\"LAN 50% \xE9t\xFC\" source=static addr=192.168.1.1";
const std::string kDns2 = "netsh int ipv4 add dns name=\"LAN 50% \xE9t\xFC\" addr=8.8.4.4 index=2";

// The batch as the main program writes it: console code page, "%" doubled, CR LF.
std::string Batch(const std::vector<std::string>& ansiLines) {
    std::string bytes;
    for (std::string line : ansiLines) {
        std::string doubled;
        for (char c : line) doubled += (c == '%') ? std::string("%%") : std::string(1, c);
        bytes += *testing::SampleCodePages().AnsiToConsole(doubled) + "\r\n";
    }
    return bytes;
}

CommandResult Failed(CommandResult::Status status, const std::string& reason = "") {
    CommandResult result;
    result.status = status;
    result.reason = reason;
    return result;
}

// A command's entry in the report, as the fake clock times it.
std::string Entry(int number, const std::string& line, int exitCode) {
    return "\r\n[" + std::to_string(number) + "] " + line + "\r\n    exit code " + std::to_string(exitCode) +
           " after 0.0 s\r\n";
}

struct Companion : CompanionHarness {
    Companion() {
        environment.executablePath = kFolder + "\\Quillet.exe";
        // A netsh in the program's folder or on a PATH that anybody can extend never runs.
        environment.variables["PATH"] = "C:\\Users\\anna\\Downloads;C:\\Windows\\system32";
        files.files[kFolder + "\\netsh.exe"] = "MZ";
        files.files["C:\\Users\\anna\\Downloads\\netsh.exe"] = "MZ";
        files.files[kSystemNetsh] = "MZ";
    }
    std::string Report() const {
        const auto it = files.files.find(kReport);
        return it == files.files.end() ? "<none>" : it->second;
    }
};

TEST_F(Companion, RunsEveryLineInOrderAndStaysQuietWhenAllSucceed) {
    files.files[kBatch] = Batch({kAddress, kDns1, kDns2});
    runner.results[kDns1] = Ended(0, "Ok.\r\n\r\n");

    const CompanionResult result = RunCompanion(system);

    ASSERT_EQ(runner.starts.size(), 3u);
    const std::string lines[] = {kAddress, kDns1, kDns2};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(runner.starts[i].commandLine, lines[i]);
        EXPECT_EQ(runner.starts[i].program, kSystemNetsh);
        EXPECT_EQ(runner.starts[i].timeoutMs, 120000u);  // each command's bound
    }
    EXPECT_EQ(result.exitCode, kAllSucceeded);
    EXPECT_EQ(result.message, "");
    EXPECT_EQ(Report(), "Quillet.exe ran the commands of C:\\Tools\\Zelta\\execute.bat.\r\n" + Entry(1, kAddress, 0) +
                            Entry(2, kDns1, 0) + "    Ok.\r\n" + Entry(3, kDns2, 0) +
                            "\r\n3 of 3 commands succeeded, 0 failed.\r\n"
                            "The profile is not in effect: Windows knows no adapter named \"LAN 50% \xE9t\xFC\".\r\n");
}

TEST_F(Companion, AFailureIsNamedWithWhatTheProgramSaidAndTheRestStillRuns) {
    files.files[kBatch] = Batch({kAddress, kDns1, kDns2});
    // What netsh printed arrives in the console code page.
    runner.results[kAddress] = Ended(1, "\r\nThe interface \"LAN 50% \x82t\x81\" was not found.\r\n\r\n");

    const CompanionResult result = RunCompanion(system);

    EXPECT_EQ(runner.starts.size(), 3u);
    EXPECT_EQ(result.exitCode, kCommandFailed);
    EXPECT_EQ(result.message,
              "The network settings of the profile were not fully applied: 1 of 3 commands failed.\n"
              "\n" +
                  kAddress +
                  "\n"
                  "netsh said: The interface \"LAN 50% \xE9t\xFC\" was not found. (exit code 1)\n"
                  "\nThe other commands took effect. Every command and what it printed are in \"execute.log\" in "
                  "C:\\Tools\\Zelta.");
    EXPECT_NE(
        Report().find(Entry(1, kAddress, 1) + "    The interface \"LAN 50% \xE9t\xFC\" was not found.\r\n\r\n[2]"),
        std::string::npos)
        << Report();
    EXPECT_NE(Report().find("2 of 3 commands succeeded, 1 failed.\r\n"), std::string::npos);
}

struct FailureCase {
    const char* name;
    std::vector<std::string> batchLines;
    std::map<std::string, CommandResult> results;
    std::size_t started;
    std::vector<std::string> inMessage;
    std::vector<std::string> inReport;
};

TEST_F(Companion, EveryKindOfFailureIsReportedAndShown) {
    const FailureCase cases[] = {
        {"a command that failed without output",
         {kDns1},
         {{kDns1, Ended(1, " \r\n")}},
         1,
         {"1 of 1 command failed.\n", "netsh failed without a word (exit code 1).\n",
          "\nEvery command and what it printed"},
         {"    exit code 1 after 0.0 s\r\n\r\n0 of 1"}},
        {"a crash's status code",
         {kDns1},
         {{kDns1, Ended(0xC0000005u, "")}},
         1,
         {"(exit code 0xC0000005)"},
         {"    exit code 0xC0000005 after 0.0 s\r\n"}},
        {"a command that could not be started",
         {kDns1, kDns2},
         {{kDns1, Failed(CommandResult::Status::NotStarted, "Access denied")}},
         2,
         {"1 of 2 commands failed.\n", kDns1 + "\nIt could not be started: Access denied\n"},
         {"    not started: Access denied\r\n"}},
        {"a command that hung",
         {kDns1},
         {{kDns1, Failed(CommandResult::Status::TimedOut)}},
         1,
         {kDns1 + "\nIt had not ended after 120 seconds and was stopped.\n"},
         {"    stopped: it had not ended after 120 seconds\r\n"}},
        {"a program that is not netsh",
         {"netsch int ip", kDns1},
         {},
         1,
         {"netsch int ip\nIt could not be started: Quillet.exe runs only the network commands that Vok Tarvex "
          "writes, and this line is not one of them: it does not start with \"netsh int \".\n"},
         {"[1] netsch int ip\r\n    not started: Quillet.exe runs only"}},
        {"a line only the interpreter understands",
         {"netsh int ip & del x", kDns1},
         {},
         1,
         {"It could not be started: Quillet.exe does not run this line: it holds \"&\" outside double quotes"},
         {"[1] netsh int ip & del x\r\n    not started: Quillet.exe does not run this line"}},
    };
    for (const FailureCase& c : cases) {
        fakes::FakeFileSystem caseFiles;
        caseFiles.files = files.files;
        caseFiles.files[kBatch] = Batch(c.batchLines);
        fakes::FakeCommandRunner caseRunner;
        caseRunner.results = c.results;
        CompanionSystem caseSystem{caseFiles, environment, codePages, caseRunner, registry, clock, liveAdapters};

        const CompanionResult result = RunCompanion(caseSystem);

        EXPECT_EQ(result.exitCode, kCommandFailed) << c.name;
        EXPECT_EQ(caseRunner.starts.size(), c.started) << c.name;
        for (const std::string& part : c.inMessage) {
            EXPECT_NE(result.message.find(part), std::string::npos) << c.name << ": " << part << "\n" << result.message;
        }
        const std::string report = caseFiles.files[kReport];
        for (const std::string& part : c.inReport) {
            EXPECT_NE(report.find(part), std::string::npos) << c.name << ": " << part << "\n" << report;
        }
    }
}

// Lines of any other shape than the program's adapter commands are not run, and the report and the message name
// each of them; the program's own lines around them still run.
TEST_F(Companion, RunsOnlyTheAdapterCommandsTheProgramWrites) {
    const struct {
        std::string line;
        const char* problem;
    } foreign[] = {
        {"netsh advfirewall set allprofiles state off", "it does not start with \"netsh int \""},
        {"netsh int ipv6 set address name=\"LAN\" addr=::1", "it names no \"ip\" or \"ipv4\" context"},
        {"netsh int ip reset name=\"LAN\"", "it is not a \"set address\", \"set dns\" or \"add dns\" command"},
        {"netsh int ip set dns LAN static 1.1.1.1", "it names no adapter in double quotes"},
        {"netsh int ip set dns name=\"LAN\" source=static addr=1.1.1.1 register=none",
         "it holds a parameter other than source, addr, mask, gateway, gwmetric, index and validate"},
        {"netsh int ip set dns name=\"LAN\" addr=1.1.1.1,evil", "a parameter's value holds a character other than"},
        {"netsh int ip set dns name=\"LAN\"  addr=1.1.1.1", "it holds a parameter other than"},
        {"cmd /c start evil.exe", "it does not start with \"netsh int \""},
    };
    std::vector<std::string> lines{kAddress};
    for (const auto& f : foreign) lines.push_back(f.line);
    lines.push_back(kDns2);
    files.files[kBatch] = Batch(lines);

    const CompanionResult result = RunCompanion(system);

    ASSERT_EQ(runner.starts.size(), 2u);
    EXPECT_EQ(runner.starts[0].commandLine, kAddress);
    EXPECT_EQ(runner.starts[1].commandLine, kDns2);
    EXPECT_EQ(result.exitCode, kCommandFailed);
    EXPECT_NE(result.message.find("8 of 10 commands failed"), std::string::npos) << result.message;
    for (const auto& f : foreign) {
        SCOPED_TRACE(f.line);
        EXPECT_NE(result.message.find(f.line +
                                      "\nIt could not be started: Quillet.exe runs only the network "
                                      "commands that Vok Tarvex writes, and this line is not one of them: " +
                                      f.problem),
                  std::string::npos);
        EXPECT_NE(Report().find(f.line + "\r\n    not started: Quillet.exe runs only"), std::string::npos);
    }
}

TEST_F(Companion, ABatchFileThatIsMissingOrEmptyIsToldAndLogged) {
    CompanionResult missing = RunCompanion(system);
    EXPECT_EQ(missing.exitCode, kNoBatchFile);
    EXPECT_EQ(missing.message.rfind("Quillet.exe found no \"execute.bat\" to run in C:\\Tools\\Zelta.\n\n", 0), 0u)
        << missing.message;
    EXPECT_NE(Report().find("found no \"execute.bat\""), std::string::npos);
    EXPECT_EQ(Report().substr(Report().size() - 2), "\r\n");

    files.files[kBatch] = "\r\n  \r\n";
    const CompanionResult empty = RunCompanion(system);
    EXPECT_EQ(empty.exitCode, kEmptyBatchFile);
    EXPECT_EQ(empty.message, "\"C:\\Tools\\Zelta\\execute.bat\" holds no command, so no network setting was changed.");
    EXPECT_TRUE(runner.starts.empty());

    files.unreadable.insert(kBatch);
    const CompanionResult unreadable = RunCompanion(system);
    EXPECT_EQ(unreadable.exitCode, kNoBatchFile);
    EXPECT_EQ(unreadable.message.rfind("Quillet.exe could not read \"C:\\Tools\\Zelta\\execute.bat\": ", 0), 0u)
        << unreadable.message;
}

TEST_F(Companion, AReportThatCannotBeWrittenIsNotSilent) {
    files.files[kBatch] = Batch({kDns1});
    files.readOnly.insert(kReport);
    const CompanionResult succeeded = RunCompanion(system);
    EXPECT_EQ(succeeded.exitCode, kReportNotWritten);
    EXPECT_EQ(succeeded.message.rfind("Every network command of the profile succeeded.\n\nThe report \"execute.log\" "
                                      "could not be written in C:\\Tools\\Zelta: ",
                                      0),
              0u)
        << succeeded.message;

    runner.results[kDns1] = Ended(1, "Failed.");
    const CompanionResult failed = RunCompanion(system);
    EXPECT_EQ(failed.exitCode, kCommandFailed);
    EXPECT_NE(failed.message.find("netsh said: Failed."), std::string::npos);
    EXPECT_NE(failed.message.find("\n\nThe report \"execute.log\" could not be written"), std::string::npos);
}

}  // namespace
}  // namespace zelta::companion
