#pragma once
// What screen readers are told about windows whose own answers fall short: names, roles and states given through
// the system's annotation service, on top of what the accessibility layer reads from the windows themselves. The
// windows stay the ones the keyboard, the mouse and the tests use. Where the service is missing (a system without
// its accessibility runtime), nothing is added and the windows keep what the system derives from them.
#include <windows.h>

#include <oleacc.h>

#include <string>

#include "app/win32/ComPtr_win32.h"

namespace zelta::win32 {

class Annotations {
public:
    Annotations();  // COM must be set up on this thread
    ~Annotations() = default;
    Annotations(const Annotations&) = delete;
    Annotations& operator=(const Annotations&) = delete;

    void SetName(HWND window, const std::string& name);
    void SetRole(HWND window, LONG role);
    // The whole state, replacing the one the window's own accessible object gives; tells listeners it changed.
    void SetState(HWND window, LONG state);
    // Drops what was added for the window, before it is destroyed.
    void Clear(HWND window);

private:
    // False when there is no service or no window, so that nothing is announced.
    bool SetNumber(HWND window, MSAAPROPID property, LONG number);
    ComPtr<IAccPropServices> services_;
};

// The accessible state of a window of ours from its focus and enabled state, plus the given bits.
LONG AccessibleState(HWND window, LONG extra);

}  // namespace zelta::win32
