#pragma once
// Change notices of the user's Internet settings, through WinINet.
#include "platform/InternetSettings.h"

namespace zelta::platform {

class Win32InternetSettings : public InternetSettings {
public:
    void NotifySettingsChanged() override;
};

}  // namespace zelta::platform
