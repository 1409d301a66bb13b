// Someone who works with the keyboard alone, listens to the window's name or has asked Windows for no animations
// and for high contrast: the focus at start, the arrows in a bar, Tab through the editor to Apply Profile and Space
// on it, the focus after Apply disabled itself, each label's Alt+letter, the tray icon's keyboard selection and
// menu, the caption standing still with the animation effects off, and the window in high contrast.
#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

#include "app/model/ControlIds.h"
#include "tests/e2e/driver/Driver.h"
#include "tests/e2e/driver/Keyboard.h"

using namespace zelta;

namespace {

constexpr UINT kTrayCallback = WM_USER + 1;
constexpr WORD kTrayIconId = 1;
constexpr int kBarHeaderId = 1999;
const std::string kTitle = "Vok Tarvex";
const std::string kAdapterKey = "{8A1D2C40-0002-4E5B-9C1A-1D2E3F405060}";

std::string Profile(int number, const std::string& name) {
    return "[Profile" + std::to_string(number) + "]\r\nprofile_name=" + name + "\r\nIP=10.0.0." +
           std::to_string(number) +
           "\r\nSM=255.0.0.0\r\nGW=10.0.0.254\r\nDNS1=10.0.0.53\r\nDNS2=0.0.0.0\r\nproxy_IP=0.0.0.0\r\n"
           "proxy_port=\r\nuse_ip=user\r\nuse_dns=user\r\nuse_proxy=0\r\nkill_browsers=0\r\nprofile_applied=0\r\n";
}

// The icon's events as the shell reports them on the protocol that tells the icon's place.
void PostIconEvent(const e2e::Zelta& app, WORD event, POINT place = {}) {
    PostMessageA(app.Main(), kTrayCallback, MAKEWPARAM(place.x, place.y), MAKELPARAM(event, kTrayIconId));
}

// Waits until the focus is on the control (or inside it).
bool WaitForFocus(const e2e::Zelta& app, HWND control) {
    return e2e::WaitUntil([&] { return e2e::FocusIsOn(e2e::FocusedWindow(app.Main()), control); }, 5000);
}

// What the focus is on, for the messages: the control's id or the text of the window.
std::string Describe(HWND window) {
    if (!window) return "nothing";
    return std::to_string(GetDlgCtrlID(window)) + " \"" + e2e::WindowText(window) + "\"";
}

void PressAndExpect(e2e::Context& ctx, const e2e::Zelta& app, WPARAM key, HWND expected, const std::string& what) {
    e2e::PressKey(app.Main(), key);
    const bool there = WaitForFocus(app, expected);
    e2e::Check(ctx, there, what + (there ? "" : " (the focus is on " + Describe(e2e::FocusedWindow(app.Main())) + ")"));
}

}  // namespace

