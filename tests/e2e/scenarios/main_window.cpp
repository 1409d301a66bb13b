// The main window at start with no settings file: every control with its caption and state, the status counter,
// the machine summary, the group rules, the Save rule, the port notice, and Alt+F4 ending the program.
#include "app/model/ControlIds.h"
#include "tests/e2e/driver/Driver.h"
#include "tests/e2e/driver/Session.h"

using namespace zelta;

namespace {

struct Expected {
    int id;
    const char* text;  // nullptr: not checked
    bool enabled;
    bool visible;
};

const Expected kControls[] = {
    {kId_LE_NewProfile, "", true, true},
    {kId_Label_LE_NewProfile, "New Profile:", true, true},
    {kId_LE_NIC, "", true, true},
    {kId_Label_LE_NIC, "NIC:", true, true},
    {kId_Label_LE_ProfileID, "ID:", true, true},
    {kId_JvSwitch1, nullptr, false, false},
    {kId_Button_ActDeact, nullptr, false, false},
    {kId_CB_UseIP, "Use IP", true, true},
    {kId_Label_UseIP_IP, "IP Address:", true, true},
    {kId_IPA_IP, "0.0.0.0", true, true},
    {kId_Label_UseIP_SM, "Subnet Mask:", true, true},
    {kId_IPA_SM, "0.0.0.0", true, true},
    {kId_Label_UseIP_GW, "Gateway:", true, true},
    {kId_IPA_GW, "0.0.0.0", true, true},
    {kId_CB_UseDNS, "Use DNS", true, true},
    {kId_Label_UseDNS_1st, "1st server:", true, true},
    {kId_IPA_DNS1, "0.0.0.0", true, true},
    {kId_Label_UseDNS_2nd, "2nd server:", true, true},
    {kId_IPA_DNS2, "0.0.0.0", true, true},
    {kId_CB_UseProxy, "Use Proxy", true, true},
    {kId_SGB_UseProxy, nullptr, false, true},
    {kId_Label_IP, "IP Address:", false, true},
    {kId_IPA_Proxy, "0.0.0.0", false, true},
    {kId_LE_Port, "", false, true},
    {kId_Label_LE_Port, "Port:", true, true},
    {kId_CB_KillBrowsers, "Allow Zelta to kill BROWSER(s) if running", false, true},
    {kId_Label1, "Works on Windows XP, Vista, 7.", true, true},
    {kId_Label2, "Yet to function on  Win servers.", true, true},
    {kId_Label3, "Not tested on windows servers. (not recommended)", true, true},
    {kId_Button_IPconfig, "IPconfig /all", true, true},
    {kId_Button_OpenCMD, "open cmd", true, true},
    {kId_XiButton1, "Open Network Config Win", true, true},
    {kId_XiButton4, "Open Zelta.ini", true, true},
    {kId_Button_Save, "Save", false, true},
    {kId_Button_Delete, "Delete", false, true},
    {kId_Button_ApplyProfile, "Apply Profile", true, true},
    {kId_XPBar_NICs, "Network Interfaces", true, true},
    {kId_XPBar_Profiles, "Profiles", true, true},
    {kId_XPBar_Contact, "Contact", true, true},
    {kId_L_ProfileActivated, "", true, true},
    {kId_Image1, nullptr, true, true},
    {kId_Panel_Left, nullptr, true, true},
    {kId_Panel_Right, nullptr, true, true},
};

bool StartsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }


}  // namespace

