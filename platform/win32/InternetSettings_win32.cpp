#include "platform/win32/InternetSettings_win32.h"

#include <windows.h>

#include <wininet.h>

#include "platform/win32/SystemLibrary_win32.h"

namespace zelta::platform {

void Win32InternetSettings::NotifySettingsChanged() {
    // Only this needs the Internet library, so it is loaded here rather than with the program.
    // A notice that does not arrive only means a program picks the change up at its next start: nothing to report.
    const SystemLibrary wininet("wininet.dll");
    auto* setOption = wininet.Function<decltype(InternetSetOptionA)>("InternetSetOptionA");
    if (!setOption) return;
    (void)setOption(nullptr, INTERNET_OPTION_SETTINGS_CHANGED, nullptr, 0);
    (void)setOption(nullptr, INTERNET_OPTION_REFRESH, nullptr, 0);
}

}  // namespace zelta::platform
