// The companion on its own, started as the main program starts it (the shell's "open", no parameters, no folder,
// hidden) in a folder holding execute.bat and a netsh.exe stand-in: every command reaches netsh exactly as the
// command interpreter would pass it ("%" and "é" included), the report is written, no window appears on success,
// one message box names the failed command, and no console window shows at any time.
#include <windows.h>

#include <shellapi.h>

#include "platform/win32/CommandRunner_win32.h"
#include "tests/e2e/driver/ConsoleWatch.h"
#include "tests/e2e/driver/Driver.h"

namespace {

// The adapter "Büro 50% é" as the main program writes it: console code page 437 ("ü" 0x81, "é" 0x82), the "%"
// doubled, CR LF after every line.
const std::string kOemName = "B\x81ro 50%% \x82";
const std::string kBatch = "netsh int ipv4 set address name=\"" + kOemName +
                           "\" source=static addr=192.168.1.20 mask=255.255.255.0 "
                           "gateway=192.168.1.1 gwmetric=1\r\n"
                           "netsh int ipv4 set dns name=\"" +
                           kOemName +
                           "\" source=static addr=192.168.1.1\r\n"
                           "netsh int ipv4 add dns name=\"" +
                           kOemName + "\" addr=8.8.4.4 index=2\r\n";
// What reaches netsh (recorded as UTF-8) and what the report holds (ANSI, 1252).
const std::string kUtf8Name = "B\xC3\xBCro 50% \xC3\xA9";
const std::string kAnsiName = "B\xFCro 50% \xE9";
const std::string kArguments[] = {
    "int ipv4 set address name=\"" + kUtf8Name +
        "\" source=static addr=192.168.1.20 mask=255.255.255.0 "
        "gateway=192.168.1.1 gwmetric=1",
    "int ipv4 set dns name=\"" + kUtf8Name + "\" source=static addr=192.168.1.1",
    "int ipv4 add dns name=\"" + kUtf8Name + "\" addr=8.8.4.4 index=2",
};
const std::string kAnsiDnsLine = "netsh int ipv4 set dns name=\"" + kAnsiName + "\" source=static addr=192.168.1.1";

// One run of the companion as the main program starts it (Quillet.exe by its full path, the shell's "open",
// hidden, in the system folder), watched for console windows from before it starts; its handle closed at the end.
struct CompanionRun {
    e2e::ConsoleWatch watch;
    HANDLE process = nullptr;

