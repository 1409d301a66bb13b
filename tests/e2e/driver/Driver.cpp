#include "tests/e2e/driver/Driver.h"

#include <commctrl.h>
#include <tlhelp32.h>

#include <cctype>
#include <cstdio>
#include <map>

#include "app/model/ControlIds.h"
#include "platform/ProductNames.h"
#include "tests/e2e/driver/Keyboard.h"

namespace e2e {

namespace {
std::map<std::string, ScenarioFn>& Scenarios() {
    static std::map<std::string, ScenarioFn> scenarios;
    return scenarios;
}

constexpr int kStartTimeoutMs = 30000;
constexpr UINT kSendTimeoutMs = 10000;

// The window's answer, or nothing when it is gone or did not answer in time.
std::optional<LRESULT> Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!window || !SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, kSendTimeoutMs, &result)) {
        return std::nullopt;
    }
    return static_cast<LRESULT>(result);
}

constexpr char kNoAnswer[] = "<no answer from the window>";

std::string ControlName(int id) { return "control " + std::to_string(id); }
std::string BarItemName(int barId, int index) {
    return "item " + std::to_string(index) + " of bar " + std::to_string(barId);
}

BOOL CALLBACK NoteWindow(HWND window, LPARAM lParam) {
    reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(window);
    return TRUE;
}
}  // namespace

ScenarioRegistrar::ScenarioRegistrar(const char* name, ScenarioFn fn) { Scenarios()[name] = fn; }

ScenarioFn FindScenario(const std::string& name) {
    const auto it = Scenarios().find(name);
    return it == Scenarios().end() ? nullptr : it->second;
}

void Check(Context& ctx, bool ok, const std::string& what) {
    ++ctx.checks;
    if (!ok) ++ctx.failures;
    std::printf("%s %s\n", ok ? "ok  " : "FAIL", what.c_str());
    std::fflush(stdout);
}

void SetUp(Context& ctx, bool ok, const std::string& what) {
    if (!ok) {
        Check(ctx, false, "set up: " + what);
        return;
    }
    std::printf("     set up: %s\n", what.c_str());
    std::fflush(stdout);
}

void CheckEq(Context& ctx, const std::string& actual, const std::string& expected, const std::string& what) {
    const bool ok = actual == expected;
    Check(ctx, ok,
          ok ? what + " == \"" + expected + "\"" : what + ": expected \"" + expected + "\", got \"" + actual + "\"");
}

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    while (true) {
        if (condition()) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(25);  // a polling interval, not a wait for the program
    }
}

