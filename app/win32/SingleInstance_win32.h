#pragma once
// One running instance per program file, and so per settings file: two would show two tray icons and work on stale
// lists of the same file. The first start owns a small named block that holds its main window; a later start finds
// the block, asks that window to show itself, and ends.
#include <windows.h>

#include <string>

#include "platform/win32/KernelHandle_win32.h"

namespace zelta::win32 {

// The message a later start sends to the running instance's main window: show yourself, from the tray if hidden.
inline const char kShowInstanceMessageName[] = "VokTarvex.ShowInstance";

// A later start's request to apply a profile, as WM_COPYDATA: this tag, and the profile's name as its bytes (no
// closing NUL, at most kMaxProfileNameArgument of them). The running instance answers at once whether it took it;
// the activation itself runs after the answer, so the later start never waits for it.
constexpr ULONG_PTR kApplyRequestTag = 0x5A41504Cu;  // "ZAPL"
enum ApplyReply : LRESULT {
    kApplyNotTaken = 0,       // no answer, or the request was not valid
    kApplyTaken = 1,          // the profile is being applied
    kApplyNoSuchProfile = 2,  // no profile, or more than one, has that name: the running instance reports it
    kApplyNoInstance = 3,     // the later start's own answer: no running instance has a window to ask
};

class SingleInstance {
public:
    explicit SingleInstance(const std::string& executablePath);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this start is the only one of its program file (or when the check itself cannot be made).
    bool IsFirst() const { return first_; }
    // The first start: names its main window to later starts.
    void Publish(HWND mainWindow);
    // A later start: asks the running instance to show its window, waiting at most waitMs for it to have one.
    // False when there was none to ask.
    bool ShowRunningInstance(unsigned waitMs) const;
    // A later start: hands the running instance the request to apply the named profile; its answer,
    // kApplyNotTaken when it did not answer, kApplyNoInstance when there was none to ask.
    ApplyReply HandApplyRequest(const std::string& profileName, unsigned waitMs) const;
    // A later start: the first start's main window, once it has one (waiting at most waitMs); nullptr when the
    // first start has none (it is on its way out).
    HWND RunningWindow(unsigned waitMs) const;

private:
    platform::KernelHandle block_;
    volatile LONG64* window_ = nullptr;  // the first start's main window, 0 until it exists
    bool first_ = true;
};

}  // namespace zelta::win32