    explicit CompanionRun(e2e::Context& ctx) {
        const std::string companion = ctx.appDir + "Quillet.exe";
        const std::string systemFolder = e2e::SystemFolder();
        SHELLEXECUTEINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOZONECHECKS;
        info.lpVerb = "open";
        info.lpFile = companion.c_str();
        info.lpDirectory = systemFolder.c_str();
        info.nShow = SW_HIDE;
        const bool started = ShellExecuteExA(&info) != FALSE && info.hProcess != nullptr;
        e2e::Check(ctx, started, "Quillet.exe started hidden from the program folder");
        if (started) process = info.hProcess;
    }
    ~CompanionRun() {
        if (process) CloseHandle(process);
    }
    // Its visible message box once it shows, or nullptr.
    HWND MessageBoxAfter(int timeoutMs) {
        HWND box = nullptr;
        const DWORD id = process ? GetProcessId(process) : 0;
        watch.WaitUntil([&] { return (box = e2e::MessageBoxOfProcess(id)) != nullptr; }, timeoutMs);
        return box;
    }
    // Its exit code once it has ended, or -1; its message box, when one is given, answered first.
    int ExitCodeAfter(int timeoutMs, HWND box = nullptr) {
        if (box) PostMessageA(box, WM_COMMAND, IDOK, 0);
        if (!process) return -1;
        watch.WaitUntil([&] { return WaitForSingleObject(process, 0) == WAIT_OBJECT_0; }, timeoutMs);
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(process, &code);
        return code == STILL_ACTIVE ? -1 : static_cast<int>(code);
    }
};

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// A console of a program that ends at once may show up only after it has ended: the watch goes on this long after
// the companion ended. (Absence can only be watched over a time.)
constexpr int kLateConsoleMs = 3000;

// Console windows are seen by the watch, and the stand-in tells whether it had one: either would show a console of
// the companion's.
void CheckTheWatchSeesConsoles(e2e::Context& ctx) {
    e2e::ConsoleWatch watch;
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION prompt{};
    std::string line = "cmd.exe /k";
    CHECK(ctx, CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE, nullptr, nullptr,
                              &startup, &prompt) != FALSE);
    e2e::Check(ctx, watch.WaitUntil([&] { return !watch.Seen().empty(); }, 20000),
               "the watch sees the console window of a command prompt");
    if (prompt.hProcess) {
        TerminateProcess(prompt.hProcess, 0);
        CloseHandle(prompt.hThread);
        CloseHandle(prompt.hProcess);
    }
    PROCESS_INFORMATION recorder{};
    line = "\"" + ctx.helpersDir + "netsh.exe\" calibration";
    if (CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE, nullptr,
                       ctx.artifactsDir.c_str(), &startup, &recorder)) {
        WaitForSingleObject(recorder.hProcess, 20000);
        CloseHandle(recorder.hThread);
        CloseHandle(recorder.hProcess);
    }
    const auto consoles = e2e::ReadFileBytes(ctx.helpersDir + "netsh.console.log").value_or("");
    e2e::Check(ctx, consoles == "shown\r\n" || consoles == "hidden\r\n",
               "the stand-in started with a console of its own has a console window: " + consoles);
    // Gone again before the companion runs.
    CHECK(ctx, e2e::WaitUntil(
                   [&] {
                       for (const e2e::SeenConsole& console : watch.Seen()) {
                           if (IsWindow(console.window) && IsWindowVisible(console.window)) return false;
                       }
                       return true;
                   },
                   20000));
    watch.WaitUntil([] { return false; }, kLateConsoleMs);  // the stand-in's own console, if it comes late
}

void CheckNoConsoleAppeared(e2e::Context& ctx, e2e::ConsoleWatch& watch) {
    watch.WaitUntil([&] { return !watch.Seen().empty(); }, kLateConsoleMs);
    e2e::Check(ctx, watch.Seen().empty(), "no console window appeared: " + e2e::Describe(watch.Seen()));
}

}  // namespace