// A window's text can change between asking its length and asking the text (a notice replaced by the next one);
// the text is taken only when its length is the same before and after.
std::string WindowText(HWND window) {
    for (int attempt = 0; attempt < 5; ++attempt) {
        const auto length = Send(window, WM_GETTEXTLENGTH, 0, 0);
        if (!length) return kNoAnswer;
        std::string text(static_cast<std::size_t>(*length) + 1, '\0');
        const auto copied = Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
        if (!copied) return kNoAnswer;
        text.resize(static_cast<std::size_t>(*copied > 0 ? *copied : 0));
        const auto lengthAfter = Send(window, WM_GETTEXTLENGTH, 0, 0);
        if (lengthAfter && *lengthAfter == *length) return text;
    }
    return kNoAnswer;
}

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string ClassOf(HWND window) {
    char name[128] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

HWND FindChildById(HWND parent, int id) {
    for (HWND child : ChildrenOf(parent)) {
        if (GetDlgCtrlID(child) == id) return child;
    }
    for (HWND child : ChildrenOf(parent)) {
        if (HWND found = FindChildById(child, id)) return found;
    }
    return nullptr;
}

std::vector<HWND> ChildrenOf(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

std::vector<HWND> TopLevelWindows(const std::function<bool(HWND)>& keep) {
    std::vector<HWND> all;
    EnumWindows(NoteWindow, reinterpret_cast<LPARAM>(&all));
    std::vector<HWND> kept;
    for (HWND window : all) {
        if (keep(window)) kept.push_back(window);
    }
    return kept;
}

HWND FirstTopLevelWindow(const std::function<bool(HWND)>& keep) {
    const std::vector<HWND> found = TopLevelWindows(keep);
    return found.empty() ? nullptr : found.front();
}

DWORD ProcessOf(HWND window) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    return owner;
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return std::nullopt;
    std::string bytes;
    char buffer[4096];
    std::size_t count;
    while ((count = std::fread(buffer, 1, sizeof(buffer), file)) > 0) bytes.append(buffer, count);
    std::fclose(file);
    return bytes;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool SetReadOnly(const std::string& path, bool readOnly) {
    return SetFileAttributesA(path.c_str(), readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL) != FALSE;
}

std::vector<std::string> TextLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : text) {
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

std::vector<std::string> FileLines(const std::string& path) { return TextLines(ReadFileBytes(path).value_or("")); }

bool FileContains(const std::string& path, const std::string& part) {
    return ReadFileBytes(path).value_or("").find(part) != std::string::npos;
}

std::string SystemFolder() {
    char folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    return std::string(folder, length < MAX_PATH ? length : 0) + "\\";
}

std::string NativeSystemFolder() {
    BOOL wow64 = FALSE;
    if (!IsWow64Process(GetCurrentProcess(), &wow64) || !wow64) return SystemFolder();
    char windows[MAX_PATH] = {};
    const UINT length = GetSystemWindowsDirectoryA(windows, MAX_PATH);
    return std::string(windows, length < MAX_PATH ? length : 0) + "\\Sysnative\\";
}

namespace {

// The text of the first tool of a tooltip in another process, read through that process's memory: the tool as
// the tooltip lists it, then its text.
std::string RemoteToolText(HWND tooltip) {
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, ProcessOf(tooltip));
    if (!process) return {};
    constexpr SIZE_T kChars = 128;
    auto* remote = static_cast<char*>(
        VirtualAllocEx(process, nullptr, sizeof(TTTOOLINFOW) + kChars * sizeof(wchar_t), MEM_COMMIT, PAGE_READWRITE));
    std::wstring text(kChars, L'\0');
    auto send = [&](UINT message, WPARAM wParam) {
        DWORD_PTR answer = 0;
        return SendMessageTimeoutW(tooltip, message, wParam, reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG, 5000,
                                   &answer) != 0 &&
               answer != 0;
    };
    if (remote) {
        TTTOOLINFOW info{};
        info.cbSize = sizeof(info);
        if (WriteProcessMemory(process, remote, &info, sizeof(info), nullptr) && send(TTM_ENUMTOOLSW, 0) &&
            ReadProcessMemory(process, remote, &info, sizeof(info), nullptr)) {
            info.lpszText = reinterpret_cast<wchar_t*>(remote + sizeof(info));
            if (WriteProcessMemory(process, remote, &info, sizeof(info), nullptr) &&
                WriteProcessMemory(process, remote + sizeof(info), text.data(), kChars * sizeof(wchar_t), nullptr)) {
                send(TTM_GETTEXTW, kChars);
                ReadProcessMemory(process, remote + sizeof(info), &text[0], kChars * sizeof(wchar_t), nullptr);
            }
        }
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    text.resize(wcsnlen(text.c_str(), kChars));
    std::string ansi(text.size() * 2 + 1, '\0');
    ansi.resize(
        static_cast<std::size_t>(WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), &ansi[0],
                                                     static_cast<int>(ansi.size()), nullptr, nullptr)));
    return ansi;
}

}  // namespace

