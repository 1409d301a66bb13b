#pragma once
// The balloon notice, the one way the program reports to the user. Every notice is anchored at the main window; the
// companion's verdict also reaches a user who hid the window.
#include <string>

namespace zelta {

class Notifier {
public:
    virtual ~Notifier() = default;
    virtual void ShowNotice(const std::string& message, const std::string& header, unsigned timeMs) = 0;
    // A notice that must reach the user wherever they are: while the main window is hidden to the tray or minimised,
    // the tray icon's own notification, with the warning icon when warning is set; otherwise as ShowNotice.
    virtual void ShowNoticeAnywhere(const std::string& message, const std::string& header, unsigned timeMs,
                                    bool warning) = 0;
};

}  // namespace zelta
