#include "tools/Launchers.h"

#include "profiles/SettingsPath.h"

namespace zelta::tools {

using platform::ShowMode;

namespace {

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

}  // namespace

// The report goes to a file in the program folder. Notepad opens it once ipconfig has ended, or after the wait
// runs out all the same, so a slow ipconfig still gives the user a (possibly partial) report rather than nothing.
void Button_IPconfigClick(MainForm& main) {
    const std::string reportPath = main.state.ProgramDir + "ipconfig.txt";
    main.platform.launcher.RunSystemProgramAndWait(kCommandInterpreter, "cmd /c ipconfig /all > " + Quoted(reportPath),
                                                   ShowMode::Hidden, kIpconfigReportWaitMs);
    main.platform.launcher.RunSystemProgram(kNotepad, "notepad " + Quoted(reportPath), ShowMode::Normal);
}

void Button_OpenCMDClick(MainForm& main) {
    main.platform.launcher.RunSystemProgram(kCommandInterpreter, kConsoleCommand, ShowMode::Normal);
}

// Opens the settings file the program really reads and writes, which is named after the executable.
void XiButton4Click(MainForm& main) {
    const std::string settingsPath = profiles::SettingsFilePathFor(main.platform.environment.ExecutablePath());
    main.platform.launcher.RunSystemProgram(kNotepad, "notepad " + Quoted(settingsPath), ShowMode::Normal);
}

void XiButton1Click(MainForm& main) {
    main.platform.launcher.RunSystemProgram(kRundll32, "rundll32.exe shell32.dll,Control_RunDLL ncpa.cpl",
                                            ShowMode::Normal);
}

void OpenUrl(MainForm& main, const std::string& address) {
    if (main.platform.files.FileExists(kFirefoxPath)) {
        main.platform.launcher.RunCommandLine(Quoted(kFirefoxPath) + " " + address, ShowMode::Normal);
    } else {
        main.platform.launcher.ShellOpen(address, "", ShowMode::Normal);
    }
}

}  // namespace zelta::tools