std::vector<std::string> TrayTips() {
    // The tray window owns one tooltip for each of its icons.
    std::vector<std::string> tips;
    HWND tray = FindWindowA("Shell_TrayWnd", nullptr);
    HWND tooltip = nullptr;
    while (tray && (tooltip = FindWindowExA(nullptr, tooltip, "tooltips_class32", nullptr)) != nullptr) {
        if (GetWindow(tooltip, GW_OWNER) != tray) continue;
        const std::string text = RemoteToolText(tooltip);
        if (!text.empty()) tips.push_back(text);
    }
    return tips;
}

namespace {

// A visible message box captioned "Vok Tarvex" of that process (ofThatProcess) or of any other.
HWND ProductBox(DWORD process, bool ofThatProcess) {
    return FirstTopLevelWindow([&](HWND window) {
        return (ProcessOf(window) == process) == ofThatProcess && IsWindowVisible(window) &&
               ClassOf(window) == "#32770" && WindowText(window) == "Vok Tarvex";
    });
}

}  // namespace

HWND MessageBoxOfAnotherProcess(DWORD exceptProcess) { return ProductBox(exceptProcess, false); }

HWND MessageBoxOfProcess(DWORD process) { return process ? ProductBox(process, true) : nullptr; }

std::string MessageBoxText(HWND box) {
    for (HWND child : ChildrenOf(box)) {
        if (ClassOf(child) == "Static" && GetDlgCtrlID(child) == 0xFFFF) return WindowText(child);
    }
    return {};
}

void CheckNetshReceived(Context& ctx, const std::vector<std::string>& expected, int timeoutMs) {
    const std::string log = SystemFolder() + "netsh.log";
    WaitUntil([&] { return FileLines(log).size() >= expected.size(); }, timeoutMs);
    const std::vector<std::string> received = FileLines(log);
    auto join = [](const std::vector<std::string>& lines) {
        std::string text;
        for (const std::string& line : lines) text += "\n    " + line;
        return text;
    };
    Check(ctx, received == expected,
          received == expected ? "netsh received the " + std::to_string(expected.size()) + " expected lines"
                               : "netsh received:" + join(received) + "\n  expected:" + join(expected));
}

void CheckStaysFalse(Context& ctx, const std::function<bool()>& condition, int windowMs, const std::string& what) {
    Check(ctx, !WaitUntil(condition, windowMs), what + " (watched for " + std::to_string(windowMs) + " ms)");
}

bool PlaceHelper(const Context& ctx, const std::string& exeName, const std::string& folder, const std::string& asName) {
    const std::string target = folder + (asName.empty() ? exeName : asName);
    return CopyFileA((ctx.helpersDir + exeName).c_str(), target.c_str(), FALSE) != FALSE;
}

bool PlaceCompanion(const Context& ctx, const std::string& folder) {
    return CopyFileA((ctx.companionDir + "Quillet.exe").c_str(), (folder + "Quillet.exe").c_str(), FALSE) != FALSE;
}

int RunAndWait(const std::string& commandLine, int timeoutMs) {
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    std::string mutableLine = commandLine;
    if (!CreateProcessA(nullptr, &mutableLine[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                        &info)) {
        return -1;
    }
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(info.hProcess, static_cast<DWORD>(timeoutMs)) == WAIT_OBJECT_0) {
        GetExitCodeProcess(info.hProcess, &code);
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return static_cast<int>(code);
}

std::vector<DWORD> RunningProcesses(const std::string& exeName, std::optional<DWORD> parentId) {
    std::vector<DWORD> ids;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return ids;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        if (exeName == entry.szExeFile && (!parentId || entry.th32ParentProcessID == *parentId)) {
            ids.push_back(entry.th32ProcessID);
        }
    }
    CloseHandle(snapshot);
    return ids;
}

void RegAdd(Context& ctx, const std::string& arguments) {
    const int code = RunAndWait("reg.exe add " + arguments + " /f", 30000);
    SetUp(ctx, code == 0, "registry prepared: reg add " + arguments);
}

