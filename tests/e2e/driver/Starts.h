#pragma once
// Starts of the program from a command line, as a shortcut, a script or the Run key makes them, and what they
// leave: exit codes, hidden windows, message boxes, the number of running copies, and the system's reg.exe.
#include <windows.h>

#include <optional>
#include <string>

#include "tests/e2e/driver/Driver.h"

namespace e2e {

// One start of Zelta.exe from the program folder with those arguments, without the driver's console (as the
// desktop starts it). It is ended when it is still running at the end of its scope.
class Start {
public:
    Start(Context& ctx, const std::string& arguments);
    ~Start();
    Start(const Start&) = delete;
    Start& operator=(const Start&) = delete;

    DWORD Id() const { return processId_; }
    // Its exit code once it ended within the time; nullopt when it runs on.
    std::optional<int> ExitCode(int timeoutMs) const;

private:
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
};

// A top-level window of that process and class, shown or not; nullptr when there is none.
HWND ProcessWindow(DWORD processId, const char* className);
// How many processes of that executable name run now.
int RunningCopies(const char* exeName);
// Waits for the process's "Vok Tarvex" message box, returns its message and closes it.
std::optional<std::string> TakeMessageBox(DWORD processId, int timeoutMs);
// What a console program printed: started with its output into a file, and waited for.
std::string CommandOutput(const std::string& commandLine, int timeoutMs);

}  // namespace e2e
