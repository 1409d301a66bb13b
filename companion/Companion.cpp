#include "companion/Companion.h"

#include <cstdio>
#include <utility>

#include "adapters/AdapterCommand.h"
#include "assets/version.h"
#include "companion/BatchFile.h"
#include "platform/PathText.h"

namespace zelta::companion {

using platform::CommandResult;
using platform::InFolder;

namespace {

constexpr std::size_t kMessageOutputLimit = 300;

std::string ExitCodeText(std::uint32_t code) {
    // Small codes are the programs' own; large ones are system status codes, which are read in hexadecimal.
    if (code <= 0xFFFF) return std::to_string(code);
    char text[16];
    std::snprintf(text, sizeof(text), "0x%08X", static_cast<unsigned>(code));
    return text;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : text) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else if (c != '\r') {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    while (!lines.empty() && lines.back().find_first_not_of(" \t") == std::string::npos) lines.pop_back();
    while (!lines.empty() && lines.front().find_first_not_of(" \t") == std::string::npos) lines.erase(lines.begin());
    return lines;
}

// The output on one line, its lines joined by blanks, shortened for a message box.
std::string OutputInBrief(const std::string& output) {
    std::string brief;
    for (const std::string& line : SplitLines(output)) {
        const auto first = line.find_first_not_of(" \t");
        if (first == std::string::npos) continue;
        const auto last = line.find_last_not_of(" \t");
        if (!brief.empty()) brief += ' ';
        brief += line.substr(first, last - first + 1);
    }
    if (brief.size() > kMessageOutputLimit) brief = brief.substr(0, kMessageOutputLimit) + "...";
    return brief;
}

std::string TimeoutText() { return "had not ended after " + std::to_string(kCommandTimeoutMs / 1000) + " seconds"; }

CommandResult NotStarted(const std::string& reason) {
    CommandResult result;
    result.status = CommandResult::Status::NotStarted;
    result.reason = reason;
    return result;
}

// Only the adapter commands that the main program writes run, each with the system's own netsh, never one that a
// folder someone else can write to would offer first: a batch file is a text anybody who can write to its folder can
// change.
CommandRecord RunOne(CompanionSystem& system, const std::string& netsh, const std::string& consoleLine) {
    const PreparedCommand command = PrepareCommand(consoleLine, system.codePages);
    CommandRecord record{command.text, command.program, {}, {}, 0, {}};
    if (!command.problem.empty()) {
        record.result = NotStarted("Quillet.exe does not run this line: " + command.problem + ".");
        return record;
    }
    std::string foreign;
    record.command = adapters::ReadAdapterCommand(command.text, foreign);
    if (!record.command) {
        record.result = NotStarted(
            "Quillet.exe runs only the network commands that " ZELTA_PRODUCT_NAME " writes, and this "
            "line is not one of them: " +
            foreign + ".");
        return record;
    }
    if (netsh.empty()) {
        record.result = NotStarted("the system folder, where netsh is kept, could not be found.");
        return record;
    }
    record.result = system.runner.Run(netsh, command.text, kCommandTimeoutMs);
    record.result.output = system.codePages.ConsoleToAnsi(record.result.output);
    return record;
}

// Writes the report; on failure, says why in a sentence that fits into a message.
std::string WriteReport(CompanionSystem& system, const std::string& folder, const std::string& text) {
    std::string reason;
    if (system.files.ReplaceContents(InFolder(folder, kReportFileName), text, reason)) return {};
    return "The report \"" + std::string(kReportFileName) + "\" could not be written in " + folder + ": " + reason;
}

// "0.4 s": tenths, which is what a person reads off a command's time.
std::string Seconds(std::uint64_t ms) {
    const std::uint64_t tenths = (ms + 50) / 100;
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + " s";
}

// The verdict from what Windows keeps for the adapter and what it does now. A lease, or an address Windows is still
// checking, is waited for when the commands all went through: at most kLeaseWaitMs, looking again on each change of
// the adapter's values and at least every kLookIntervalMs, never spinning. A static address already in use ends the
// wait at the first look.
Verdict JudgeAdapter(CompanionSystem& system, const Expectation& expected, std::uint64_t start, bool mayWait) {
    Judgement judgement;
    const auto key = adapters::AdapterKeyOf(system.registry, expected.adapter);
    if (!key) {
        judgement.detail = "Windows knows no adapter named \"" + expected.adapter + "\"";
    } else {
        const auto look = [&] {
            return Judge(expected, adapters::ReadAdapterState(system.registry, *key), system.liveAdapters.Find(*key));
        };
        judgement = look();
        const std::uint64_t waitStart = system.clock.NowMs();
        while (mayWait && judgement.status == Judgement::Status::Awaiting) {
            const std::uint64_t waited = system.clock.NowMs() - waitStart;
            if (waited >= kLeaseWaitMs) break;
            const auto left = static_cast<unsigned>(kLeaseWaitMs - waited);
            system.clock.WaitForKeyChange(platform::RegistryRoot::LocalMachine, adapters::InterfaceKeyPath(*key),
                                          left < kLookIntervalMs ? left : kLookIntervalMs);
            judgement = look();
        }
        if (!mayWait && judgement.status == Judgement::Status::Awaiting) {
            judgement.detail =
                "it was not waited for after the failed command (the adapter has " + judgement.address + ")";
        }
        judgement = WaitRanOut(judgement);
    }
    const std::uint64_t elapsed = system.clock.NowMs() - start;
    // How long the switch took is worth telling once it is in effect; beside a failure it says nothing.
    const VerdictShape shape =
        judgement.status == Judgement::Status::InEffect ? VerdictShape::Timed : VerdictShape::Plain;
    return MakeVerdict(judgement, shape, static_cast<unsigned>((elapsed + 500) / 1000), 0);
}

// A command that netsh reports as failed while the adapter holds what it asked is no failure.
void ExcuseWhatWasAlreadySo(CompanionSystem& system, CommandRecord& record) {
    if (record.Succeeded() || record.result.status != CommandResult::Status::Ended || !record.command) return;
    if (const auto key = adapters::AdapterKeyOf(system.registry, record.command->adapter)) {
        record.countsAsDone = AlreadyAsAsked(*record.command, adapters::ReadAdapterState(system.registry, *key));
    }
}

CompanionResult BadBatch(CompanionSystem& system, const std::string& folder, int exitCode, const std::string& text) {
    CompanionResult result;
    result.exitCode = exitCode;
    result.message = text;
    WriteReport(system, folder, text + "\r\n");  // the message tells it already; a report that fails adds nothing
    return result;
}

}  // namespace

bool CommandRecord::Succeeded() const {
    return result.status == CommandResult::Status::Ended && (result.exitCode == 0 || !countsAsDone.empty());
}

std::string ReportText(const std::string& folder, const std::vector<CommandRecord>& records,
                       const std::optional<Verdict>& verdict) {
    std::string text = "Quillet.exe ran the commands of " + InFolder(folder, kBatchFileName) + ".\r\n";
    int succeeded = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const CommandRecord& record = records[i];
        if (record.Succeeded()) ++succeeded;
        text += "\r\n[" + std::to_string(i + 1) + "] " + record.text + "\r\n";
        switch (record.result.status) {
            case CommandResult::Status::Ended:
                text += "    exit code " + ExitCodeText(record.result.exitCode) + " after " +
                        Seconds(record.elapsedMs) + "\r\n";
                break;
            case CommandResult::Status::NotStarted:
                text += "    not started: " + record.result.reason + "\r\n";
                break;
            case CommandResult::Status::TimedOut:
                text += "    stopped: it " + TimeoutText() + "\r\n";
                break;
        }
        for (const std::string& line : SplitLines(record.result.output)) text += "    " + line + "\r\n";
        if (!record.countsAsDone.empty()) text += "    " + record.countsAsDone + "\r\n";
    }
    const std::size_t failed = records.size() - static_cast<std::size_t>(succeeded);
    text += "\r\n" + std::to_string(succeeded) + " of " + std::to_string(records.size()) + " commands succeeded, " +
            std::to_string(failed) + " failed.\r\n";
    if (verdict) text += "The profile " + VerdictSentence(*verdict) + "\r\n";
    return text;
}

