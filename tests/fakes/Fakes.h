#pragma once
// In-memory stand-ins for the system operations, and a main window model wired to them.
#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/FormController.h"
#include "app/model/ZeltaError.h"
#include "app/model/MainForm.h"
#include "platform/Clock.h"
#include "platform/CommandRunner.h"
#include "platform/LiveAdapters.h"
#include "platform/Platform.h"

namespace zelta::fakes {

// Keys by full path ("ROOT\a\b"); subkeys are listed in the order they were added, as a store may enumerate them.
class FakeRegistry : public platform::Registry {
public:
    void AddKey(platform::RegistryRoot root, const std::string& path);
    void SetValue(platform::RegistryRoot root, const std::string& keyPath, const std::string& name, std::uint32_t type,
                  const std::string& data);
    // A text value as the system stores it: the text and its terminating NUL.
    void SetString(platform::RegistryRoot root, const std::string& keyPath, const std::string& name,
                   const std::string& text);
    // A multi-string: every entry followed by a NUL, then the closing NUL.
    void SetMultiString(platform::RegistryRoot root, const std::string& keyPath, const std::string& name,
                        const std::vector<std::string>& entries);
    // Keys that refuse an open with write access, as HKLM keys do for a user without administrator rights.
    void DenyWriteAccess(platform::RegistryRoot root, const std::string& path);
    // Keys that open for writing but refuse to set any value.
    void RefuseValueWrites(platform::RegistryRoot root, const std::string& path);
    std::optional<platform::RegistryValue> Value(platform::RegistryRoot root, const std::string& keyPath,
                                                 const std::string& name) const;

    std::unique_ptr<platform::RegistryKey> OpenKey(platform::RegistryRoot root, const std::string& path,
                                                   platform::RegistryAccess access) override;
    std::unique_ptr<platform::RegistryKey> CreateKey(platform::RegistryRoot root, const std::string& path) override;

    int openKeys = 0;   // keys open right now
    int openCalls = 0;  // every open asked for

    struct Key {
        std::vector<std::string> subKeys;
        std::map<std::string, platform::RegistryValue> values;
        bool denyWrite = false;
        bool refuseSet = false;
    };
    std::map<std::string, Key> keys;

private:
    static std::string FullPath(platform::RegistryRoot root, const std::string& path);
    Key& Ensure(const std::string& fullPath);
};

class FakeSystemInfo : public platform::SystemInfo {
public:
    std::optional<std::string> computerName = std::string("WORKSTATION");
    std::optional<platform::OsVersionInfo> version = platform::OsVersionInfo{6, 1, 7601, true, "Service Pack 1"};
    std::string cpuBrand = "Intel(R) Core(TM) i5 CPU";
    std::uint64_t totalMemory = 2147483648u;

    std::optional<std::string> ComputerName() override { return computerName; }
    std::optional<platform::OsVersionInfo> OsVersion() override { return version; }
    std::string CpuBrandBytes() override { return cpuBrand; }
    std::uint64_t TotalPhysicalMemory() override { return totalMemory; }
};

struct LaunchRecord {
    enum class Kind { SystemProgram, SystemProgramAndWait, CommandLine, ShellOpen, ShellStart } kind;
    std::string target;  // the command line, or the shell target
    std::string parameters;
    platform::ShowMode mode;
    unsigned maxWaitMs = 0;
    std::string program;  // the system program, for those started from the system folder
    platform::ShellVerb verb = platform::ShellVerb::Open;
};

// The tool buttons' command lines and window modes, and where web addresses go.
class FakeLauncher : public platform::Launcher {
public:
    std::vector<LaunchRecord> launches;
    bool waitEndsInTime = true;
    bool elevated = true;
    platform::LaunchOutcome shellStartOutcome;  // what every ShellStart answers
    std::function<void()> duringShellStart;     // what the window receives while the shell is answering

