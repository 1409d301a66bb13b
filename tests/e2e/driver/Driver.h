#pragma once
// The end-to-end driver: starts the real Zelta.exe under Wine, finds its windows, reads and changes them through
// Windows messages, and checks what a user and the files see. Every wait has a deadline; none is a fixed sleep.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

struct Context {
    std::string appDir;        // the program's folder, with a trailing backslash
    std::string artifactsDir;  // where screenshots go, with a trailing backslash
    std::string
        helpersDir;  // the stand-ins for system programs (netsh.exe, Quillet.exe, firefox.exe), trailing backslash
    std::string companionDir;  // the real Quillet.exe, with a trailing backslash
    int checks = 0;
    int failures = 0;
};

using ScenarioFn = void (*)(Context&);
struct ScenarioRegistrar {
    ScenarioRegistrar(const char* name, ScenarioFn fn);
};
ScenarioFn FindScenario(const std::string& name);

#define E2E_SCENARIO(name)                                              \
    static void name##_body(e2e::Context& ctx);                         \
    static e2e::ScenarioRegistrar name##_registrar(#name, name##_body); \
    static void name##_body(e2e::Context& ctx)

void Check(Context& ctx, bool ok, const std::string& what);
void CheckEq(Context& ctx, const std::string& actual, const std::string& expected, const std::string& what);
#define CHECK(ctx, condition) e2e::Check(ctx, (condition), #condition)
// A step of the scenario's own preparation (a file written, a stand-in placed): its failure fails the scenario,
// its success is no check, so that a scenario that only prepares still "made no check".
void SetUp(Context& ctx, bool ok, const std::string& what);
#define SETUP(ctx, condition) e2e::SetUp(ctx, (condition), #condition)
#define CHECK_EQ(ctx, actual, expected) e2e::CheckEq(ctx, (actual), (expected), #actual)

// Polls the condition until it holds or the deadline passes.
bool WaitUntil(const std::function<bool()>& condition, int timeoutMs);

// A window's text; "<no answer from the window>" when it is gone or did not answer within the driver's time.
std::string WindowText(HWND window);
std::string ClassOf(HWND window);
std::string Lower(std::string text);  // ASCII letters only
HWND FindChildById(HWND parent, int id);    // searched through every level
std::vector<HWND> ChildrenOf(HWND parent);  // direct children, in z-order
// The top-level windows of every process that keep holds for, in z-order; the first of them, or nullptr.
std::vector<HWND> TopLevelWindows(const std::function<bool(HWND)>& keep);
HWND FirstTopLevelWindow(const std::function<bool(HWND)>& keep);
DWORD ProcessOf(HWND window);

// Files and programs of the test itself.
std::optional<std::string> ReadFileBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
// The text's lines: LF ends a line, a CR before it is dropped, a last line without LF counts.
std::vector<std::string> TextLines(const std::string& text);
// The lines of a file; none when it is missing.
std::vector<std::string> FileLines(const std::string& path);
// Whether the file's bytes hold that text; a missing file reads as empty.
bool FileContains(const std::string& path, const std::string& part);
bool SetReadOnly(const std::string& path, bool readOnly);
// The prefix's system folder as this driver sees it, with a trailing backslash.
std::string SystemFolder();
// The system folder of the system's own width, where Windows keeps the netsh that the companion runs: for a 32-bit
// driver on 64-bit Windows, the Sysnative alias of the 64-bit one; elsewhere SystemFolder().
std::string NativeSystemFolder();
// Copies the stand-in program exeName from the helpers folder into folder (with its trailing backslash), under the
// name asName when one is given.
bool PlaceHelper(const Context& ctx, const std::string& exeName, const std::string& folder,
                 const std::string& asName = "");
// Copies the real companion Quillet.exe into folder (with its trailing backslash).
bool PlaceCompanion(const Context& ctx, const std::string& folder);
// Waits until the netsh stand-in in the system folder has recorded as many lines as expected, then checks that
// they are exactly those (the arguments after "netsh", as UTF-8), naming the difference. The log keeps every start,
// so expected holds every line since the stand-in was placed.
void CheckNetshReceived(Context& ctx, const std::vector<std::string>& expected, int timeoutMs);
// Holds the condition false for the whole window of time: an absence is watched, not looked at once.
void CheckStaysFalse(Context& ctx, const std::function<bool()>& condition, int windowMs, const std::string& what);
// Starts a command line and waits for it; its exit code, or -1 when it did not start or end in time.
int RunAndWait(const std::string& commandLine, int timeoutMs);
// The ids of the running processes with exactly that executable name (when parentId is given, of those it started).
std::vector<DWORD> RunningProcesses(const std::string& exeName, std::optional<DWORD> parentId = std::nullopt);
// Wine's reg.exe: prepares registry keys and values as an administrator would.
void RegAdd(Context& ctx, const std::string& arguments);
std::string RegQuery(const std::string& key, const std::string& value);
// A picture of the whole screen, as BMP, in the artifacts folder.
std::string SaveScreenshot(Context& ctx, const std::string& name);

