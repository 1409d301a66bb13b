// Settings-file traffic per user action with 20 stored profiles: the program's whole handler chain runs over the
// in-memory system, and a counting layer between the handlers and the file system tallies what each action did
// to the settings file (and, separately, to any other file).
#include <algorithm>
#include <cstdio>
#include <string>

#include "app/model/TrayMenu.h"
#include "profiles/NetworkProfile.h"
#include "profiles/SettingsPath.h"
#include "tests/adapters/AdapterRegistry.h"
#include "tests/fakes/Fakes.h"

namespace {

using namespace zelta;

struct Tally {
    int probes = 0;    // existence checks
    int reads = 0;     // whole-file reads (each one open)
    int replaces = 0;  // whole-file replacements
};

class CountingFileSystem : public platform::FileSystem {
public:
    CountingFileSystem(platform::FileSystem& inner, std::string settingsPath)
        : inner_(inner), settingsPath_(std::move(settingsPath)) {}
    Tally settings;
    Tally others;

    bool FileExists(const std::string& path) override {
        ++For(path).probes;
        return inner_.FileExists(path);
    }
    std::optional<std::string> ReadFile(const std::string& path, std::string& reason) override {
        ++For(path).reads;
        return inner_.ReadFile(path, reason);
    }
    bool ReplaceContents(const std::string& path, const std::string& content, std::string& reason) override {
        ++For(path).replaces;
        return inner_.ReplaceContents(path, content, reason);
    }
    void Reset() { settings = others = Tally{}; }

private:
    Tally& For(const std::string& path) { return path == settingsPath_ ? settings : others; }
    platform::FileSystem& inner_;
    std::string settingsPath_;
};

// The program's whole model over fakes, with the counting layer in front of the fake file system.
struct CountedApp {
    fakes::FakeApp fake;
    CountingFileSystem files{fake.files, profiles::SettingsFilePathFor(fake.environment.executablePath)};
    platform::Platform platform{fake.registry,    fake.systemInfo, fake.launcher,  files,
                                fake.environment, fake.codePages,  fake.processes, fake.internetSettings};
    MainForm main{platform, fake.notifier};
    FormController controller{main};
};

std::string Block(int number) {
    const std::string n = std::to_string(number);
    return "[Profile" + n + "]\r\nprofile_name=Site " + n + " - Local Area Connection\r\nIP=10.0.0." + n +
           "\r\nSM=255.255.255.0\r\nGW=10.0.0.254\r\nDNS1=10.0.0.253\r\nDNS2=0.0.0.0\r\nproxy_IP=0.0.0.0\r\n"
           "proxy_port=\r\nuse_ip=user\r\nuse_dns=user\r\nuse_proxy=0\r\nkill_browsers=0\r\nprofile_applied=0\r\n";
}

std::string SettingsWith(int profiles) {
    std::string text = "[Zelta Settings]\r\n#_profiles=" + std::to_string(profiles) + "\r\nlast_pai=0\r\n";
    for (int number = 1; number <= profiles; ++number) text += Block(number);
    return text;
}

int worstReads = 0;
int worstReplaces = 0;

void Report(const char* action, const CountingFileSystem& files, int profiles, bool ran = true) {
    if (!ran) {
        std::printf("  %-26s (did not run: the handler refused it)\n", action);
        return;
    }
    const Tally& s = files.settings;
    std::printf("  %-26s %8d %6d %6d %6d %13d\n", action, profiles, s.probes, s.reads, s.replaces,
                files.others.replaces);
    worstReads = std::max(worstReads, s.reads);
    worstReplaces = std::max(worstReplaces, s.replaces);
}

}  // namespace

int main() {
    CountedApp app;
    Form1& f = app.main.form;
    const std::string path = profiles::SettingsFilePathFor(app.fake.environment.executablePath);
    fakes::AddAdapter(app.fake.registry, "{8A1D2C40-0001}", true, std::string("Local Area Connection"));
    app.fake.files.files[path] = SettingsWith(kMaxProfiles);
    auto profileCount = [&] { return f.XPBar_Profiles.Count(); };

    std::printf("Settings-file I/O per user action (counted at the file-system interface)\n");
    std::printf("  %-26s %8s %6s %6s %6s %13s\n", "action", "profiles", "probes", "reads", "writes", "other writes");
    app.controller.FormCreate();
    Report("start-up", app.files, profileCount());

    f.XPBar_NICs.ClickItem(0);  // an adapter chosen: no settings file involved
    app.files.Reset();
    f.XPBar_Profiles.ClickItem(4);
    Report("load profile 5", app.files, profileCount());

    app.files.Reset();
    const bool canOverwrite = f.Button_Save.Enabled();
    if (canOverwrite) f.Button_Save.Click();
    Report("save over profile 5", app.files, profileCount(), canOverwrite);

    f.XPBar_Profiles.ClickItem(kMaxProfiles - 1);
    app.files.Reset();
    const int before = profileCount();
    f.Button_Delete.Click();
    Report("delete profile 20", app.files, before);

    app.files.Reset();
    f.LE_NewProfile.SetText("Branch office");
    const bool canAdd = f.Button_Save.Enabled();
    if (canAdd) f.Button_Save.Click();
    Report("save a new profile", app.files, profileCount(), canAdd);

    app.files.Reset();
    app.controller.TrayMenuClick(TrayMenu::ProfilePosition(3));
    Report("activate profile 3 (tray)", app.files, profileCount());

    std::printf("  worst action: %d read(s), %d replacement(s) of the settings file (goal: 1 read, at most 1)\n",
                worstReads, worstReplaces);
    std::printf("  (\"other writes\": execute.bat; probes are existence checks, made only when a read fails)\n");
    return 0;
}
