// The keyboard alone: the focus at start, in a bar, Tab to Apply Profile and on after it, the Alt+letters, the tray
// icon's selection and menu; the caption still without animation effects; the window in high-contrast colours.
#include <windows.h>

#include <shellapi.h>

#include <string>

#include "app/model/ControlIds.h"
#include "tests/e2e/driver/Adapters.h"
#include "tests/e2e/driver/Driver.h"
#include "tests/e2e/driver/Session.h"
#include "tests/e2e/driver/Keyboard.h"

using namespace zelta;

namespace {

const std::string kAdapterKey = "{8A1D2C40-0002-4E5B-9C1A-1D2E3F405060}";

std::string Profile(int n, const std::string& name) {
    return "[Profile" + std::to_string(n) + "]\r\nprofile_name=" + name + " - Local Area Connection\r\n";
}

// The icon's events as the shell reports them on the protocol that tells the icon's place.
void PostIconEvent(HWND main, WORD event, POINT place = {}) {
    PostMessageA(main, kTrayCallback, MAKEWPARAM(place.x, place.y), MAKELPARAM(event, kTrayIconId));
}

void ExpectFocus(e2e::Context& ctx, HWND main, HWND control, const std::string& what) {
    const bool there = e2e::WaitUntil([&] { return e2e::FocusIsOn(e2e::FocusedWindow(main), control); }, 5000);
    e2e::Check(ctx, there,
               what + (there ? "" : " (on " + std::to_string(GetDlgCtrlID(e2e::FocusedWindow(main))) + ")"));
}

}  // namespace

