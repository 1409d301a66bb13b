#pragma once
// The main window's handlers: binds every control event to its handler and runs the start-up sequence.
#include <string>

#include "app/model/MainForm.h"

namespace zelta {

class FormController {
public:
    explicit FormController(MainForm& main);
    FormController(const FormController&) = delete;
    FormController& operator=(const FormController&) = delete;

    // The start-up sequence. An error of a step ends it there; the caller reports it and shows the window.
    void FormCreate();
    void FormClose();

    // The tray menu's entry at position was chosen.
    void TrayMenuClick(int position);
    // The tray menu is about to open: the tick of "Start with Windows" follows the Run value as it is now.
    void TrayMenuOpening();
    void StartWithWindowsClick();
    // The tray position of the one profile that a name given on a command line stands for; -1, with the error
    // report's text, when no profile or more than one has that name.
    int NamedProfilePosition(const std::string& name, std::string& error) const;

    void ExitClick();
    void VokCORPOnlineClick();
    void XPBar_ContactItems0Click();
    void XPBar_ContactItems1Click();
    void CB_UseIPClick();
    void CB_UseDNSClick();
    void CB_UseProxyClick();
    void LE_NewProfileChange();
    void LE_PortChange();

private:
    MainForm& main_;
};

// The window's hit test: what the default answer calls client area moves the window like the title bar.
int WMNCHitTest(int defaultResult);

}  // namespace zelta
