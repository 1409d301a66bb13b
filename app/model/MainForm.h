#pragma once
// What every handler works on: the controls, the application state, the tray menu, and the operations of the
// system and of the window shell.
#include <functional>

#include "app/model/AdapterEntry.h"
#include "app/model/AppState.h"
#include "app/model/Form1.h"
#include "app/model/Notifier.h"
#include "app/model/TrayMenu.h"
#include "platform/Platform.h"
#include "profiles/ProfileFields.h"

namespace zelta {

struct MainForm {
    MainForm(platform::Platform& platformOps, Notifier& noticeOps) : platform(platformOps), notifier(noticeOps) {}
    MainForm(const MainForm&) = delete;
    MainForm& operator=(const MainForm&) = delete;

    Form1 form;
    AppState state;
    TrayMenu trayMenu;
    // The adapters behind the items of the "Network Interfaces" bar, by position.
    std::vector<AdapterEntry> adapterEntries;
    platform::Platform& platform;
    Notifier& notifier;
    // Closes the main window as its close box does; set by the window shell.
    std::function<void()> closeMainWindow;

    // Every notice of the program: the given message, header "Vok Tarvex", 5000 ms, anchored at the main window.
    void Notice(const std::string& message) { notifier.ShowNotice(message, kProductTitle, kNoticeTimeMs); }
    void NoticeAnywhere(const std::string& message, bool warning) {
        notifier.ShowNoticeAnywhere(message, kProductTitle, kNoticeTimeMs, warning);
    }
};

// The group rules and the status counter, used by several handlers.
// A group's box and the fields it holds, with their labels, but not the check box that drives it.
void SetGroupEnabled(MainForm& main, profiles::FieldGroup group, bool enabled);
// The address group; enabling it also checks "Use DNS".
void SetIPGroupEnabled(MainForm& main, bool enabled);
inline void SetDNSGroupEnabled(MainForm& main, bool enabled) {
    SetGroupEnabled(main, profiles::FieldGroup::Dns, enabled);
}
inline void SetProxyGroupEnabled(MainForm& main, bool enabled) {
    SetGroupEnabled(main, profiles::FieldGroup::Proxy, enabled);
}
void UpdateProfileCounter(MainForm& main);

}  // namespace zelta