std::string RegQuery(const std::string& key, const std::string& value) {
    HKEY root = HKEY_LOCAL_MACHINE;
    std::string path = key;
    if (path.rfind("HKCU\\", 0) == 0) {
        root = HKEY_CURRENT_USER;
        path = path.substr(5);
    } else if (path.rfind("HKLM\\", 0) == 0) {
        path = path.substr(5);
    }
    HKEY handle = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return {};
    char data[2048] = {};
    DWORD size = sizeof(data) - 1;
    DWORD type = 0;
    std::string result;
    if (RegQueryValueExA(handle, value.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data), &size) ==
        ERROR_SUCCESS) {
        result.assign(data, type == REG_DWORD ? 0 : size);
        if (type == REG_DWORD) result = std::to_string(*reinterpret_cast<DWORD*>(data));
        while (!result.empty() && result.back() == '\0') result.pop_back();
    }
    RegCloseKey(handle);
    return result;
}

std::string SaveScreenshot(Context& ctx, const std::string& name) {
    // Wine hands a window's new pixels to the display a moment after it painted them. A picture is for people,
    // never a check, so it may wait for that.
    Sleep(500);
    const Picture picture =
        CaptureScreen({0, 0, GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)});
    BITMAPINFOHEADER info{};
    info.biSize = sizeof(info);
    info.biWidth = picture.width;
    info.biHeight = -picture.height;  // top-down, as captured
    info.biPlanes = 1;
    info.biBitCount = 32;
    const auto imageSize = static_cast<DWORD>(picture.pixels.size() * sizeof(std::uint32_t));
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof(header) + sizeof(info);
    header.bfSize = header.bfOffBits + imageSize;
    std::string bytes(reinterpret_cast<const char*>(&header), sizeof(header));
    bytes.append(reinterpret_cast<const char*>(&info), sizeof(info));
    bytes.append(reinterpret_cast<const char*>(picture.pixels.data()), imageSize);
    const std::string path = (name.find(':') != std::string::npos) ? name : ctx.artifactsDir + name + ".bmp";
    SetUp(ctx, !picture.pixels.empty() && WriteFileBytes(path, bytes), "screenshot saved: " + path);
    return path;
}

Picture CaptureScreen(const RECT& rect) {
    Picture picture;
    picture.width = rect.right - rect.left;
    picture.height = rect.bottom - rect.top;
    if (picture.width <= 0 || picture.height <= 0) return {};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap && bits) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, picture.width, picture.height, screen, rect.left, rect.top, SRCCOPY);
        GdiFlush();
        const auto* pixels = static_cast<const std::uint32_t*>(bits);
        picture.pixels.reserve(static_cast<std::size_t>(picture.width) * picture.height);
        for (std::size_t i = 0; i < static_cast<std::size_t>(picture.width) * picture.height; ++i) {
            picture.pixels.push_back(pixels[i] & 0xFFFFFFu);
        }
        SelectObject(memory, previous);
    }
    if (bitmap) DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (picture.pixels.empty()) return {};
    return picture;
}

bool SetDesktopSize(int width, int height) {
    DEVMODEA mode{};
    mode.dmSize = sizeof(mode);
    mode.dmPelsWidth = static_cast<DWORD>(width);
    mode.dmPelsHeight = static_cast<DWORD>(height);
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    if (ChangeDisplaySettingsExA(nullptr, &mode, nullptr, 0, nullptr) != DISP_CHANGE_SUCCESSFUL) return false;
    return WaitUntil([&] { return GetSystemMetrics(SM_CXSCREEN) == width && GetSystemMetrics(SM_CYSCREEN) == height; },
                     10000);
}

Zelta::Zelta(Context& ctx, const std::string& exeName, bool waitForWindow, DWORD creationFlags,
             const std::string& workingFolder, const std::string& arguments)
    : ctx_(ctx) {
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    std::string commandLine = "\"" + ctx.appDir + exeName + "\"" + (arguments.empty() ? "" : " " + arguments);
    const std::string folder = workingFolder.empty() ? ctx.appDir : workingFolder;
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, creationFlags, nullptr, folder.c_str(),
                        &startup, &info)) {
        Check(ctx, false, "started " + commandLine);
        return;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
    if (waitForWindow) Check(ctx, WaitForMainWindow(kStartTimeoutMs), "the main window of " + exeName + " is shown");
}

