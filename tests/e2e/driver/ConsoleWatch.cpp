#include "tests/e2e/driver/ConsoleWatch.h"

#include "tests/e2e/driver/Driver.h"

namespace e2e {

namespace {

// Windows' console windows have the first class, Wine's the second.
bool IsConsoleClass(const std::string& className) {
    return className == "ConsoleWindowClass" || className == "WineConsoleClass";
}

}  // namespace

void ConsoleWatch::Note(HWND window) {
    if (!IsConsoleClass(ClassOf(window)) || !IsWindowVisible(window)) return;
    for (const SeenConsole& known : seen_) {
        if (known.window == window) return;
    }
    seen_.push_back({window, WindowText(window)});
}

void ConsoleWatch::Look() {
    for (HWND window : TopLevelWindows([](HWND) { return true; })) Note(window);
}

bool ConsoleWatch::WaitUntil(const std::function<bool()>& condition, int timeoutMs) {
    return e2e::WaitUntil([&] {
        Look();
        return condition();
    }, timeoutMs);
}

std::vector<SeenConsole> ConsoleWatch::SeenExcept(const std::string& keptTitle) const {
    std::vector<SeenConsole> others;
    for (const SeenConsole& console : seen_) {
        if (!IsWindow(console.window) || WindowText(console.window) != keptTitle) others.push_back(console);
    }
    return others;
}

std::string Describe(const std::vector<SeenConsole>& consoles) {
    std::string text;
    for (const SeenConsole& console : consoles) text += (text.empty() ? "\"" : ", \"") + console.title + "\"";
    return text.empty() ? "none" : text;
}

}  // namespace e2e