std::string FailureMessage(const std::string& folder, const std::vector<CommandRecord>& records) {
    std::string details;
    std::size_t failed = 0;
    for (const CommandRecord& record : records) {
        if (record.Succeeded()) continue;
        ++failed;
        details += "\n" + record.text + "\n";
        const std::string name = record.program.empty() ? std::string("The command") : record.program;
        switch (record.result.status) {
            case CommandResult::Status::Ended: {
                const std::string said = OutputInBrief(record.result.output);
                const std::string code = " (exit code " + ExitCodeText(record.result.exitCode) + ")";
                details += said.empty() ? name + " failed without a word" + code + ".\n"
                                        : name + " said: " + said + code + "\n";
                break;
            }
            case CommandResult::Status::NotStarted:
                details += "It could not be started: " + record.result.reason + "\n";
                break;
            case CommandResult::Status::TimedOut:
                details += "It " + TimeoutText() + " and was stopped.\n";
                break;
        }
    }
    if (failed == 0) return {};
    std::string message = "The network settings of the profile were not fully applied: " + std::to_string(failed) +
                          " of " + std::to_string(records.size()) + (records.size() == 1 ? " command" : " commands") +
                          " failed.\n" + details;
    message += failed < records.size() ? "\nThe other commands took effect. " : "\n";
    message += "Every command and what it printed are in \"" + std::string(kReportFileName) + "\" in " + folder + ".";
    return message;
}