    void RunSystemProgram(const std::string& program, const std::string& commandLine,
                          platform::ShowMode mode) override {
        launches.push_back({LaunchRecord::Kind::SystemProgram, commandLine, "", mode, 0, program});
    }
    bool RunSystemProgramAndWait(const std::string& program, const std::string& commandLine, platform::ShowMode mode,
                                 unsigned maxWaitMs) override {
        launches.push_back({LaunchRecord::Kind::SystemProgramAndWait, commandLine, "", mode, maxWaitMs, program});
        return waitEndsInTime;
    }
    void RunCommandLine(const std::string& commandLine, platform::ShowMode mode) override {
        launches.push_back({LaunchRecord::Kind::CommandLine, commandLine, "", mode, 0, ""});
    }
    void ShellOpen(const std::string& target, const std::string& parameters, platform::ShowMode mode) override {
        launches.push_back({LaunchRecord::Kind::ShellOpen, target, parameters, mode, 0, ""});
    }
    platform::LaunchOutcome ShellStart(const std::string& path, const std::string& parameters, platform::ShellVerb verb,
                                       platform::ShowMode mode) override {
        launches.push_back({LaunchRecord::Kind::ShellStart, path, parameters, mode, 0, "", verb});
        if (duringShellStart) duringShellStart();
        return shellStartOutcome;
    }
    std::uint64_t OwnerWindow() override { return 0x3F2A; }
    // Paths that an administrator's program would reach under another name; unreachable ones map to "".
    std::map<std::string, std::string> administratorPaths;
    std::optional<std::string> PathForAdministrator(const std::string& path, std::string& reason) override {
        const auto it = administratorPaths.find(path);
        if (it == administratorPaths.end()) return path;
        if (it->second.empty()) reason = "drive Z: is mapped to a network share that could not be found";
        return it->second.empty() ? std::nullopt : std::optional<std::string>(it->second);
    }
    bool RunsElevated() override { return elevated; }
};

// Files by path; a path can be made unwritable, or unreadable, to test failures.
class FakeFileSystem : public platform::FileSystem {
public:
    std::map<std::string, std::string> files;
    std::set<std::string> readOnly;
    std::set<std::string> unreadable;
    std::set<std::string> diskFull;  // paths whose replacement runs out of space
    int readCalls = 0;
    int replaceCalls = 0;

    bool FileExists(const std::string& path) override { return files.count(path) > 0; }
    std::optional<std::string> ReadFile(const std::string& path, std::string& reason) override;
    bool ReplaceContents(const std::string& path, const std::string& content, std::string& reason) override;
};

class FakeEnvironment : public platform::Environment {
public:
    std::string executablePath = "C:\\Tools\\Zelta\\Zelta.exe";
    std::map<std::string, std::string> variables;
    std::string systemFolder = "C:\\Windows\\system32";
    std::string ExecutablePath() override { return executablePath; }
    std::string SystemFolder() override { return systemFolder; }
    std::string Variable(const std::string& name) override {
        const auto it = variables.find(name);
        return it == variables.end() ? std::string() : it->second;
    }
};

// The identity, as on a system whose two code pages agree; characters listed in missingInConsole have no counterpart
// in the console code page. The ANSI code page is Latin-1, so "\xE9" is "\xC3\xA9" in UTF-8, and a UTF-8
// character above U+00FF (or a byte that is no UTF-8) reads as "?".
class FakeCodePages : public platform::CodePages {
public:
    std::string missingInConsole;
    std::optional<std::string> AnsiToConsole(const std::string& text) override {
        if (text.find_first_of(missingInConsole) != std::string::npos) return std::nullopt;
        return text;
    }
    std::string ConsoleToAnsi(const std::string& text) override { return text; }
    std::string Utf8ToAnsiText(const std::string& utf8, bool& exact) override;
    std::string AnsiTextToUtf8(const std::string& text) override;
};

// A process list; terminating a process takes it off the list, as the system does once it has ended.
class FakeProcesses : public platform::Processes {
public:
    std::vector<platform::ProcessEntry> running;
    std::vector<std::uint32_t> terminated;  // every terminate asked for, in order, successful or not
    int snapshots = 0;
    std::uint32_t ownSession = 0;  // the entries' default session
    // Runs at each terminate, before the process leaves the list: lets a test see what was already done then.
    std::function<void(std::uint32_t)> onTerminate;

