// The start-up and idle benchmark, run under Wine by scripts/bench.sh:
//   zbench.exe ZELTA_EXE BARE_EXE [--also EXE] [--rounds N] [--idle-seconds S]
// Start-up: each program is started from its own folder, from CreateProcess until its TForm1 window is visible and
// the process waits for input; the programs alternate (the order turns every round) so that load from other work on
// the machine falls on all of them. Each --also adds a yardstick. Idle: Zelta.exe's CPU time (user + kernel)
// while shown, then while hidden to the tray. Figures are printed, never judged.
#include <windows.h>

#include "app/model/ControlIds.h"
#include "bench/win32/BenchTiming_win32.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

#include "platform/PathText.h"
#include "platform/ProductNames.h"

namespace {

using bench::Now;
using bench::Poll;

struct FindArgs {
    DWORD pid;
    HWND found;
};

// Windows calls it with its own calling convention (stdcall on 32-bit), which a lambda does not have.
BOOL CALLBACK FindMainWindow(HWND hwnd, LPARAM lp) {
    auto* a = reinterpret_cast<FindArgs*>(lp);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    char name[32] = {};
    GetClassNameA(hwnd, name, sizeof(name));
    if (owner == a->pid && lstrcmpA(name, zelta::kMainWindowClass) == 0) {
        a->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND MainWindowOf(DWORD pid) {
    FindArgs args{pid, nullptr};
    EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&args));
    return args.found;
}

class Program {
public:
    explicit Program(const std::string& exe) {
        std::string line = "\"" + exe + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof(startup);
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWNORMAL;
        const std::string folder = zelta::platform::ParentFolder(exe);
        started_ = Now();
        if (!CreateProcessA(exe.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                            folder.empty() ? nullptr : folder.c_str(), &startup, &process_)) {
            process_ = {};
            return;
        }
        WaitForInputIdle(process_.hProcess, 10000);
        HWND main = nullptr;
        if (Poll([&] { return (main = MainWindowOf(process_.dwProcessId)) != nullptr && IsWindowVisible(main); },
                 10000)) {
            WaitForInputIdle(process_.hProcess, 10000);
            shownMs_ = Now() - started_;
            main_ = main;
        }
    }
    ~Program() {
        if (!process_.hProcess) return;
        if (main_) PostMessageA(main_, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process_.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool Shown() const { return main_ != nullptr; }
    double ShownMs() const { return shownMs_; }
    HWND Main() const { return main_; }

private:
    PROCESS_INFORMATION process_{};
    double started_ = 0;
    double shownMs_ = 0;
    HWND main_ = nullptr;
};

std::string ReadSmallFile(const std::string& path) {
    HANDLE file =
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

// Wine's GetProcessTimes reports nothing for another process, so the host's process table is read instead
// (through Wine's Z: drive): the Linux process named comm that runs in this benchmark's Wine prefix.
class HostProcess {
public:
    explicit HostProcess(const std::string& comm) {
        char prefix[1024] = {};
        if (!GetEnvironmentVariableA("WINEPREFIX", prefix, sizeof(prefix))) return;
        const std::string marker = std::string("WINEPREFIX=") + prefix;
        WIN32_FIND_DATAA entry;
        HANDLE find = FindFirstFileA("Z:\\proc\\*", &entry);
        if (find == INVALID_HANDLE_VALUE) return;
        do {
            const std::string name = entry.cFileName;
            if (name.find_first_not_of("0123456789") != std::string::npos) continue;
            const std::string folder = "Z:\\proc\\" + name + "\\";
            std::string found = ReadSmallFile(folder + "comm");
            while (!found.empty() && (found.back() == '\n' || found.back() == '\r')) found.pop_back();
            if (found != comm) continue;
            const std::string environment = ReadSmallFile(folder + "environ");
            const std::size_t at = environment.find(marker);
            if (at == std::string::npos) continue;
            const std::size_t end = at + marker.size();
            if (end < environment.size() && environment[end] != '\0' && environment[end] != '/') continue;
            stat_ = folder + "stat";
            break;
        } while (FindNextFileA(find, &entry));
        FindClose(find);
    }
    bool Found() const { return !stat_.empty(); }
    // User plus system time in seconds (fields 14 and 15 of stat, in ticks of 1/100 s).
    double CpuSeconds() const {
        const std::string stat = ReadSmallFile(stat_);
        const std::size_t close = stat.rfind(')');
        if (close == std::string::npos) return 0;
        std::vector<std::string> fields;
        std::size_t at = close + 2;
        while (at < stat.size() && fields.size() < 13) {
            const std::size_t space = stat.find(' ', at);
            fields.push_back(stat.substr(at, space - at));
            if (space == std::string::npos) break;
            at = space + 1;
        }
        if (fields.size() < 13) return 0;
        return (std::atof(fields[11].c_str()) + std::atof(fields[12].c_str())) / 100.0;
    }

private:
    std::string stat_;
};

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::string WindowCaption(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

struct Share {
    double program;  // percent of one core
    double server;   // Wine's server, for the same time (it serves every program of the prefix)
};

// CPU shares of one core over seconds of wall time.
Share IdleShare(const HostProcess& program, const HostProcess& server, double seconds) {
    const double programBefore = program.CpuSeconds();
    const double serverBefore = server.CpuSeconds();
    const double wallBefore = Now();
    Sleep(static_cast<DWORD>(seconds * 1000));
    const double wall = (Now() - wallBefore) / 1000.0;
    return Share{(program.CpuSeconds() - programBefore) / wall * 100.0,
                 (server.CpuSeconds() - serverBefore) / wall * 100.0};
}

// Each round starts every program once, the order turning by one each round.
int Startup(const std::string& zelta, const std::vector<std::string>& yardsticks, int rounds) {
    std::vector<std::string> programs{zelta};
    programs.insert(programs.end(), yardsticks.begin(), yardsticks.end());
    // One start of each first, not counted: it loads the programs and Wine's DLLs into the page cache.
    for (const std::string& exe : programs) Program warm(exe);
    std::vector<std::vector<double>> times(programs.size());
    std::vector<std::vector<double>> ratios(yardsticks.size());
    int missed = 0;
    for (int round = 0; round < rounds; ++round) {
        std::vector<double> ms(programs.size());
        bool shown = true;
        for (std::size_t turn = 0; shown && turn < programs.size(); ++turn) {
            const std::size_t which = (turn + static_cast<std::size_t>(round)) % programs.size();
            Program program(programs[which]);
            shown = program.Shown();
            if (!shown) std::printf("  round %2d: %s did not show its window\n", round + 1, programs[which].c_str());
            ms[which] = program.ShownMs();
        }
        // A start that never shows (seen once in a while under Wine on a busy machine) loses its round, not the run.
        if (!shown) {
            ++missed;
            continue;
        }
        std::printf("  round %2d: Zelta.exe %6.1f ms", round + 1, ms[0]);
        for (std::size_t i = 0; i < yardsticks.size(); ++i) {
            times[i + 1].push_back(ms[i + 1]);
            ratios[i].push_back(ms[0] / ms[i + 1]);
            std::printf(", yardstick %zu %6.1f ms (ratio %.2f)", i + 1, ms[i + 1], ms[0] / ms[i + 1]);
        }
        times[0].push_back(ms[0]);
        std::printf("\n");
    }
    if (times[0].empty()) return 1;
    auto fastest = [](const std::vector<double>& values) { return *std::min_element(values.begin(), values.end()); };
    std::printf("Start-up to a shown, idle window (%d alternated rounds, %d missed): Zelta.exe median %.0f ms, fastest "
                "%.0f ms\n",
                rounds - missed, missed, Median(times[0]), fastest(times[0]));
    const char* const names[] = {"a bare window", "a bare window with the manifest and common controls",
                                 "the same windows from the form's table with nothing behind them"};
    for (std::size_t i = 0; i < yardsticks.size(); ++i) {
        std::printf("  against %s: median %.0f ms, median ratio %.2f%s; fastest %.0f ms, ratio of the fastest %.2f\n",
                    i < std::size(names) ? names[i] : yardsticks[i].c_str(), Median(times[i + 1]), Median(ratios[i]),
                    i == 0 ? " (goal: at most 1.50)" : "", fastest(times[i + 1]),
                    fastest(times[0]) / fastest(times[i + 1]));
    }
    return 0;
}

int Idle(const std::string& zelta, double seconds) {
    Program program(zelta);
    if (!program.Shown()) {
        std::printf("  Zelta.exe did not show its window\n");
        return 1;
    }
    HWND main = program.Main();
    const HostProcess host("Zelta.exe");
    const HostProcess server("wineserver");
    if (!host.Found()) {
        std::printf("  the Linux process of Zelta.exe was not found: no idle figure\n");
        return 1;
    }
    const double shownSeconds = std::min(seconds, 10.0);
    const Share shown = IdleShare(host, server, shownSeconds);
    PostMessageA(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    if (!Poll([&] { return !IsWindowVisible(main); }, 5000)) {
        std::printf("  Zelta.exe did not hide to the tray\n");
        return 1;
    }
    Sleep(500);  // the hide settles (taskbar button, balloon) before the count starts
    const Share hidden = IdleShare(host, server, seconds);
    const std::string captionHidden = WindowCaption(main);
    // A single click on the tray icon restores the window once the double-click time has passed.
    PostMessageA(main, zelta::kTrayCallback, zelta::kTrayIconId, WM_LBUTTONUP);
    const bool restored = Poll([&] { return IsWindowVisible(main) != FALSE; }, 5000);
    const std::string captionRestored = WindowCaption(main);
    std::vector<std::string> seen{captionRestored};
    const double sampleEnd = Now() + 1000;
    while (Now() < sampleEnd) {
        const std::string caption = WindowCaption(main);
        if (caption != seen.back()) seen.push_back(caption);
        Sleep(10);
    }
    std::printf(
        "Idle CPU of Zelta.exe: %.2f %% of a core hidden to the tray (%.0f s; goal: at most 0.20 %%), "
        "%.2f %% shown (%.0f s)\n",
        hidden.program, seconds, shown.program, shownSeconds);
    if (server.Found()) {
        std::printf("  Wine's server meanwhile: %.2f %% hidden, %.2f %% shown\n", hidden.server, shown.server);
    }
    std::printf(
        "  caption while hidden \"%s\"; restored: %s, first caption \"%s\", %zu different captions in the "
        "next second\n",
        captionHidden.c_str(), restored ? "yes" : "NO", captionRestored.c_str(), seen.size());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: zbench.exe ZELTA_EXE BARE_EXE [--also EXE] [--rounds N] [--idle-seconds S]\n");
        return 2;
    }
    std::vector<std::string> yardsticks{argv[2]};
    int rounds = 15;
    double idleSeconds = 60;
    for (int i = 3; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--also") yardsticks.push_back(argv[i + 1]);
        if (option == "--rounds") rounds = std::max(1, std::atoi(argv[i + 1]));
        if (option == "--idle-seconds") idleSeconds = std::max(1.0, std::atof(argv[i + 1]));
    }
    int status = Startup(argv[1], yardsticks, rounds);
    std::fflush(stdout);
    if (status == 0) status = Idle(argv[1], idleSeconds);
    return status;
}