E2E_SCENARIO(companion) {
    CheckTheWatchSeesConsoles(ctx);

    SETUP(ctx, e2e::PlaceCompanion(ctx, ctx.appDir));
    SETUP(ctx, e2e::PlaceHelper(ctx, "netsh.exe", e2e::SystemFolder()));
    // One beside the companion too, as a download might leave it: never run.
    SETUP(ctx, e2e::PlaceHelper(ctx, "netsh.exe", ctx.appDir));
    SETUP(ctx, e2e::WriteFileBytes(ctx.appDir + "execute.bat", kBatch));
    const std::string log = ctx.appDir + "execute.log";
    const std::string netshLog = e2e::SystemFolder() + "netsh.log";

    // Every command succeeds: the arguments reach netsh exactly, the report is written, nothing is shown.
    {
        CompanionRun run(ctx);
        CHECK_EQ(ctx, std::to_string(run.ExitCodeAfter(60000)), "0");
        const std::vector<std::string> arguments = e2e::FileLines(netshLog);
        CHECK_EQ(ctx, std::to_string(arguments.size()), "3");
        for (std::size_t i = 0; i < arguments.size() && i < 3; ++i) CHECK_EQ(ctx, arguments[i], kArguments[i]);
        const auto starts = e2e::ReadFileBytes(e2e::SystemFolder() + "netsh.start.log");
        CHECK(ctx, starts && Contains(*starts, "show=0"));  // started hidden
        CHECK_EQ(ctx, e2e::ReadFileBytes(e2e::SystemFolder() + "netsh.console.log").value_or(""),
                 "none\r\nnone\r\nnone\r\n");
        const auto report = e2e::ReadFileBytes(log).value_or("");
        CHECK(ctx, Contains(report, "\r\n[2] " + kAnsiDnsLine + "\r\n    exit code 0 after "));
        CHECK(ctx, Contains(report, "\r\n3 of 3 commands succeeded, 0 failed.\r\n"));
        CHECK(ctx, run.MessageBoxAfter(0) == nullptr);
        CheckNoConsoleAppeared(ctx, run.watch);
    }

    // netsh fails on the first DNS command: the others still run, one message box names it and what netsh said.
    {
        SETUP(ctx, e2e::WriteFileBytes(e2e::SystemFolder() + "netsh-fail.txt", "set dns\r\nElement not found.\r\n"));
        CHECK(ctx, DeleteFileA(netshLog.c_str()) != FALSE);
        CompanionRun run(ctx);
        const HWND box = run.MessageBoxAfter(60000);
        CHECK(ctx, box != nullptr);
        const std::string text = box ? e2e::MessageBoxText(box) : std::string();
        CHECK(ctx, Contains(text, "not fully applied: 1 of 3 commands failed."));
        CHECK(ctx, Contains(text, kAnsiDnsLine + "\nnetsh said: Element not found. (exit code 1)"));
        CHECK(ctx, Contains(text, "execute.log"));
        CHECK(ctx, !Contains(text, "add dns"));
        e2e::SaveScreenshot(ctx, "companion-failure-message");
        CHECK_EQ(ctx, std::to_string(e2e::FileLines(netshLog).size()), "3");
        const auto report = e2e::ReadFileBytes(log).value_or("");
        CHECK(ctx, Contains(report, "\r\n[2] " + kAnsiDnsLine + "\r\n    exit code 1 after ") &&
                       Contains(report, " s\r\n    Element not found.\r\n"));
        CHECK(ctx, Contains(report, "\r\n2 of 3 commands succeeded, 1 failed.\r\n"));
        CHECK_EQ(ctx, std::to_string(run.ExitCodeAfter(20000, box)), "1");
        CheckNoConsoleAppeared(ctx, run.watch);
    }

    // No batch file: the companion says so and ends with its own exit code.
    {
        CHECK(ctx, DeleteFileA((ctx.appDir + "execute.bat").c_str()) != FALSE);
        CompanionRun run(ctx);
        const HWND box = run.MessageBoxAfter(30000);
        CHECK(ctx, box != nullptr);
        CHECK(ctx, Contains(box ? e2e::MessageBoxText(box) : std::string(), "found no \"execute.bat\" to run in"));
        CHECK_EQ(ctx, std::to_string(run.ExitCodeAfter(20000, box)), "2");
    }
    CHECK(ctx, !e2e::FileExists(ctx.appDir + "netsh.log"));  // the planted one never ran

    // The runner's bound (the companion gives each command 120 s; here 3 s): a command that never ends, and has
    // started two processes of its own, is ended at the bound together with them.
    {
        const std::string folder = ctx.appDir + "hangs\\";
        SETUP(ctx, CreateDirectoryA(folder.c_str(), nullptr));
        SETUP(ctx, e2e::PlaceHelper(ctx, "firefox.exe", folder));
        zelta::platform::Win32CommandRunner runner;
        const auto result = runner.Run(folder + "firefox.exe", "firefox.exe --with-children", 3000);
        CHECK(ctx, result.status == zelta::platform::CommandResult::Status::TimedOut);
        // It had started its children before it logged its start.
        CHECK(ctx, e2e::FileLines(folder + "firefox.log") == std::vector<std::string>{"started --with-children"});
        std::size_t running = 0;
        const bool ended =
            e2e::WaitUntil([&] { return (running = e2e::RunningProcesses("firefox.exe").size()) == 0; }, 10000);
        e2e::Check(ctx, ended,
                   "the command and the processes it started have ended: " + std::to_string(running) + " left");
    }
}