E2E_SCENARIO(keyboard) {
    e2e::AddAdapter(ctx, kAdapterKey, "Local Area Connection");
    e2e::WriteFileBytes(ctx.appDir + "Zelta.ini", "[Zelta Settings]\r\n#_profiles=3\r\nlast_pai=0\r\n" +
                                                      Profile(1, "Office") + Profile(2, "Home") + Profile(3, "Lab"));
    // The companion runs the commands without a window, which would take the foreground from the program.
    CHECK(ctx, e2e::PlaceHelper(ctx, "netsh.exe", e2e::SystemFolder()));
    CHECK(ctx, e2e::PlaceCompanion(ctx, ctx.appDir));
    // No animation effects. Wine's programs read the setting when they start, not when they are told of a change.
    CHECK(ctx, SystemParametersInfoA(SPI_SETCLIENTAREAANIMATION, 0, nullptr, SPIF_UPDATEINIFILE) != FALSE);

    e2e::Session app(ctx);
    if (!app.Started()) return;
    HWND main = app.Main();
    bool still = true;
    for (int sample = 0; sample < 100 && still; ++sample) {
        still = e2e::WindowText(main) == "Vok Tarvex";
        Sleep(10);  // the sampling interval of an observation, not a wait for the program
    }
    CHECK(ctx, still);

    const auto header = [&](int bar) { return GetDlgItem(app.Control(bar), kItemBarHeaderId); };
    const auto profile = [&](int index) { return app.BarItem(kId_XPBar_Profiles, index); };
    ExpectFocus(ctx, main, app.BarItem(kId_XPBar_NICs, 0), "at start, the first adapter");
    // Tab, Tab into the profiles, then Down past the end, Home, End, Up.
    const WPARAM barKeys[] = {VK_TAB, VK_TAB, VK_DOWN, VK_DOWN, VK_DOWN, VK_HOME, VK_END, VK_UP};
    const int focusedEntry[] = {-1, 0, 1, 2, 2, 0, 2, 1};  // -1: the header
    for (int step = 0; step < 8; ++step) {
        e2e::PressKey(main, barKeys[step]);
        const int entry = focusedEntry[step];
        ExpectFocus(ctx, main, entry < 0 ? header(kId_XPBar_Profiles) : profile(entry), "step " + std::to_string(step));
    }
    e2e::PressKey(main, VK_SPACE);
    CHECK(ctx, e2e::WaitUntil([&] { return app.Text(kId_LE_NewProfile) == "Home"; }, 5000));

    // Tab in the window's reading order to Apply Profile, past the disabled proxy group; Space applies.
    e2e::PressKey(main, VK_TAB);
    ExpectFocus(ctx, main, header(kId_XPBar_Contact), "Tab reaches the Contact header");
    for (int id : {kId_LE_NewProfile, kId_LE_ProfileID, kId_LE_NIC, kId_CB_UseIP, kId_IPA_IP, kId_IPA_SM, kId_IPA_GW,
                   kId_CB_UseDNS, kId_IPA_DNS1, kId_IPA_DNS2, kId_CB_UseProxy, kId_Button_Save, kId_Button_Delete,
                   kId_Button_ApplyProfile}) {
        e2e::PressKey(main, VK_TAB);
        ExpectFocus(ctx, main, app.Control(id), "Tab reaches " + std::to_string(id));
    }
    e2e::PressKey(main, VK_SPACE);
    CHECK(ctx,
          e2e::WaitUntil([&] { return app.Text(kId_L_ProfileActivated).find("Home") != std::string::npos; }, 10000));
    CHECK(ctx, !app.Enabled(kId_Button_ApplyProfile));
    ExpectFocus(ctx, main, app.Control(kId_Button_IPconfig), "Apply hands the focus on");
    e2e::PressKey(main, VK_TAB);
    ExpectFocus(ctx, main, app.Control(kId_Button_OpenCMD), "Tab goes on after the activation");

    // A label's Alt+letter focuses its field; a check box's clicks it (and the proxy group opens).
    const std::string letters = "ncdimg12xpt1";
    const int fields[] = {kId_LE_NewProfile, kId_LE_NIC,   kId_LE_ProfileID, kId_IPA_IP,    kId_IPA_SM,  kId_IPA_GW,
                          kId_IPA_DNS1,      kId_IPA_DNS2, kId_CB_UseProxy,  kId_IPA_Proxy, kId_LE_Port, kId_IPA_DNS1};
    for (std::size_t at = 0; at < letters.size(); ++at) {
        e2e::PressAltLetter(main, letters[at]);
        ExpectFocus(ctx, main, app.Control(fields[at]), std::string("Alt+") + letters[at]);
    }

    // Hidden to the tray and back by the keyboard's selection of the icon, the focus where it was.
    PostMessageA(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    CHECK(ctx, e2e::WaitUntil([&] { return !IsWindowVisible(main); }, 5000));
    PostIconEvent(main, NIN_KEYSELECT);
    CHECK(ctx, e2e::WaitUntil([&] { return IsWindowVisible(main) != FALSE; }, 10000));
    ExpectFocus(ctx, main, app.Control(kId_IPA_DNS1), "restored where it was");

    // The menu asked for from the keyboard opens at the icon, whose place comes with the request.
    PostIconEvent(main, WM_CONTEXTMENU, POINT{300, 400});
    HWND menu = app.WaitForMenu(10000);
    RECT place{};
    CHECK(ctx, menu && GetWindowRect(menu, &place));
    e2e::Check(ctx, place.left == 300 && place.top <= 401 && place.bottom >= 399,
               "the menu at the icon (" + std::to_string(place.left) + "," + std::to_string(place.top) + ")");
    if (menu) PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 1);
    app.End();

    // High contrast as Wine keeps it: the system's colours, read when a program starts.
    for (const char* colour : {"Window /d \"0 0 0\"", "WindowText /d \"255 255 255\"", "ButtonFace /d \"0 0 0\"",
                               "ButtonText /d \"255 255 255\"", "GrayText /d \"0 255 0\""}) {
        e2e::RegAdd(ctx, std::string("\"HKCU\\Control Panel\\Colors\" /v ") + colour);
    }
    e2e::Session contrasted(ctx);
    RECT panel{};
    if (contrasted.Started()) GetWindowRect(contrasted.Control(kId_Panel_Right), &panel);
    const RECT corner{panel.right - 4, panel.bottom - 4, panel.right - 3, panel.bottom - 3};
    CHECK(ctx, contrasted.Started() && e2e::WaitUntil([&] { return e2e::CaptureScreen(corner).At(0, 0) == 0; }, 5000));
    e2e::SaveScreenshot(ctx, "high-contrast");
}