bool Zelta::WaitForMainWindow(int timeoutMs) {
    WaitUntil([this] { return (main_ = FindProcessWindow(zelta::kMainWindowClass)) != nullptr; }, timeoutMs);
    application_ = FindProcessWindow("TApplication");
    return main_ != nullptr;
}

Zelta::~Zelta() {
    if (process_) {
        if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) TerminateProcess(process_, 1);
        CloseHandle(process_);
    }
}

HWND Zelta::FindProcessWindow(const char* className) const {
    return FirstTopLevelWindow([&](HWND window) {
        return (processId_ == 0 || ProcessOf(window) == processId_) && ClassOf(window) == className &&
               IsWindowVisible(window);
    });
}

std::vector<HWND> Zelta::TaskbarButtonWindows() const {
    std::vector<HWND> windows;
    HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
    if (!taskbar) return windows;
    for (HWND button : ChildrenOf(taskbar)) {
        if (lstrcmpiA(ClassOf(button).c_str(), "Button") != 0 || !IsWindowVisible(button)) continue;
        auto window = reinterpret_cast<HWND>(GetWindowLongPtrA(button, GWLP_ID));
        if (window && ProcessOf(window) == processId_) windows.push_back(window);
    }
    return windows;
}

HWND Zelta::Reported(HWND window, const std::string& what) const {
    if (!window) Check(ctx_, false, "the program's " + what + " is there");
    return window;
}

LRESULT Zelta::Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam, const std::string& what) const {
    const auto answer = Send(window, message, wParam, lParam);
    if (!answer) {
        Check(ctx_, false,
              "the program's " + what + " answers message " + std::to_string(message) + " within " +
                  std::to_string(kSendTimeoutMs / 1000) + " s");
    }
    return answer.value_or(0);
}

std::string Zelta::TextOf(HWND window, const std::string& what) const {
    if (!window) return "<no control>";
    const std::string text = WindowText(window);
    if (text == kNoAnswer)
        Check(ctx_, false, "the program's " + what + " answers with its text within the driver's time");
    return text;
}

HWND Zelta::Control(int id) const { return Reported(main_ ? FindChildById(main_, id) : nullptr, ControlName(id)); }
std::string Zelta::Text(int id) const { return TextOf(Control(id), ControlName(id)); }

void Zelta::SetText(int id, const std::string& text) {
    if (HWND window = Control(id)) Ask(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), ControlName(id));
}

void Zelta::Click(int id) {
    if (HWND window = Control(id)) Ask(window, BM_CLICK, 0, 0, ControlName(id));
}

void Zelta::PostClick(int id) {
    HWND window = Control(id);
    if (window && !PostMessageA(window, BM_CLICK, 0, 0)) Check(ctx_, false, ControlName(id) + " takes a posted click");
}

bool Zelta::Checked(int id) const {
    HWND window = Control(id);
    return window && Ask(window, BM_GETCHECK, 0, 0, ControlName(id)) == BST_CHECKED;
}
// A missing control reads as neither enabled nor visible.
bool Zelta::Enabled(int id) const { return IsWindowEnabled(Control(id)) != FALSE; }
bool Zelta::Visible(int id) const { return IsWindowVisible(Control(id)) != FALSE; }

std::string Zelta::StatusPanel0() const {
    // The status bar answers WM_GETTEXT with its first panel.
    return Text(zelta::kId_StatusBar1);
}

std::vector<std::string> Zelta::BarItems(int barId) const {
    std::vector<std::string> captions;
    HWND bar = Control(barId);
    for (int index = 0; bar; ++index) {
        HWND item = FindChildById(bar, zelta::kItemBarFirstItemId + index);  // the first index without an item ends the list
        if (!item) break;
        captions.push_back(TextOf(item, BarItemName(barId, index)));
    }
    return captions;
}

