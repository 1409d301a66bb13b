#include "platform/win32/InternetSettings_win32.h"

#include <windows.h>

#include <wininet.h>

namespace zelta::platform {

void Win32InternetSettings::NotifySettingsChanged() {
    // A notice that does not arrive only means a program picks the change up at its next start: nothing to report.
    (void)InternetSetOptionA(nullptr, INTERNET_OPTION_SETTINGS_CHANGED, nullptr, 0);
    (void)InternetSetOptionA(nullptr, INTERNET_OPTION_REFRESH, nullptr, 0);
}

}  // namespace zelta::platform
