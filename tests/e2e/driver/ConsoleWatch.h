#pragma once
// Watches for console windows while a test runs: every console window of any process that is shown in that time
// is noted. A console lingers on the screen a little after its program ended, long enough for the frequent looks
// to see even the console of a program that ends at once (the companion scenario checks that).
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

struct SeenConsole {
    HWND window;
    std::string title;  // as it read when it was seen
};

class ConsoleWatch {
public:
    ConsoleWatch() { Look(); }

    // Polls the condition, looking for console windows each time, until it holds or the deadline passes.
    bool WaitUntil(const std::function<bool()>& condition, int timeoutMs);
    // Every console window seen so far, each once.
    const std::vector<SeenConsole>& Seen() const { return seen_; }
    // The ones seen whose window is gone or no longer carries keptTitle (the ping console's, for example).
    std::vector<SeenConsole> SeenExcept(const std::string& keptTitle) const;

    void Note(HWND window);
    void Look();

private:
    std::vector<SeenConsole> seen_;
};

std::string Describe(const std::vector<SeenConsole>& consoles);

}  // namespace e2e
