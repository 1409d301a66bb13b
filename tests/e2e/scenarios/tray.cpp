// The notification-area icon and what hangs on it: a single click hides to the tray after the double-click time
// and a second one restores, a double click does nothing, minimising hides to the tray, the popup menu opens and
// its "Exit" ends the program while it is hidden; the port notice is a balloon that hides and comes back with the
// window; the caption types the title out and erases it again. Started with /tray, as the Run key starts it, the
// program shows only its icon; the tray menu's "Start with Windows" writes the Run value and removes it again.
#include <windows.h>

#include <commctrl.h>

#include <set>

#include "app/model/ControlIds.h"
#include "tests/e2e/driver/Driver.h"
#include "tests/e2e/driver/Keyboard.h"
#include "tests/e2e/driver/Session.h"
#include "tests/e2e/driver/Starts.h"

using namespace zelta;

namespace {

const std::string kTitle = "Vok Tarvex";

// The icon's events, as the shell reports them to the window that owns the icon.
void PostIconEvent(const e2e::Zelta& app, UINT event) { PostMessageA(app.Main(), kTrayCallback, kTrayIconId, event); }

// Shown: the window and its own taskbar button; hidden to the tray: neither, and no other button of the program.
bool Shown(const e2e::Zelta& app) {
    return IsWindowVisible(app.Main()) && app.TaskbarButtonWindows() == std::vector<HWND>{app.Main()};
}
bool HiddenToTray(const e2e::Zelta& app) { return !IsWindowVisible(app.Main()) && app.TaskbarButtonWindows().empty(); }

// A condition that must not become true while the program has every chance to make it so.
bool StaysFalse(const std::function<bool()>& condition, int observeMs) { return !e2e::WaitUntil(condition, observeMs); }

// The notification area keeps one tip per icon: the number of tips the shell's tooltips hold, or -1 without a
// taskbar.
LRESULT NotificationAreaTips() {
    HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
    if (!taskbar) return -1;
    LRESULT count = 0;
    for (HWND tooltip : e2e::TopLevelWindows([&](HWND window) {
             return e2e::ProcessOf(window) == e2e::ProcessOf(taskbar) && e2e::ClassOf(window) == "tooltips_class32";
         })) {
        DWORD_PTR tools = 0;
        SendMessageTimeoutA(tooltip, TTM_GETTOOLCOUNT, 0, 0, SMTO_NORMAL, 5000, &tools);
        count += static_cast<LRESULT>(tools);
    }
    return count;
}

// One single click on the icon: checks that the change shows only once the double-click time has passed.
void SingleClick(e2e::Context& ctx, const e2e::Zelta& app, bool expectHidden, const std::string& what) {
    const int doubleClickMs = static_cast<int>(GetDoubleClickTime());
    const ULONGLONG clicked = GetTickCount64();
    PostIconEvent(app, WM_LBUTTONUP);
    const bool changed = e2e::WaitUntil([&] { return expectHidden ? HiddenToTray(app) : Shown(app); },
                                        doubleClickMs + 10000);
    const ULONGLONG waited = GetTickCount64() - clicked;
    e2e::Check(ctx, changed, what);
    // Timers never fire early; the margin covers the tick count's granularity.
    e2e::Check(ctx, waited + 50 >= static_cast<ULONGLONG>(doubleClickMs),
               what + " only after the double-click time (" + std::to_string(waited) + " ms of " +
                   std::to_string(doubleClickMs) + ")");
}

// A double click: both releases and the double click between them, as the shell sends them.
void DoubleClick(const e2e::Zelta& app) {
    PostIconEvent(app, WM_LBUTTONUP);
    PostIconEvent(app, WM_LBUTTONDBLCLK);
    PostIconEvent(app, WM_LBUTTONUP);
}

bool IsTitlePrefix(const std::string& caption) {
    return caption.size() <= kTitle.size() && kTitle.compare(0, caption.size(), caption) == 0;
}

// Samples the caption for about two seconds: every sample is a prefix of the title, and it changes.
void CheckCaptionAnimates(e2e::Context& ctx, const e2e::Zelta& app, const std::string& when) {
    std::set<std::string> seen;
    std::string stray;
    const ULONGLONG end = GetTickCount64() + 2000;
    while (GetTickCount64() < end) {
        const std::string caption = e2e::WindowText(app.Main());
        seen.insert(caption);
        if (!IsTitlePrefix(caption)) stray = caption;
        Sleep(10);  // the sampling interval of an observation window, not a wait for the program
    }
    e2e::Check(ctx, stray.empty(), "every caption " + when + " is a prefix of the title" +
                                       (stray.empty() ? "" : " (saw \"" + stray + "\")"));
    e2e::Check(ctx, seen.size() >= 3, "the caption " + when + " took " + std::to_string(seen.size()) +
                                          " different values (at least 3)");
}

// Samples the caption for about a second while the window is hidden: the animation pauses, nothing changes.
void CheckCaptionPaused(e2e::Context& ctx, const e2e::Zelta& app, const std::string& when) {
    const std::string first = e2e::WindowText(app.Main());
    std::string changed;
    const ULONGLONG end = GetTickCount64() + 1000;
    while (GetTickCount64() < end && changed.empty()) {
        const std::string caption = e2e::WindowText(app.Main());
        if (caption != first) changed = caption;
        Sleep(10);  // the sampling interval of an observation window, not a wait for the program
    }
    e2e::Check(
        ctx, changed.empty(),
        "the caption stays \"" + first + "\" " + when + (changed.empty() ? "" : " (it became \"" + changed + "\")"));
}

// The Run value as the system's reg.exe shows it; empty when there is none.
std::string RunValue(const e2e::Context& ctx) {
    const std::string shown = ctx.artifactsDir + "run-value.txt";
    const std::string key = "\"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\"";
    e2e::RunAndWait("cmd.exe /c reg.exe query " + key + " /v \"Vok Tarvex\" > \"" + shown + "\" 2>&1", 30000);
    const std::string text = e2e::ReadFileBytes(shown).value_or("");
    return text.find("REG_SZ") == std::string::npos ? std::string() : text;
}

// "Start with Windows", the menu's last entry: after "Exit" and "Vok CORP. Online" when no profile is stored.
void ChooseStartWithWindows(e2e::Context& ctx, const e2e::Zelta& app, HWND iconOwner) {
    PostMessageA(iconOwner, kTrayCallback, kTrayIconId, WM_CONTEXTMENU);
    HWND menu = app.WaitForMenu(10000);
    CHECK(ctx, menu != nullptr);
    for (WPARAM key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}) e2e::PostKey(menu, key);
    CHECK(ctx, e2e::WaitUntil([&] { return app.FindProcessWindow("#32768") == nullptr; }, 5000));
}

}  // namespace

