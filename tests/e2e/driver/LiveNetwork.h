#pragma once
// A real network interface for a scenario, in the scenario's own private network namespace: a veth pair made with
// Linux's ip, which Wine's IP helper reports as an adapter; and the tray icon's notification, which Wine's shell
// shows as a tooltip of its own.
#include <windows.h>

#include <string>

#include "tests/e2e/driver/Driver.h"

namespace e2e {

// Runs a Linux command line to its end (through Wine's start.exe /unix); a check fails when it does not end well.
void RunLinux(Context& ctx, const std::string& commandLine);
// The adapter key name ("{GUID}") under which the IP helper reports the interface of that Linux name; empty when it
// does not report it.
std::string LiveAdapterKey(const std::string& linuxName);
// The text of the shell's visible notification of a tray icon (title and text as the shell shows them); empty when
// none is shown.
std::string TrayNotificationText();

}  // namespace e2e
