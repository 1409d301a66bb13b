// The tool buttons' command lines and window modes, and where web addresses go.
#include <gtest/gtest.h>

#include "tests/fakes/HandlerTest.h"
#include "tools/Launchers.h"

namespace zelta::tools {
namespace {

using fakes::LaunchRecord;
using platform::ShowMode;
using Kind = LaunchRecord::Kind;

void ExpectLaunch(const LaunchRecord& launch, Kind kind, const std::string& target, ShowMode mode,
                  const std::string& program = "") {
    EXPECT_EQ(launch.kind, kind);
    EXPECT_EQ(launch.target, target);
    EXPECT_EQ(launch.program, program);
    EXPECT_EQ(launch.parameters, "");
    EXPECT_EQ(launch.mode, mode);
}

struct Launchers : fakes::HandlerTest {
    void SetUp() override { Start(); }
};

TEST(ToolButtons, RunTheirCommandLinesWithTheFolderQuoted) {
    const struct {
        const char* exe;
        const char* folder;
        const char* settings;
    } cases[] = {
        {"C:\\Tools\\Zelta\\Zelta.exe", "C:\\Tools\\Zelta\\", "C:\\Tools\\Zelta\\Zelta.ini"},
        {"C:\\Program Files\\Zelta\\Tool.exe", "C:\\Program Files\\Zelta\\", "C:\\Program Files\\Zelta\\Tool.ini"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.exe);
        fakes::FakeApp fresh;
        fresh.environment.executablePath = c.exe;
        fresh.controller.FormCreate();
        Form1& f = fresh.form();
        for (Control* button : {&f.Button_IPconfig, &f.Button_OpenCMD, &f.XiButton4, &f.XiButton1}) button->Click();
        const auto& launches = fresh.launcher.launches;
        ASSERT_EQ(launches.size(), 5u);
        const std::string report = std::string("\"") + c.folder + "ipconfig.txt\"";
        // Each from the system folder, the command lines as the user knows them.
        ExpectLaunch(launches[0], Kind::SystemProgramAndWait, "cmd /c ipconfig /all > " + report, ShowMode::Hidden,
                     "cmd.exe");
        EXPECT_EQ(launches[0].maxWaitMs, kIpconfigReportWaitMs);
        ExpectLaunch(launches[1], Kind::SystemProgram, "notepad " + report, ShowMode::Normal, "notepad.exe");
        ExpectLaunch(launches[2], Kind::SystemProgram, "cmd /t:0a /k title Vok Tarvex", ShowMode::Normal, "cmd.exe");
        ExpectLaunch(launches[3], Kind::SystemProgram, std::string("notepad \"") + c.settings + "\"", ShowMode::Normal,
                     "notepad.exe");
        ExpectLaunch(launches[4], Kind::SystemProgram, "rundll32.exe shell32.dll,Control_RunDLL ncpa.cpl",
                     ShowMode::Normal, "rundll32.exe");
    }
}

TEST_F(Launchers, ReportOpensInNotepadEvenWhenIpconfigOutlastsTheWait) {
    app.launcher.waitEndsInTime = false;
    app.form().Button_IPconfig.Click();
    ASSERT_EQ(app.launcher.launches.size(), 2u);
    ExpectLaunch(app.launcher.launches[1], Kind::SystemProgram, "notepad \"C:\\Tools\\Zelta\\ipconfig.txt\"",
                 ShowMode::Normal, "notepad.exe");
}

TEST_F(Launchers, AddressesGoUnchangedToFirefoxWhenInstalledElseToTheShell) {
    app.form().XPBar_Contact.ClickItem(0);
    app.controller.TrayMenuClick(TrayMenu::kWebSitePosition);
    app.files.files[kFirefoxPath] = "";
    OpenUrl(app.main, "contact@vokcorp.example");
    const std::string firefox = "\"C:\\Program Files\\Mozilla Firefox\\firefox.exe\" ";
    const auto& launches = app.launcher.launches;
    ASSERT_EQ(launches.size(), 3u);
    ExpectLaunch(launches[0], Kind::ShellOpen, "contact@vokcorp.example", ShowMode::Normal);
    ExpectLaunch(launches[1], Kind::ShellOpen, "http://www.vokcorp.example/", ShowMode::Normal);
    ExpectLaunch(launches[2], Kind::CommandLine, firefox + "contact@vokcorp.example", ShowMode::Normal);
}

}  // namespace
}  // namespace zelta::tools
