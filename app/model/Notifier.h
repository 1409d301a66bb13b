#pragma once
// The balloon notice, the one way the program reports to the user. Every notice is anchored at the main window.
#include <string>

namespace zelta {

class Notifier {
public:
    virtual ~Notifier() = default;
    virtual void ShowNotice(const std::string& message, const std::string& header, unsigned timeMs) = 0;
};

}  // namespace zelta