E2E_SCENARIO(main_window) {
    e2e::Session app(ctx);
    if (!app.Started()) return;

    CHECK_EQ(ctx, e2e::ClassOf(app.Main()), std::string("TForm1"));
    // On Windows 7 (the prefix's version) the main window carries the taskbar button itself, so the taskbar shows
    // it: unowned, with the application-window style, and the program's only button.
    CHECK(ctx, GetWindow(app.Main(), GW_OWNER) == nullptr);
    CHECK(ctx, (GetWindowLongA(app.Main(), GWL_EXSTYLE) & WS_EX_APPWINDOW) != 0);
    CHECK(ctx, e2e::WaitUntil([&] { return app.TaskbarButtonWindows() == std::vector<HWND>{app.Main()}; }, 5000));
    CHECK(ctx, app.Application() == nullptr);
    RECT client;
    GetClientRect(app.Main(), &client);
    CHECK_EQ(ctx, std::to_string(client.right) + "x" + std::to_string(client.bottom), std::string("700x513"));
    const LONG style = GetWindowLongA(app.Main(), GWL_STYLE);
    CHECK(ctx, (style & WS_MINIMIZEBOX) && (style & WS_SYSMENU) && !(style & WS_MAXIMIZEBOX) && !(style & WS_THICKFRAME));

    for (const Expected& control : kControls) {
        const std::string name = "control " + std::to_string(control.id);
        e2e::Check(ctx, app.Control(control.id) != nullptr, name + " exists");
        // The text as read; the "&" before a caption's Alt+letter only underlines it.
        std::string text = app.Text(control.id);
        for (std::size_t at = text.find('&'); at != std::string::npos; at = text.find('&', at + 1)) text.erase(at, 1);
        if (control.text) e2e::CheckEq(ctx, text, control.text, name + " text");
        e2e::Check(ctx, app.Enabled(control.id) == control.enabled, name + (control.enabled ? " enabled" : " disabled"));
        e2e::Check(ctx, app.Visible(control.id) == control.visible, name + (control.visible ? " visible" : " hidden"));
    }
    CHECK(ctx, app.Checked(kId_CB_UseIP));
    CHECK(ctx, app.Checked(kId_CB_UseDNS));
    CHECK(ctx, !app.Checked(kId_CB_UseProxy));
    CHECK(ctx, !app.Checked(kId_CB_KillBrowsers));
    CHECK(ctx, app.BarItems(kId_XPBar_NICs).empty());
    CHECK(ctx, app.BarItems(kId_XPBar_Profiles).empty());
    const auto contact = app.BarItems(kId_XPBar_Contact);
    CHECK(ctx, contact.size() == 2);
    CHECK(ctx, !app.Visible(kId_XPBar_Contact) || !IsWindowVisible(app.BarItem(kId_XPBar_Contact, 0)));
    CHECK_EQ(ctx, app.StatusPanel0(), std::string("Used / Max Profiles: 0 / 20"));

    // The bars are reached by the keyboard: Enter on the Contact header unfolds it, its items are real windows.
    HWND contactHeader = GetDlgItem(app.Control(kId_XPBar_Contact), kItemBarHeaderId);
    CHECK_EQ(ctx, e2e::WindowText(contactHeader), std::string("Contact"));
    CHECK(ctx, (GetWindowLongA(contactHeader, GWL_STYLE) & WS_TABSTOP) != 0);
    PostMessageA(contactHeader, WM_KEYDOWN, VK_RETURN, 0);
    CHECK(ctx, e2e::WaitUntil([&] { return IsWindowVisible(app.BarItem(kId_XPBar_Contact, 1)) != FALSE; }, 5000));
    if (contact.size() == 2) CHECK_EQ(ctx, contact[1], std::string("http://www.vokcorp.example/"));
    PostMessageA(contactHeader, WM_KEYDOWN, VK_RETURN, 0);
    CHECK(ctx, e2e::WaitUntil([&] { return !IsWindowVisible(app.BarItem(kId_XPBar_Contact, 1)); }, 5000));

    CHECK(ctx, StartsWith(app.Text(kId_L_PCName), "Computer Name: ") && app.Text(kId_L_PCName).size() > 15);
    CHECK(ctx, StartsWith(app.Text(kId_L_OS), "OS: ") && app.Text(kId_L_OS).find(" (6.1.7601)") != std::string::npos);
    CHECK(ctx, StartsWith(app.Text(kId_L_CPU), "CPU: "));
    // The whole memory, also above 4 GB.
    MEMORYSTATUSEX memory{};
    memory.dwLength = sizeof(memory);
    CHECK(ctx, GlobalMemoryStatusEx(&memory));
    CHECK_EQ(ctx, app.Text(kId_L_RAM), "Total RAM: " + std::to_string(memory.ullTotalPhys / 1024 / 1024) + " MB");

    // The group rules, clicked as a user would.
    app.Click(kId_CB_UseIP);
    CHECK(ctx, !app.Enabled(kId_IPA_IP) && !app.Enabled(kId_Label_UseIP_GW));
    CHECK(ctx, app.Checked(kId_CB_UseDNS) && app.Enabled(kId_IPA_DNS1));
    app.Click(kId_CB_UseDNS);
    CHECK(ctx, !app.Enabled(kId_IPA_DNS2));
    app.Click(kId_CB_UseIP);
    CHECK(ctx, app.Enabled(kId_IPA_SM) && app.Checked(kId_CB_UseDNS) && app.Enabled(kId_IPA_DNS2));
    app.Click(kId_CB_UseProxy);
    CHECK(ctx, app.Enabled(kId_LE_Port) && app.Enabled(kId_CB_KillBrowsers) && app.Enabled(kId_IPA_Proxy));
    app.Click(kId_CB_KillBrowsers);
    app.Click(kId_CB_UseProxy);
    CHECK(ctx, !app.Enabled(kId_CB_KillBrowsers) && app.Checked(kId_CB_KillBrowsers));

    // Typing goes where the caret is: every keystroke lands after the one before.
    for (char c : std::string("Office")) PostMessageA(app.Control(kId_LE_NewProfile), WM_CHAR, c, 1);
    CHECK(ctx, e2e::WaitUntil([&] { return app.Text(kId_LE_NewProfile) == "Office"; }, 5000));
    CHECK_EQ(ctx, app.Text(kId_LE_NewProfile), std::string("Office"));
    // Save needs an adapter: typing a name alone leaves it disabled.
    CHECK(ctx, !app.Enabled(kId_Button_Save));
    app.SetText(kId_LE_NewProfile, "");
    CHECK(ctx, !app.Enabled(kId_Button_Save));

    // The port notice on the fifth character.
    app.Click(kId_CB_UseProxy);
    app.SetText(kId_LE_Port, "3128");
    e2e::CheckStaysFalse(ctx, [&] { return app.VisibleBalloon() != nullptr; }, 1000, "no notice on four digits");
    app.SetText(kId_LE_Port, "31280");
    HWND balloon = nullptr;
    CHECK(ctx, e2e::WaitUntil([&] { return (balloon = app.VisibleBalloon()) != nullptr; }, 5000));
    if (balloon) e2e::SaveScreenshot(ctx, "port-notice");

    // Alt+F4 ends the program.
    PostMessageA(app.Main(), WM_SYSKEYDOWN, VK_F4, 1 << 29);
    app.End(false);

    // Before Windows 7 the invisible application window carries the button, with the title that does not animate.
    e2e::RegAdd(ctx, "\"HKCU\\Software\\Wine\\AppDefaults\\Zelta.exe\" /v Version /d winxp");
    e2e::Session older(ctx);
    if (!older.Started()) return;
    CHECK(ctx, older.Text(kId_L_OS).find(" (5.1.") != std::string::npos);
    CHECK(ctx, older.Application() != nullptr);
    CHECK_EQ(ctx, e2e::WindowText(older.Application()), std::string("Vok Tarvex"));
    CHECK(ctx, GetWindow(older.Main(), GW_OWNER) == older.Application());
    CHECK(ctx,
          e2e::WaitUntil([&] { return older.TaskbarButtonWindows() == std::vector<HWND>{older.Application()}; }, 5000));
}
