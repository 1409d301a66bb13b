// A user's first steps with a downloaded copy, and the smoke run of each architecture's build: both programs are
// built for the same processor as this driver (so the 32-bit suite runs the 32-bit programs under Wine's WOW64,
// with a 32-bit stand-in netsh in the 64-bit system folder, which the 32-bit companion reaches through Sysnative
// rather than the 32-bit one that the file-system redirector would give it); start with no settings
// file, pick the adapter, name a profile, save it, apply it: the companion runs the three commands with netsh.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "app/model/ControlIds.h"
#include "tests/e2e/driver/Adapters.h"
#include "tests/e2e/driver/Driver.h"
#include "tests/e2e/driver/Session.h"

using namespace zelta;

namespace {

const std::string kAdapterKey = "{8A1D2C40-0001-4E5B-9C1A-1D2E3F405060}";

// The processor a PE image is built for, from its file header ("PE\0\0", then the machine field).
std::uint16_t Machine(const std::string& image) {
    if (image.size() < 0x40 || image.compare(0, 2, "MZ") != 0) return 0;
    std::uint32_t offset = 0;
    for (int i = 3; i >= 0; --i) offset = offset << 8 | static_cast<unsigned char>(image[0x3C + i]);
    if (image.size() < offset + 6 || image.compare(offset, 4, std::string("PE\0\0", 4)) != 0) return 0;
    return static_cast<std::uint16_t>(static_cast<unsigned char>(image[offset + 4]) |
                                      static_cast<unsigned char>(image[offset + 5]) << 8);
}

std::string MachineName(std::uint16_t machine) {
    switch (machine) {
        case IMAGE_FILE_MACHINE_I386:
            return "x86";
        case IMAGE_FILE_MACHINE_AMD64:
            return "x64";
        default:
            return "unknown (" + std::to_string(machine) + ")";
    }
}

std::uint16_t OwnMachine() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return Machine(e2e::ReadFileBytes(path).value_or(""));
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

E2E_SCENARIO(first_steps) {
    const std::string driverMachine = MachineName(OwnMachine());
    CHECK_EQ(ctx, MachineName(Machine(e2e::ReadFileBytes(ctx.appDir + "Zelta.exe").value_or(""))), driverMachine);
    CHECK_EQ(ctx, MachineName(Machine(e2e::ReadFileBytes(ctx.companionDir + "Quillet.exe").value_or(""))),
             driverMachine);

    e2e::AddAdapter(ctx, kAdapterKey, "Local Area Connection");
    e2e::AddAddresses(ctx, kAdapterKey, "192.168.1.20", "255.255.255.0", "192.168.1.1", "192.168.1.1,192.168.1.2");
    SETUP(ctx, e2e::PlaceHelper(ctx, "netsh.exe", e2e::NativeSystemFolder()));

    e2e::Session app(ctx, e2e::kCompanion, DETACHED_PROCESS);
    if (!app.Started()) return;

    app.ClickBarItem(kId_XPBar_NICs, 0);
    CHECK_EQ(ctx, app.Text(kId_IPA_IP), std::string("192.168.1.20"));
    if (!app.Checked(kId_CB_UseDNS)) app.Click(kId_CB_UseDNS);
    app.SetText(kId_LE_NewProfile, "Office");
    app.Click(kId_Button_Save);
    const std::string settings = e2e::ReadFileBytes(ctx.appDir + "Zelta.ini").value_or("");
    CHECK(ctx, Contains(settings, "[Profile1]\r\nprofile_name=Office - Local Area Connection\r\nIP=192.168.1.20\r\n"));
    CHECK(ctx, app.BarItems(kId_XPBar_Profiles) == std::vector<std::string>{"Office - Local Area Connection"});

    app.ClickBarItem(kId_XPBar_Profiles, 0);
    app.Click(kId_Button_ApplyProfile);
    CHECK(ctx,
          e2e::WaitUntil(
              [&] { return e2e::FileContains(ctx.appDir + "execute.log", "3 of 3 commands succeeded, 0 failed."); },
              30000));
    const std::string nic = "name=\"Local Area Connection\"";
    const std::vector<std::string> commands{
        "int ipv4 set address " + nic +
            " source=static addr=192.168.1.20 mask=255.255.255.0 gateway=192.168.1.1 "
            "gwmetric=1",
        "int ipv4 set dns " + nic + " source=static addr=192.168.1.1 validate=no",
        "int ipv4 add dns " + nic + " addr=192.168.1.2 index=2 validate=no"};
    // Under WOW64 the 32-bit stand-in names itself by the system32 path and so writes its log into this driver's
    // system folder: the log there shows that the companion ran the copy in the 64-bit folder (nothing else writes it).
    CHECK(ctx, e2e::FileLines(e2e::SystemFolder() + "netsh.log") == commands);
    CHECK_EQ(ctx, app.Text(kId_L_ProfileActivated), std::string("Profile Activated: Office - Local Area Connection"));
    CHECK(ctx, e2e::FileContains(ctx.appDir + "Zelta.ini", "last_pai=1\r\n"));
}