CompanionResult RunCompanion(CompanionSystem& system) {
    // The batch and the report are beside the companion, as the main program keeps them beside itself, whatever
    // folder the shell started it in.
    const std::string folder = platform::ProgramFolder(system.environment);
    const std::string batchPath = InFolder(folder, kBatchFileName);
    std::string reason;
    const auto batch = system.files.ReadFile(batchPath, reason);
    if (!batch) {
        std::string text =
            system.files.FileExists(batchPath)
                ? "Quillet.exe could not read \"" + InFolder(folder, kBatchFileName) + "\": " + reason + "."
                : "Quillet.exe found no \"" + std::string(kBatchFileName) + "\" to run in " + folder + ".";
        text += "\n\nIt runs the network commands that " ZELTA_PRODUCT_NAME
                " writes there when a profile is applied: "
                "apply the profile in " ZELTA_PRODUCT_NAME " rather than starting Quillet.exe by itself.";
        return BadBatch(system, folder, kNoBatchFile, text);
    }
    const std::vector<std::string> lines = BatchCommandLines(*batch);
    if (lines.empty()) {
        return BadBatch(
            system, folder, kEmptyBatchFile,
            "\"" + InFolder(folder, kBatchFileName) + "\" holds no command, so no network setting was changed.");
    }

    const std::string systemFolder = system.environment.SystemFolder();
    const std::string netsh = systemFolder.empty() ? std::string() : InFolder(systemFolder, kNetshFileName);
    CompanionResult result;
    const std::uint64_t start = system.clock.NowMs();
    std::vector<adapters::AdapterCommand> ran;
    for (const std::string& line : lines) {
        const std::uint64_t began = system.clock.NowMs();
        CommandRecord record = RunOne(system, netsh, line);
        record.elapsedMs = system.clock.NowMs() - began;
        ExcuseWhatWasAlreadySo(system, record);
        if (record.command && record.result.status != CommandResult::Status::NotStarted) {
            ran.push_back(*record.command);
        }
        result.records.push_back(std::move(record));
    }
    result.message = FailureMessage(folder, result.records);
    if (!ran.empty()) {
        // After a failure the user has the message already: the verdict is not waited for, and not told twice.
        result.verdict = JudgeAdapter(system, ExpectationOf(ran), start, result.message.empty());
        result.verdict->tellUser = result.message.empty();
        result.verdict->batchFingerprint = BatchFingerprint(*batch);
    }
    const std::string reportProblem = WriteReport(system, folder, ReportText(folder, result.records, result.verdict));
    if (!result.message.empty()) {
        result.exitCode = kCommandFailed;
        if (!reportProblem.empty()) result.message += "\n\n" + reportProblem;
    } else if (!reportProblem.empty()) {
        result.exitCode = kReportNotWritten;
        result.message = "Every network command of the profile succeeded.\n\n" + reportProblem;
    }
    return result;
}

}  // namespace zelta::companion