    std::vector<platform::ProcessEntry> Snapshot() override {
        ++snapshots;
        return running;
    }
    std::uint32_t OwnSessionId() override { return ownSession; }
    // Only the one process leaves the list: its children run on, as they do on the system.
    bool Terminate(std::uint32_t id) override {
        terminated.push_back(id);
        if (onTerminate) onTerminate(id);
        const auto it = std::find_if(running.begin(), running.end(),
                                     [id](const platform::ProcessEntry& entry) { return entry.id == id; });
        if (it == running.end()) return false;
        running.erase(it);
        return true;
    }
};

class FakeInternetSettings : public platform::InternetSettings {
public:
    int notices = 0;
    void NotifySettingsChanged() override { ++notices; }
};

// Commands that "run" by answering from a table: each started command is recorded; a command line found in
// results gets that result, any other ends with exit code 0 and no output.
class FakeCommandRunner : public platform::CommandRunner {
public:
    struct Start {
        std::string program;
        std::string commandLine;
        unsigned timeoutMs;
    };
    std::map<std::string, platform::CommandResult> results;
    std::vector<Start> starts;

    platform::CommandResult Run(const std::string& program, const std::string& commandLine,
                                unsigned timeoutMs) override {
        starts.push_back({program, commandLine, timeoutMs});
        const auto it = results.find(commandLine);
        return it == results.end() ? platform::CommandResult{} : it->second;
    }
};

// Time that moves only when something waits: each wait moves it on by its bound or by step, whichever is less, and
// then runs onWait, which may change the fake registry as the system would at that moment.
class FakeClock : public platform::Clock {
public:
    std::uint64_t now = 0;
    unsigned step = 1000;
    int waits = 0;
    std::function<void(std::uint64_t)> onWait;

    std::uint64_t NowMs() override { return now; }
    void WaitForKeyChange(platform::RegistryRoot, const std::string&, unsigned maxWaitMs) override {
        now += std::min(maxWaitMs, step);
        ++waits;
        if (onWait) onWait(now);
    }
};

// The IP helper's answer by adapter key name; an adapter not listed is unknown to it.
class FakeLiveAdapters : public platform::LiveAdapters {
public:
    std::map<std::string, platform::LiveAdapter> adapters;
    std::optional<platform::LiveAdapter> Find(const std::string& adapterKeyName) override {
        const auto it = adapters.find(adapterKeyName);
        if (it == adapters.end()) return std::nullopt;
        return it->second;
    }
};

struct Notice {
    std::string message;
    std::string header;
    unsigned timeMs;
    bool anywhere = false;  // to be seen with the window hidden too
    bool warning = false;
};

class FakeNotifier : public Notifier {
public:
    std::vector<Notice> notices;
    void ShowNotice(const std::string& message, const std::string& header, unsigned timeMs) override {
        notices.push_back({message, header, timeMs});
    }
    void ShowNoticeAnywhere(const std::string& message, const std::string& header, unsigned timeMs,
                            bool warning) override {
        notices.push_back({message, header, timeMs, true, warning});
    }
    std::vector<std::string> Messages() const {
        std::vector<std::string> result;
        for (const Notice& notice : notices) result.push_back(notice.message);
        return result;
    }
};

// A main window model with fake system operations and all handlers bound, before the start-up sequence.
struct FakeApp {
    FakeRegistry registry;
    FakeSystemInfo systemInfo;
    FakeLauncher launcher;
    FakeFileSystem files;
    FakeEnvironment environment;
    FakeNotifier notifier;
    FakeCodePages codePages;
    FakeProcesses processes;
    FakeInternetSettings internetSettings;
    platform::Platform platform{registry,    systemInfo, launcher,  files,
                                environment, codePages,  processes, internetSettings};
    MainForm main{platform, notifier};
    FormController controller{main};
    int closeRequests = 0;

    FakeApp() {
        main.closeMainWindow = [this] { ++closeRequests; };
    }
    Form1& form() { return main.form; }
    AppState& state() { return main.state; }
};

// The text of the error action ends with, empty when it goes through.
template <typename Action>
std::string ErrorOf(Action&& action) {
    try {
        action();
    } catch (const ZeltaError& error) {
        return error.what();
    }
    return "";
}

}  // namespace zelta::fakes
