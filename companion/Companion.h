#pragma once
// Quillet.exe: runs the adapter commands of "execute.bat" beside its own executable without any window, each with
// the system's netsh, writes what each one printed and returned into "execute.log" beside it, and has a message
// shown when anything went wrong.
#include <optional>
#include <string>
#include <vector>

#include "adapters/AdapterCommand.h"
#include "companion/Verdict.h"
#include "platform/Clock.h"
#include "platform/CodePages.h"
#include "platform/CommandRunner.h"
#include "platform/Environment.h"
#include "platform/FileSystem.h"
#include "platform/LiveAdapters.h"
#include "platform/ProductNames.h"
#include "platform/Registry.h"

namespace zelta::companion {

// Started from the system folder alone.
inline constexpr const char* kNetshFileName = "netsh.exe";
inline constexpr const char* kReportFileName = "execute.log";
inline constexpr const char* kMessageCaption = kProductTitle;
// A generous bound: changing an address can take tens of seconds, a command still running after two minutes will
// not end by itself.
inline constexpr unsigned kCommandTimeoutMs = 120000;

// The program's exit codes.
enum ExitCode : int {
    kAllSucceeded = 0,
    kCommandFailed = 1,  // a command ended with an error, could not be started, or was stopped at the bound
    kNoBatchFile = 2,
    kEmptyBatchFile = 3,
    kReportNotWritten = 4,  // every command succeeded, but "execute.log" could not be written
};

struct CompanionSystem {
    platform::FileSystem& files;
    platform::Environment& environment;
    platform::CodePages& codePages;
    platform::CommandRunner& runner;
    platform::Registry& registry;
    platform::Clock& clock;
    platform::LiveAdapters& liveAdapters;
};

// One command and how it went; its output already in the ANSI code page.
struct CommandRecord {
    std::string text;     // the command line as it was started (or would have been)
    std::string program;  // its first word, for naming it to the user
    // What the line asks; none when it is no adapter command.
    std::optional<adapters::AdapterCommand> command;
    platform::CommandResult result;
    std::uint64_t elapsedMs = 0;
    std::string countsAsDone;  // why a command that failed asked for nothing new; empty when its failure stands
    bool Succeeded() const;
};

struct CompanionResult {
    int exitCode = kAllSucceeded;
    std::string message;  // the error message to show; empty when there is nothing to tell
    std::vector<CommandRecord> records;
    // Whether the profile is in effect now, for the program's window; none when no command was run.
    std::optional<Verdict> verdict;
};

CompanionResult RunCompanion(CompanionSystem& system);

// The text of "execute.log", CR LF after every line, the verdict last.
std::string ReportText(const std::string& folder, const std::vector<CommandRecord>& records,
                       const std::optional<Verdict>& verdict);
// The message naming the failed commands; empty when all of them succeeded.
std::string FailureMessage(const std::string& folder, const std::vector<CommandRecord>& records);

}  // namespace zelta::companion
