#pragma once
// The code-page conversions of the running system.
#include "platform/CodePages.h"

namespace zelta::platform {

class Win32CodePages : public CodePages {
public:
    // The system's own ANSI and console code pages; a test passes others (65001 for a system set to use UTF-8).
    Win32CodePages();
    Win32CodePages(unsigned ansiCodePage, unsigned consoleCodePage);

    std::optional<std::string> AnsiToConsole(const std::string& text) override;
    std::string ConsoleToAnsi(const std::string& text) override;
    std::string Utf8ToAnsiText(const std::string& utf8, bool& exact) override;
    std::string AnsiTextToUtf8(const std::string& text) override;

private:
    unsigned ansi_;
    unsigned console_;
};

}  // namespace zelta::platform
