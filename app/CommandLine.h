#pragma once
// What a start was asked to do by its command line: nothing special, start hidden to the tray (as the Run key
// starts it), or apply a profile named there. Also which tray entry a name given there stands for, and the exit
// codes that tell a script how the start went.
#include <cstddef>
#include <string>
#include <vector>

namespace zelta {

enum class StartAction { Normal, Tray, Apply, Refused };

struct StartRequest {
    StartAction action = StartAction::Normal;
    std::string profileName;  // Apply: the name given, without blanks at either end
    std::string error;        // Refused: the text of the error report
};

constexpr std::size_t kMaxCommandLineLength = 1024;
constexpr std::size_t kMaxProfileNameArgument = 255;

// How a start ends. Only a start that hands its request to the running program, or that is refused, ends at once.
enum StartExitCode : int {
    kExitDone = 0,
    kExitNoWindow = 1,       // the main window could not be made
    kExitRefused = 2,        // a command line that is no request
    kExitNoSuchProfile = 3,  // no profile, or more than one, has that name
    kExitNotDelivered = 4,   // the running program did not take the request
};

// arguments: the command line after the program's own name, in the ANSI code page. exact: false when the system
// had to replace characters that the code page lacks; such a name could never reach the program as it was typed.
// Options: /tray, and /apply followed by a profile name (in double quotes or not), letters' case aside.
StartRequest ParseCommandLine(const std::string& arguments, bool exact);

// The name, as it came from another start of the program, when it is one that the command line could give.
bool IsDeliverableProfileName(const std::string& name);

// The tray entries' captions that a name given on the command line stands for: those whose name part (before
// " - ") or whole stored text is that name, letters' case aside. Indexes into captions.
std::vector<int> ProfilesNamed(const std::vector<std::string>& captions, const std::string& name);
// The error report's text when matches is not exactly one.
std::string ProfileNameError(const std::string& name, std::size_t matches);

}  // namespace zelta