E2E_SCENARIO(keyboard) {
    e2e::RegAdd(ctx, "\"HKLM\\SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Adapters\\" + kAdapterKey + "\"");
    e2e::RegAdd(ctx, "\"HKLM\\SYSTEM\\CurrentControlSet\\Control\\Network\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\" +
                         kAdapterKey + "\\Connection\" /v Name /t REG_SZ /d \"Local Area Connection\"");
    e2e::WriteFileBytes(ctx.appDir + "Zelta.ini", "[Zelta Settings]\r\n#_profiles=3\r\nlast_pai=0\r\n" +
                                                      Profile(1, "Office - Local Area Connection") +
                                                      Profile(2, "Home - Local Area Connection") +
                                                      Profile(3, "Lab - Local Area Connection"));
    // The companion runs the adapter commands without a window of its own, which would take the foreground from the
    // window; they reach a stand-in for netsh.
    CHECK(ctx, e2e::PlaceHelper(ctx, "netsh.exe", e2e::SystemFolder()));
    CHECK(ctx, e2e::PlaceCompanion(ctx, ctx.appDir));

    // Someone who asked Windows for no animation effects.
    CHECK(ctx, SystemParametersInfoA(SPI_SETCLIENTAREAANIMATION, 0, nullptr, SPIF_UPDATEINIFILE) != FALSE);

    e2e::Zelta app(ctx);
    if (!app.Started()) return;
    HWND main = app.Main();

    // The caption stands still on the title.
    bool still = true;
    for (int sample = 0; sample < 100 && still; ++sample) {
        still = e2e::WindowText(main) == kTitle;
        Sleep(10);  // the sampling interval of an observation, not a wait for the program
    }
    CHECK(ctx, still);

    const auto header = [&](int bar) { return GetDlgItem(app.Control(bar), kBarHeaderId); };

    // At start the focus is on the first adapter.
    CHECK(ctx, WaitForFocus(app, app.BarItem(kId_XPBar_NICs, 0)));

    // Into the profiles; the arrows, Home and End move among the entries, Space chooses one.
    PressAndExpect(ctx, app, VK_TAB, header(kId_XPBar_Profiles), "Tab from the adapters reaches the Profiles header");
    PressAndExpect(ctx, app, VK_TAB, app.BarItem(kId_XPBar_Profiles, 0), "Tab enters the profiles at the first");
    PressAndExpect(ctx, app, VK_DOWN, app.BarItem(kId_XPBar_Profiles, 1), "Down moves to the second profile");
    PressAndExpect(ctx, app, VK_DOWN, app.BarItem(kId_XPBar_Profiles, 2), "Down moves to the third profile");
    PressAndExpect(ctx, app, VK_DOWN, app.BarItem(kId_XPBar_Profiles, 2), "Down stays on the last profile");
    PressAndExpect(ctx, app, VK_HOME, app.BarItem(kId_XPBar_Profiles, 0), "Home moves to the first profile");
    PressAndExpect(ctx, app, VK_END, app.BarItem(kId_XPBar_Profiles, 2), "End moves to the last profile");
    PressAndExpect(ctx, app, VK_UP, app.BarItem(kId_XPBar_Profiles, 1), "Up moves to the second profile");
    e2e::PressKey(main, VK_SPACE);
    CHECK(ctx, e2e::WaitUntil([&] { return app.Text(kId_LE_NewProfile) == "Home"; }, 5000));

    // Tab through the editor in the window's reading order to Apply Profile; the disabled proxy group is passed.
    PressAndExpect(ctx, app, VK_TAB, header(kId_XPBar_Contact), "Tab reaches the Contact header");
    for (int id : {kId_LE_NewProfile, kId_LE_ProfileID, kId_LE_NIC, kId_CB_UseIP, kId_IPA_IP, kId_IPA_SM, kId_IPA_GW,
                   kId_CB_UseDNS, kId_IPA_DNS1, kId_IPA_DNS2, kId_CB_UseProxy, kId_Button_Save, kId_Button_Delete,
                   kId_Button_ApplyProfile}) {
        PressAndExpect(ctx, app, VK_TAB, app.Control(id), "Tab reaches " + std::to_string(id));
    }
    // Space applies; Apply disables itself and hands the focus on; Tab goes on from there.
    e2e::PressKey(main, VK_SPACE);
    CHECK(ctx,
          e2e::WaitUntil(
              [&] { return app.Text(kId_L_ProfileActivated) == "Profile Activated: Home - Local Area Connection"; },
              10000));
    CHECK(ctx, !app.Enabled(kId_Button_ApplyProfile));
    CHECK(ctx, WaitForFocus(app, app.Control(kId_Button_IPconfig)));
    PressAndExpect(ctx, app, VK_TAB, app.Control(kId_Button_OpenCMD), "Tab goes on after the activation");

    // Each label's Alt+letter puts the focus into its field; a check box's Alt+letter clicks it.
    const std::pair<char, int> labels[] = {{'n', kId_LE_NewProfile}, {'c', kId_LE_NIC},  {'d', kId_LE_ProfileID},
                                           {'i', kId_IPA_IP},        {'m', kId_IPA_SM},  {'g', kId_IPA_GW},
                                           {'1', kId_IPA_DNS1},      {'2', kId_IPA_DNS2}};
    for (const auto& [letter, id] : labels) {
        e2e::PressAltLetter(main, letter);
        e2e::Check(ctx, WaitForFocus(app, app.Control(id)), std::string("Alt+") + letter + " focuses its field");
    }
    e2e::PressAltLetter(main, 'x');
    CHECK(ctx, e2e::WaitUntil([&] { return app.Checked(kId_CB_UseProxy) && app.Enabled(kId_IPA_Proxy); }, 5000));
    for (const auto& [letter, id] : {std::pair<char, int>{'p', kId_IPA_Proxy}, {'t', kId_LE_Port}}) {
        e2e::PressAltLetter(main, letter);
        e2e::Check(ctx, WaitForFocus(app, app.Control(id)),
                   std::string("Alt+") + letter + " focuses its field (on " + Describe(e2e::FocusedWindow(main)) +
                       ", foreground " + Describe(GetForegroundWindow()) + ")");
    }

    // Hidden to the tray and back by the keyboard's selection of the icon: the focus is where it was.
    e2e::PressAltLetter(main, '1');
    CHECK(ctx, WaitForFocus(app, app.Control(kId_IPA_DNS1)));
    PostMessageA(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    CHECK(ctx, e2e::WaitUntil([&] { return !IsWindowVisible(main); }, 5000));
    PostIconEvent(app, NIN_KEYSELECT);
    CHECK(ctx, e2e::WaitUntil([&] { return IsWindowVisible(main) != FALSE; }, 10000));
    CHECK(ctx, WaitForFocus(app, app.Control(kId_IPA_DNS1)));

    // The menu asked for from the keyboard opens at the icon's place, which the shell gives with the request.
    const POINT iconPlace{300, 400};
    PostIconEvent(app, WM_CONTEXTMENU, iconPlace);
    HWND menu = nullptr;
    CHECK(ctx, e2e::WaitUntil([&] { return (menu = app.FindProcessWindow("#32768")) != nullptr; }, 10000));
    if (menu) {
        RECT place{};
        GetWindowRect(menu, &place);
        e2e::Check(ctx, place.left == iconPlace.x && place.bottom >= iconPlace.y - 1 && place.top <= iconPlace.y + 1,
                   "the menu opens at the icon (" + std::to_string(place.left) + "," + std::to_string(place.top) + ")");
        PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 1);
        CHECK(ctx, e2e::WaitUntil([&] { return app.FindProcessWindow("#32768") == nullptr; }, 5000));
    }

    app.Close();
    CHECK(ctx, app.WaitForExit(10000));

    // High contrast, as Wine keeps it: the system's colours, read when the program starts.
    const std::pair<const char*, const char*> colours[] = {{"Window", "0 0 0"},
                                                           {"WindowText", "255 255 255"},
                                                           {"ButtonFace", "0 0 0"},
                                                           {"ButtonText", "255 255 255"},
                                                           {"Hilight", "0 255 255"},
                                                           {"HilightText", "0 0 0"},
                                                           {"GrayText", "0 255 0"},
                                                           {"ButtonHilight", "255 255 255"},
                                                           {"ButtonShadow", "128 128 128"},
                                                           {"ButtonLight", "255 255 255"},
                                                           {"ButtonDkShadow", "255 255 255"},
                                                           {"WindowFrame", "255 255 255"}};
    for (const auto& [name, value] : colours) {
        e2e::RegAdd(ctx, std::string("\"HKCU\\Control Panel\\Colors\" /v ") + name + " /d \"" + value + "\"");
    }
    e2e::Zelta contrasted(ctx);
    if (!contrasted.Started()) return;
    RECT panel{};
    GetWindowRect(contrasted.Control(kId_Panel_Right), &panel);
    const RECT sample{panel.right - 4, panel.bottom - 4, panel.right - 3, panel.bottom - 3};
    CHECK(ctx, e2e::WaitUntil([&] { return e2e::CaptureScreen(sample).At(0, 0) == 0x000000; }, 5000));
    e2e::SaveScreenshot(ctx, "high-contrast");
    contrasted.Close();
    CHECK(ctx, contrasted.WaitForExit(10000));
}