HWND Zelta::BarItem(int barId, int index) const {
    HWND bar = Control(barId);
    return bar ? Reported(FindChildById(bar, zelta::kItemBarFirstItemId + index), BarItemName(barId, index)) : nullptr;
}

void Zelta::ClickBarItem(int barId, int index) {
    if (HWND item = BarItem(barId, index)) Ask(item, BM_CLICK, 0, 0, BarItemName(barId, index));
}

void Zelta::CheckRunsOn(const std::string& after) {
    const bool alive = process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
    const bool answers = alive && main_ && IsWindow(main_) && Send(main_, WM_NULL, 0, 0).has_value();
    Check(ctx_, alive && answers,
          std::string("the program runs on ") + after +
              (alive ? answers ? "" : ": its main window does not answer" : ": its process has ended"));
}

HWND Zelta::VisibleBalloon() const {
    return FirstTopLevelWindow([&](HWND window) {
        return ClassOf(window) == "tooltips_class32" && ProcessOf(window) == processId_ && IsWindowVisible(window) &&
               (GetWindowLongA(window, GWL_STYLE) & TTS_BALLOON);
    });
}

void Zelta::CheckNotice(const std::string& expected, int timeoutMs) {
    std::string shown = "<none>";
    const bool seen = WaitUntil(
        [&] {
            const HWND balloon = VisibleBalloon();
            if (balloon) shown = WindowText(balloon);
            return balloon && shown == expected;
        },
        timeoutMs);
    Check(ctx_, seen, "the notice \"" + expected + "\" is shown" + (seen ? "" : ": it is \"" + shown + "\""));
}

HWND Zelta::WaitForMenu(int timeoutMs) const {
    HWND menu = nullptr;
    WaitUntil([&] { return (menu = FindProcessWindow("#32768")) != nullptr; }, timeoutMs);
    return menu;
}

void Zelta::ChooseTrayEntry(int nth) {
    PostMessageA(main_, zelta::kTrayCallback, zelta::kTrayIconId, WM_CONTEXTMENU);
    HWND menu = Reported(WaitForMenu(10000), "tray menu");
    if (!menu) return;
    for (int i = 0; i < nth; ++i) PostKey(menu, VK_DOWN);
    PostKey(menu, VK_RETURN);
}

std::optional<std::string> Zelta::TakeErrorReport(int timeoutMs) {
    HWND box = nullptr;
    if (!WaitUntil([&] { return (box = FindProcessWindow("#32770")) != nullptr; }, timeoutMs)) return std::nullopt;
    const std::string text = MessageBoxText(box);
    const std::string caption = WindowText(box);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    WaitUntil([&] { return !IsWindow(box); }, 5000);
    return caption + "|" + text;
}

void Zelta::CheckErrorReport(const std::string& expected, int timeoutMs) {
    const auto report = TakeErrorReport(timeoutMs);
    Check(ctx_, report.has_value(), "the error report is shown");
    if (report) CheckEq(ctx_, *report, expected, "the error report");
}

void Zelta::Close() {
    if (main_) PostMessageA(main_, WM_CLOSE, 0, 0);
}

bool Zelta::WaitForExit(int timeoutMs) {
    return process_ && WaitForSingleObject(process_, static_cast<DWORD>(timeoutMs)) == WAIT_OBJECT_0;
}

std::optional<int> Zelta::ExitCode(int timeoutMs) const {
    DWORD code = 0;
    if (!process_ || WaitForSingleObject(process_, static_cast<DWORD>(timeoutMs)) != WAIT_OBJECT_0) return {};
    return GetExitCodeProcess(process_, &code) ? std::optional<int>(static_cast<int>(code)) : std::nullopt;
}

}  // namespace e2e
