#pragma once
// The code-page conversions of the running system.
#include "platform/CodePages.h"

namespace zelta::platform {

class Win32CodePages : public CodePages {
public:
    std::optional<std::string> AnsiToConsole(const std::string& text) override;
    std::string ConsoleToAnsi(const std::string& text) override;
    std::string Utf8ToAnsiText(const std::string& utf8, bool& exact) override;
    std::string AnsiTextToUtf8(const std::string& text) override;
};

}  // namespace zelta::platform
