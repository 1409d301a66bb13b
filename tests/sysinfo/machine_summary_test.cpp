// The banner's machine summary and the version numbers stored at start-up.
#include <gtest/gtest.h>

#include "sysinfo/MachineSummary.h"
#include "tests/fakes/Fakes.h"

namespace zelta::sysinfo {
namespace {

using platform::RegistryRoot;
using Texts = std::vector<std::string>;
constexpr char kNtKey[] = "Software\\Microsoft\\Windows NT\\CurrentVersion";
constexpr char kOlderKey[] = "Software\\Microsoft\\Windows\\CurrentVersion";

TEST(MachineSummaryText, MemoryIsWholeMegabytesOfTheWholeCount) {
    const struct {
        std::uint64_t bytes;
        const char* line;
    } cases[] = {{2147483648u, "Total RAM: 2048 MB"},   {1073741823u, "Total RAM: 1023 MB"},
                 {0xFFFFFFFFu, "Total RAM: 4095 MB"},   {0x100000000u, "Total RAM: 4096 MB"},
                 {25276973055u, "Total RAM: 24105 MB"}, {(1ull << 40) - 1, "Total RAM: 1048575 MB"},
                 {1048575u, "Total RAM: 0 MB"}};
    for (const auto& c : cases) EXPECT_EQ(RamLine(c.bytes), c.line) << c.bytes;
}

TEST(MachineSummaryText, FromBuild22000WindowsTenIsShownAsWindowsEleven) {
    const struct {
        const char* name;
        std::uint32_t build;
        const char* shown;
    } cases[] = {{"Windows 10 Pro", 19045, "Windows 10 Pro"},
                 {"Windows 10 Pro", 21999, "Windows 10 Pro"},
                 {"Windows 10 Pro", 22000, "Windows 11 Pro"},
                 {"Windows 10 Enterprise LTSC", 26100, "Windows 11 Enterprise LTSC"},
                 {"Microsoft Windows 10", 22631, "Microsoft Windows 11"},
                 {"Windows 10", 22000, "Windows 11"},
                 {"Windows 11 Home", 22621, "Windows 11 Home"},
                 {"Windows Server 2022 Standard", 20348, "Windows Server 2022 Standard"},
                 {"Windows Server 2025 Standard", 26100, "Windows Server 2025 Standard"},
                 {"Windows 100 Edition, Windows 10 Pro", 22000, "Windows 100 Edition, Windows 11 Pro"},
                 {"", 22000, ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(ShownProductName(c.name, c.build), c.shown) << c.name << " " << c.build;
    }
}

TEST(MachineSummaryText, OsLineJoinsItsPartsWithFixedBlanks) {
    EXPECT_EQ(OsLine("Microsoft Windows XP", "Service Pack 3", 5, 1, 2600),
              "OS: Microsoft Windows XP Service Pack 3 (5.1.2600)");
    EXPECT_EQ(OsLine("Windows 10 Pro", "", 10, 0, 19045), "OS: Windows 10 Pro  (10.0.19045)");
}

TEST(MachineSummaryText, CpuNameIsCutAtTheFirstNulAndKeepsLeadingBlanks) {
    EXPECT_EQ(CpuNameFromBrand(std::string("       Intel(R) Pentium(R) 4\0\0junk", 35)),
              "       Intel(R) Pentium(R) 4");
    EXPECT_EQ(CpuNameFromBrand(std::string(60, 'x')), std::string(48, 'x'));
    EXPECT_EQ(CpuNameFromBrand(std::string(48, '\0')), "");
}

TEST(ProductNameReading, TakesTextValuesOnlyFromTheFamilysKeyWithReadAccess) {
    fakes::FakeRegistry registry;
    registry.SetString(RegistryRoot::LocalMachine, kNtKey, "ProductName", "Windows 7 Professional");
    registry.SetString(RegistryRoot::LocalMachine, kOlderKey, "ProductName", "Microsoft Windows 98");
    registry.DenyWriteAccess(RegistryRoot::LocalMachine, kNtKey);
    EXPECT_EQ(ProductName(registry, true), "Windows 7 Professional");
    EXPECT_EQ(ProductName(registry, false), "Microsoft Windows 98");
    EXPECT_EQ(registry.openKeys, 0);

    registry.SetValue(RegistryRoot::LocalMachine, kNtKey, "ProductName", platform::kRegExpandSz,
                      std::string("Expanded\0", 9));
    EXPECT_EQ(ProductName(registry, true), "Expanded");
    registry.SetValue(RegistryRoot::LocalMachine, kNtKey, "ProductName", platform::kRegBinary, "Windows");
    EXPECT_EQ(ProductName(registry, true), "");
    registry.keys.clear();
    EXPECT_EQ(ProductName(registry, true), "");
}

struct MachineSummary : ::testing::Test {
    fakes::FakeApp app;
    void SetUp() override {
        app.registry.SetString(RegistryRoot::LocalMachine, kNtKey, "ProductName", "Windows 7 Ultimate");
    }
    // The banner's four lines, top to bottom.
    Texts Lines() {
        const Form1& f = app.form();
        return {f.L_PCName.Text(), f.L_OS.Text(), f.L_CPU.Text(), f.L_RAM.Text()};
    }
};

TEST_F(MachineSummary, StartUpStoresTheVersionAndFillsTheLabelsInOrder) {
    Texts order;
    Form1& f = app.form();
    for (Control* label : {&f.L_RAM, &f.L_CPU, &f.L_OS, &f.L_PCName})
        label->view = [&order](const Control& c, ControlProperty) { order.push_back(c.Name()); };
    app.systemInfo.cpuBrand = std::string("  Intel(R) Core(TM) i5 CPU\0\0", 28);
    app.controller.FormCreate();
    EXPECT_EQ(app.state().OSMajorVersion, 6);
    EXPECT_EQ(app.state().OSMinorVersion, 1);
    EXPECT_EQ(order, (Texts{"L_PCName", "L_OS", "L_CPU", "L_RAM"}));
    EXPECT_EQ(Lines(), (Texts{"Computer Name: WORKSTATION", "OS: Windows 7 Ultimate Service Pack 1 (6.1.7601)",
                              "CPU:   Intel(R) Core(TM) i5 CPU", "Total RAM: 2048 MB"}));
}

TEST_F(MachineSummary, OsLineTakesMajorAndMinorFromTheStoredState) {
    app.state().OSMajorVersion = 5;
    app.state().OSMinorVersion = 2;
    FillMachineSummary(app.main);
    EXPECT_EQ(app.form().L_OS.Text(), "OS: Windows 7 Ultimate Service Pack 1 (5.2.7601)");
}

TEST_F(MachineSummary, OlderFamilyReadsItsOwnKeyAndTheBuildsLowWord) {
    app.registry.SetString(RegistryRoot::LocalMachine, kOlderKey, "ProductName", "Microsoft Windows ME");
    app.systemInfo.version = platform::OsVersionInfo{4, 90, 0x045A0BB8u, false, " A "};
    StoreOsVersion(app.main);
    FillMachineSummary(app.main);
    EXPECT_EQ(app.form().L_OS.Text(), "OS: Microsoft Windows ME  A  (4.90.3000)");
}

TEST_F(MachineSummary, WindowsElevenAndMemoryAbove4GbAsTheSystemReportsThem) {
    app.registry.SetString(RegistryRoot::LocalMachine, kNtKey, "ProductName", "Windows 10 Pro");
    app.systemInfo.version = platform::OsVersionInfo{10, 0, 22631, true, ""};
    app.systemInfo.totalMemory = 24ull << 30;
    StoreOsVersion(app.main);
    FillMachineSummary(app.main);
    EXPECT_EQ(app.form().L_OS.Text(), "OS: Windows 11 Pro  (10.0.22631)");
    EXPECT_EQ(app.form().L_RAM.Text(), "Total RAM: 24576 MB");
}

TEST_F(MachineSummary, FailingCallsLeaveTheFixedPartsOfEveryLine) {
    app.registry.keys.clear();
    app.systemInfo.computerName.reset();
    app.systemInfo.version.reset();
    app.systemInfo.cpuBrand.clear();
    app.systemInfo.totalMemory = 0;
    app.state().OSMajorVersion = 9;
    StoreOsVersion(app.main);
    FillMachineSummary(app.main);
    EXPECT_EQ(app.state().OSMajorVersion, 0);
    EXPECT_EQ(Lines(), (Texts{"Computer Name: ", "OS:   (0.0.0)", "CPU: ", "Total RAM: 0 MB"}));
}

}  // namespace
}  // namespace zelta::sysinfo
