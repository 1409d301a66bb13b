#pragma once
// A session of the program as most scenarios have it: the stand-ins it needs placed, the program started, and at its
// end the program closed and its exit checked.
#include <windows.h>

#include <string>

#include "tests/e2e/driver/Driver.h"

namespace e2e {

// What a session places before the program starts: the netsh stand-in in the system folder, the real companion
// beside the program.
enum Placed : unsigned { kNothingPlaced = 0, kNetsh = 1, kCompanion = 2 };

namespace detail {
// Places them before the program starts: a base of the session constructed before the program's.
struct Placement {
    Placement(Context& ctx, unsigned placed);
};
}  // namespace detail

class Session : private detail::Placement, public Zelta {
public:
    // creationFlags, workingFolder, arguments and waitForWindow as for Zelta.
    explicit Session(Context& ctx, unsigned placed = kNothingPlaced, DWORD creationFlags = 0,
                     const std::string& workingFolder = "", const std::string& arguments = "",
                     bool waitForWindow = true);
    ~Session();
    // Closes the program (unless the scenario has ended it its own way: close false) and checks that it ends with
    // exit code 0. Once: the end of the session does it when the scenario has not.
    void End(bool close = true);

private:
    Context& ctx_;
    bool ended_ = false;
};

}  // namespace e2e
