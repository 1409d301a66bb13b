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

private:
    platform::KernelHandle block_;
    volatile LONG64* window_ = nullptr;  // the first start's main window, 0 until it exists
    bool first_ = true;
};

}  // namespace zelta::win32