E2E_SCENARIO(tray) {
    // The taskbar with its notification area comes with the desktop, before the program starts.
    LRESULT tipsBefore = -1;
    e2e::WaitUntil([&] { return (tipsBefore = NotificationAreaTips()) >= 0; }, 10000);
    e2e::Session app(ctx);
    if (!app.Started()) return;
    CHECK(ctx, e2e::WaitUntil([&] { return Shown(app); }, 5000));
    // The icon is in the notification area from the start (the taskbar button has no tip of its own).
    CHECK(ctx, tipsBefore >= 0);
    CHECK(ctx, NotificationAreaTips() == tipsBefore + 1);
    const int doubleClickMs = static_cast<int>(GetDoubleClickTime());

    // The caption animation runs from the start.
    CheckCaptionAnimates(ctx, app, "while shown");

    // The tray icon belongs to the main window: a single click hides to the tray, another restores.
    SingleClick(ctx, app, true, "a single click hides the program to the tray");
    CHECK(ctx, app.TaskbarButtonWindows().empty());
    CHECK(ctx, NotificationAreaTips() == tipsBefore + 1);  // the icon stays while hidden
    // Nothing of the caption can be seen there: its animation pauses, and starts again with the restore.
    CheckCaptionPaused(ctx, app, "while hidden to the tray");
    SingleClick(ctx, app, false, "a second single click restores the program");
    CheckCaptionAnimates(ctx, app, "after the restore");
    CHECK(ctx, !IsIconic(app.Main()));

    // A double click does nothing, shown or hidden.
    DoubleClick(app);
    CHECK(ctx, StaysFalse([&] { return !Shown(app); }, doubleClickMs + 500));
    PostMessageA(app.Main(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    CHECK(ctx, e2e::WaitUntil([&] { return HiddenToTray(app); }, 5000));
    DoubleClick(app);
    CHECK(ctx, StaysFalse([&] { return !HiddenToTray(app); }, doubleClickMs + 500));
    SingleClick(ctx, app, false, "a single click restores the program minimised to the tray");

    // The port notice is a balloon; it hides with the window and comes back with it.
    app.Click(kId_CB_UseProxy);
    CHECK(ctx, app.Enabled(kId_LE_Port));
    app.SetText(kId_LE_Port, "8080");
    e2e::CheckStaysFalse(ctx, [&] { return app.VisibleBalloon() != nullptr; }, 1000, "no notice on four digits");
    app.SetText(kId_LE_Port, "80808");
    HWND balloon = nullptr;
    CHECK(ctx, e2e::WaitUntil([&] { return (balloon = app.VisibleBalloon()) != nullptr; }, 5000));
    if (balloon) {
        e2e::SaveScreenshot(ctx, "port-notice-balloon");
        // The stem points at the middle of the window's bottom edge: the balloon spans that point's column.
        RECT client;
        GetClientRect(app.Main(), &client);
        POINT anchor{client.right / 2, client.bottom};
        ClientToScreen(app.Main(), &anchor);
        RECT around;
        GetWindowRect(balloon, &around);
        CHECK(ctx, around.left <= anchor.x && anchor.x <= around.right);
        CHECK(ctx, around.top - 40 <= anchor.y && anchor.y <= around.bottom + 40);
        PostMessageA(app.Main(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
        CHECK(ctx, e2e::WaitUntil([&] { return HiddenToTray(app) && !IsWindowVisible(balloon); }, 3000));
        SingleClick(ctx, app, false, "a single click restores the program while the notice is open");
        CHECK(ctx, e2e::WaitUntil([&] { return app.VisibleBalloon() != nullptr; }, 2000));
    }

    // The popup menu opens on the icon's context-menu request; Escape closes it and the program goes on.
    PostIconEvent(app, WM_CONTEXTMENU);
    HWND menu = app.WaitForMenu(10000);
    CHECK(ctx, menu != nullptr);
    if (menu) {
        e2e::SaveScreenshot(ctx, "tray-menu");
        e2e::PostKey(menu, VK_ESCAPE);
        CHECK(ctx, e2e::WaitUntil([&] { return app.FindProcessWindow("#32768") == nullptr; }, 5000));
        CHECK(ctx, !app.WaitForExit(0));
    }

    // "Exit", the menu's first entry, ends the program while it is hidden to the tray.
    PostMessageA(app.Main(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    CHECK(ctx, e2e::WaitUntil([&] { return HiddenToTray(app); }, 5000));
    PostIconEvent(app, WM_CONTEXTMENU);
    menu = app.WaitForMenu(10000);
    CHECK(ctx, menu != nullptr);
    if (menu) {
        e2e::PostKey(menu, VK_DOWN);  // highlights the first entry
        e2e::PostKey(menu, VK_RETURN);
    }
    app.End(false);

    // Started as the Run key starts it: the icon, and no window and no taskbar button, until the icon restores it.
    e2e::Session hidden(ctx, e2e::kNothingPlaced, 0, "", "/tray", false);
    HWND main = nullptr;
    CHECK(ctx, e2e::WaitUntil([&] { return (main = e2e::ProcessWindow(hidden.ProcessId(), "TForm1")) != nullptr; },
                              30000));
    CHECK(ctx, e2e::WaitUntil([&] { return NotificationAreaTips() == tipsBefore + 1; }, 10000));
    if (!main) return;
    CHECK(ctx, StaysFalse([&] { return IsWindowVisible(main) || !hidden.TaskbarButtonWindows().empty(); }, 1500));

    // "Start with Windows" writes the Run value for this program with /tray, and takes it away again.
    const std::string ours = "\"" + ctx.appDir + "Zelta.exe\" /tray";
    CHECK_EQ(ctx, RunValue(ctx), std::string());
    ChooseStartWithWindows(ctx, hidden, main);
    CHECK(ctx, e2e::WaitUntil([&] { return RunValue(ctx).find(ours) != std::string::npos; }, 10000));
    ChooseStartWithWindows(ctx, hidden, main);
    CHECK(ctx, e2e::WaitUntil([&] { return RunValue(ctx).empty(); }, 10000));

    PostMessageA(main, kTrayCallback, kTrayIconId, WM_LBUTTONUP);
    CHECK(ctx, hidden.WaitForMainWindow(10000));
    CHECK(ctx, e2e::WaitUntil([&] { return Shown(hidden); }, 5000));
}
