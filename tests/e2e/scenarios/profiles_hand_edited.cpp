// Settings files that a user edited or holds open: a file saved as UTF-8 with a byte-order mark is listed and
// written back in UTF-8, mark included, and one holding a character ANSI lacks is never written; a count of 100000
// lists 20 profiles and the window appears at once; a file another program holds locked shows no profile, a save
// reports "Unable to write to <path>" and the file stays; a file another program holds open for a moment is
// saved once it lets go.
#include "app/model/ControlIds.h"
#include "tests/e2e/driver/Driver.h"
#include "tests/e2e/driver/Session.h"
#include "tests/e2e/driver/StoredProfiles.h"

using namespace zelta;

namespace {

const std::string kMark = "\xEF\xBB\xBF";

// A file of profiles named names, all on the same addresses and proxy port; count: its "#_profiles" line.
std::string File(const std::vector<std::string>& names, const std::string& port, const std::string& count = "") {
    std::vector<e2e::StoredProfile> profiles;
    for (const std::string& name : names) {
        profiles.push_back(e2e::StoredProfile(name, "10.0.0.1")
                               .Net("255.0.0.0", "10.0.0.254", "10.0.0.53", "0.0.0.0")
                               .Proxy("10.0.0.8", port, "0", "0"));
    }
    return e2e::SettingsText(profiles, "", "\r\n", count);
}

// "é" and "ç" as a UTF-8 editor stores them.
const std::string kCafe = "Caf\xC3\xA9 - Local Area Connection";
const std::string kGarcon = "Gar\xC3\xA7on - Local Area Connection";

void Utf8File(e2e::Context& ctx, const std::string& ini) {
    SETUP(ctx, e2e::WriteFileBytes(ini, kMark + File({kCafe}, "80")));
    e2e::Session app(ctx);
    if (!app.Started()) return;
    const auto items = app.BarItems(kId_XPBar_Profiles);
    CHECK(ctx, items.size() == 1);
    if (items.size() == 1) CHECK_EQ(ctx, items[0], std::string("Caf\xE9 - Local Area Connection"));

    // Overwriting changes the one value, and the file stays UTF-8 with its mark.
    app.ClickBarItem(kId_XPBar_Profiles, 0);
    CHECK_EQ(ctx, app.Text(kId_LE_NewProfile), std::string("Caf\xE9"));
    app.SetText(kId_LE_Port, "8080");
    app.Click(kId_Button_Save);
    CHECK_EQ(ctx, e2e::ReadFileBytes(ini).value_or("<missing>"), kMark + File({kCafe}, "8080"));

    // A new profile lands after it, in UTF-8 too, and no second settings section appears.
    app.SetText(kId_LE_NewProfile, "Gar\xE7on");
    app.Click(kId_Button_Save);
    CHECK_EQ(ctx, e2e::ReadFileBytes(ini).value_or("<missing>"), kMark + File({kCafe, kGarcon}, "8080"));
    CHECK(ctx, app.BarItems(kId_XPBar_Profiles).size() == 2);
}

// "ā" has no counterpart in the ANSI code page: the text read is only a near match, so the file is never written.
void Utf8BeyondAnsi(e2e::Context& ctx, const std::string& ini) {
    const std::string content = kMark + File({"M\xC4\x81ori - LAN"}, "80");
    SETUP(ctx, e2e::WriteFileBytes(ini, content));
    e2e::Session app(ctx);
    if (!app.Started()) return;
    CHECK(ctx, app.BarItems(kId_XPBar_Profiles).size() == 1);
    app.ClickBarItem(kId_XPBar_Profiles, 0);
    app.SetText(kId_LE_Port, "8080");
    app.PostClick(kId_Button_Save);
    app.CheckErrorReport(
        "Vok Tarvex|Unable to write to " + ini + ". The file holds characters that the ANSI code page lacks.", 10000);
    CHECK_EQ(ctx, e2e::ReadFileBytes(ini).value_or("<missing>"), content);
    app.CheckRunsOn("after refusing to write the file");
}

void HugeCount(e2e::Context& ctx, const std::string& ini) {
    SETUP(ctx, e2e::WriteFileBytes(ini, File({"A - LAN"}, "", "100000")));
    e2e::Session app(ctx);  // waits for the window with its own deadline
    if (!app.Started()) return;
    CHECK(ctx, app.BarItems(kId_XPBar_Profiles).size() == 20);
    CHECK_EQ(ctx, app.StatusPanel0(), std::string("Used / Max Profiles: 20 / 20"));
}

// The file open in another program: one that shares it with nobody, or one that lets others read and write it
// but not rename over it (an editor or a virus scanner).
class Lock {
public:
    explicit Lock(const std::string& path, DWORD share = 0)
        : handle_(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, share, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~Lock() {
        if (Held()) CloseHandle(handle_);
    }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;
    bool Held() const { return handle_ != INVALID_HANDLE_VALUE; }
    void Release() {
        if (Held()) CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE handle_;
};

void LockedFile(e2e::Context& ctx, const std::string& ini) {
    const std::string content = File({"A - LAN"}, "");
    SETUP(ctx, e2e::WriteFileBytes(ini, content));
    {
        Lock lock(ini);
        CHECK(ctx, lock.Held());
        e2e::Session app(ctx);
        if (!app.Started()) return;
        CHECK(ctx, app.BarItems(kId_XPBar_Profiles).empty());
        app.SetText(kId_LE_NewProfile, "B");
        app.SetText(kId_LE_NIC, "LAN");
        app.PostClick(kId_Button_Save);
        app.CheckErrorReport("Vok Tarvex|Unable to write to " + ini + ".", 10000);
        CHECK(ctx, app.BarItems(kId_XPBar_Profiles).empty());
        // The program runs on: it answers, and the box it greys still follows the click.
        app.CheckRunsOn("after the error report");
        app.Click(kId_CB_UseIP);
        CHECK(ctx, !app.Enabled(kId_IPA_IP));
    }
    CHECK_EQ(ctx, e2e::ReadFileBytes(ini).value_or("<missing>"), content);
}

// Held open by another program for a moment while a save replaces it: the save waits for it and succeeds.
void HeldFile(e2e::Context& ctx, const std::string& ini) {
    SETUP(ctx, e2e::WriteFileBytes(ini, File({"A - LAN"}, "")));
    e2e::Session app(ctx);
    if (!app.Started()) return;
    app.ClickBarItem(kId_XPBar_Profiles, 0);
    app.SetText(kId_LE_Port, "8080");
    Lock lock(ini, FILE_SHARE_READ | FILE_SHARE_WRITE);
    // The hold is real: nothing can be renamed over the file while it lasts.
    const std::string probe = ini + ".probe";
    SETUP(ctx, lock.Held() && e2e::WriteFileBytes(probe, "probe"));
    CHECK(ctx, !MoveFileExA(probe.c_str(), ini.c_str(), MOVEFILE_REPLACE_EXISTING));
    DeleteFileA(probe.c_str());
    app.PostClick(kId_Button_Save);
    Sleep(1000);  // how long the other program holds the file: part of the setting, not a wait for the program
    lock.Release();
    const std::string saved = File({"A - LAN"}, "8080");
    CHECK(ctx, e2e::WaitUntil([&] { return e2e::ReadFileBytes(ini).value_or("") == saved; }, 10000));
    CHECK(ctx, !app.TakeErrorReport(0).has_value());
    app.CheckRunsOn("after saving over the held file");
}

}  // namespace

E2E_SCENARIO(profiles_hand_edited) {
    const std::string ini = ctx.appDir + "Zelta.ini";
    Utf8File(ctx, ini);
    Utf8BeyondAnsi(ctx, ini);
    HugeCount(ctx, ini);
    LockedFile(ctx, ini);
    HeldFile(ctx, ini);
}