// The tips of the icons in the shell's tray, read from each icon's tooltip in the shell's process.
std::vector<std::string> TrayTips();
// A visible message box captioned "Vok Tarvex" of any process but exceptProcess (the companion's, say), or nullptr.
HWND MessageBoxOfAnotherProcess(DWORD exceptProcess);
// The same, of that process only.
HWND MessageBoxOfProcess(DWORD process);
// A message box's message.
std::string MessageBoxText(HWND box);

// Pixels as 0x00RRGGBB, row by row from the top.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};
// What the screen shows in that rectangle (screen coordinates, inside the desktop).
Picture CaptureScreen(const RECT& rect);
// Resizes Wine's virtual desktop (for this session only) and waits until the system reports the new size.
bool SetDesktopSize(int width, int height);

// The program under test, started from its folder (its working directory) and found by its process.
class Zelta {
public:
    // Starts the program; with waitForWindow, waits until its main window is shown (and checks that it is).
    // creationFlags go to CreateProcess: DETACHED_PROCESS starts it without the driver's console, as a user's
    // start does, so that the console programs it starts open windows of their own.
    // workingFolder: the folder it is started in (its shortcut's "Start in"); the program folder when empty.
    // arguments: what follows the program's name on its command line.
    explicit Zelta(Context& ctx, const std::string& exeName = "Zelta.exe", bool waitForWindow = true,
                   DWORD creationFlags = 0, const std::string& workingFolder = "", const std::string& arguments = "");
    ~Zelta();
    Zelta(const Zelta&) = delete;
    Zelta& operator=(const Zelta&) = delete;

    bool Started() const { return main_ != nullptr; }
    bool WaitForMainWindow(int timeoutMs);
    HWND Main() const { return main_; }
    HWND Application() const { return application_; }
    DWORD ProcessId() const { return processId_; }

    // The controls of the main window, by id. A control that is missing, or one that does not answer within the
    // driver's time, fails the check that asked for it, naming the control (and reads as nullptr, false or
    // "<no control>").
    HWND Control(int id) const;
    std::string Text(int id) const;
    void SetText(int id, const std::string& text);  // as typing would: the window reports the change
    void Click(int id);                             // returns after the handler ran
    void PostClick(int id);                         // returns at once (for handlers that open a message box)
    bool Checked(int id) const;
    bool Enabled(int id) const;
    bool Visible(int id) const;
    std::string StatusPanel0() const;
    std::vector<std::string> BarItems(int barId) const;
    HWND BarItem(int barId, int index) const;
    void ClickBarItem(int barId, int index);
    // The program runs on: its process has not ended and its main window answers within the driver's time. One
    // check, named after what the program has just been through.
    void CheckRunsOn(const std::string& after);

    // The program's windows whose buttons the taskbar shows now, in the taskbar's order. Wine's taskbar keeps one
    // button per window, a child of "Shell_TrayWnd" whose control id is that window's handle.
    std::vector<HWND> TaskbarButtonWindows() const;
    // A visible top-level window of the program's process with that class, or nullptr.
    HWND FindProcessWindow(const char* className) const;
    // The program's visible balloon notice (its hint tooltip is no balloon), or nullptr.
    HWND VisibleBalloon() const;
    // Waits for the balloon notice with exactly that text; a check naming what was shown instead.
    void CheckNotice(const std::string& expected, int timeoutMs);
    // The program's open popup menu, waited for; nullptr when none opens within the time.
    HWND WaitForMenu(int timeoutMs) const;
    // Opens the tray icon's popup menu as the shell asks for it and chooses its nth entry that is not a
    // separator (1 is "Exit") by keyboard; a menu that does not open fails a check.
    void ChooseTrayEntry(int nth);
    // Waits for the general error report, returns its text ("caption|message") and closes it.
    std::optional<std::string> TakeErrorReport(int timeoutMs);
    // Takes the error report: two checks, that it came and that it is exactly expected.
    void CheckErrorReport(const std::string& expected, int timeoutMs);
    void Close();
    bool WaitForExit(int timeoutMs);
    // Its exit code once it ended within the time; nullopt while it runs.
    std::optional<int> ExitCode(int timeoutMs) const;

private:
    // Sends a message to one of the program's windows; a window that does not answer fails a check naming what.
    LRESULT Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam, const std::string& what) const;
    std::string TextOf(HWND window, const std::string& what) const;
    HWND Reported(HWND window, const std::string& what) const;  // a missing window fails a check naming what

    Context& ctx_;
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    HWND main_ = nullptr;
    HWND application_ = nullptr;
};

}  // namespace e2e
