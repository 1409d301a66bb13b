#pragma once
// The system's Internet layer, told about changes of the user's Internet settings.
namespace zelta::platform {

class InternetSettings {
public:
    virtual ~InternetSettings() = default;
    // Tells running programs that follow the system proxy that the settings changed and have them read them again.
    virtual void NotifySettingsChanged() = 0;
};

}  // namespace zelta::platform
