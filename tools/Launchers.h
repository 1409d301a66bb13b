#pragma once
// The diagnostic tool buttons and the web-address opener.
#include <string>

#include "app/model/MainForm.h"
#include "assets/version.h"

namespace zelta::tools {

// How long the address report waits for ipconfig to finish writing before Notepad opens the report.
constexpr unsigned kIpconfigReportWaitMs = 5000;
// The system programs the tools start, each from the system folder by its full path; the command lines keep the
// bare names the user knows.
inline const char kCommandInterpreter[] = "cmd.exe";
inline const char kNotepad[] = "notepad.exe";
inline const char kRundll32[] = "rundll32.exe";
inline const char kFirefoxPath[] = "C:\\Program Files\\Mozilla Firefox\\firefox.exe";
// The console the tools and the activation open: black background, bright green text, the product's name as its
// title; the prompt stays open.
inline const char kConsoleCommand[] = "cmd /t:0a /k title " ZELTA_PRODUCT_NAME;

void Button_IPconfigClick(MainForm& main);
void Button_OpenCMDClick(MainForm& main);
void XiButton4Click(MainForm& main);
void XiButton1Click(MainForm& main);
// Hands the address on unchanged: to Firefox when it is installed at its usual place, else to the shell.
void OpenUrl(MainForm& main, const std::string& address);

}  // namespace zelta::tools
