// The Firefox preferences rewrite over lines and bytes, and where the preferences file is found.
#include <gtest/gtest.h>

#include "proxy/FirefoxPrefs.h"
#include "tests/fakes/Fakes.h"
#include "tools/Launchers.h"

namespace zelta::proxy {
namespace {

using Lines = std::vector<std::string>;

const std::string kOldHost = "user_pref(\"network.proxy.http\", \"192.168.9.9\");";
const std::string kOldPort = "user_pref(\"network.proxy.http_port\", 3128);";
const std::string kOldShare = "user_pref(\"network.proxy.share_proxy_settings\", false);";
const std::string kOldType = "user_pref(\"network.proxy.type\", 5);";
const std::string kNoProxies = "user_pref(\"network.proxy.no_proxies_on\", \"localhost\");";
const std::string kOther = "user_pref(\"browser.startup.page\", 3);";
const std::string kHost = "user_pref(\"network.proxy.http\", \"10.0.0.1\");";
const std::string kPort = "user_pref(\"network.proxy.http_port\", 8080);";
const std::string kShare = "user_pref(\"network.proxy.share_proxy_settings\", true);";
const std::string kType = "user_pref(\"network.proxy.type\", 1);";

TEST(FirefoxPrefs, EntryLinesAreWrittenExactly) {
    EXPECT_EQ(HostLine("10.0.0.1"), kHost);
    EXPECT_EQ(PortLine("8080"), kPort);
    EXPECT_EQ(ShareLine(), kShare);
    EXPECT_EQ(TypeLine(1), kType);
}

TEST(FirefoxPrefs, RewriteReplacesInPlaceInsertsWhatIsMissingAndLosesNoPreference) {
    const struct {
        const char* name;
        Lines before;
        Lines after;
    } cases[] = {
        {"host, port, share in a row and a later type: replaced in place, nothing after the type looked at",
         {kOther, kOldHost, kOldPort, kOldShare, kNoProxies, kOldType, kOldType, kOldHost},
         {kOther, kHost, kPort, kShare, kNoProxies, kType, kOldType, kOldHost}},
        {"no entries: host, port and type appended, no share",
         {kOther, kNoProxies},
         {kOther, kNoProxies, kHost, kPort, kType}},
        {"type only on the last line: not looked at, a second one appended",
         {kOther, kOldType},
         {kOther, kOldType, kHost, kPort, kType}},
        {"host only on the last line: not looked at, host and port appended",
         {kOther, kOldHost},
         {kOther, kOldHost, kHost, kPort, kType}},
        {"host on the second-to-last line before another preference: port and share inserted, nothing lost",
         {kOther, kOldHost, kNoProxies},
         {kOther, kHost, kPort, kShare, kNoProxies, kType}},
        {"host on the second-to-last line before its port: share goes after the port",
         {kOldHost, kOldPort},
         {kHost, kPort, kShare, kType}},
        {"host followed by other preferences: they move down, none is overwritten",
         {kOldHost, kNoProxies, kOther, kOldType, kOther},
         {kHost, kPort, kShare, kNoProxies, kOther, kType, kOther}},
        {"host and port followed by another preference: only the share line is inserted",
         {kOldHost, kOldPort, kNoProxies, kOldShare, kOldType, kOther},
         {kHost, kPort, kShare, kNoProxies, kOldShare, kType, kOther}},
        {"a type entry before the host ends the scan: host and port appended",
         {kOldType, kOldHost, kOldPort, kOther},
         {kType, kOldHost, kOldPort, kOther, kHost, kPort}},
        {"the port entry alone does not count as a host entry",
         {kOldPort, kOther},
         {kOldPort, kOther, kHost, kPort, kType}},
        {"empty file", {}, {kHost, kPort, kType}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RewriteProxyLines(c.before, "10.0.0.1", "8080", 1), c.after);
    }
}

TEST(FirefoxPrefs, BytesComeBackWithCrLfAndOtherwiseUnchanged) {
    const std::string other =
        "user_pref(\"browser.download.dir\", \"C:\\\\T\xE9l\xE9"
        "chargements\");";
    const struct {
        const char* name;
        std::string before;
        std::string after;
    } cases[] = {
        {"empty file", "", kHost + "\r\n" + kPort + "\r\n" + kType + "\r\n"},
        {"LF line ends and 8-bit bytes",
         other + "\n" + kOldHost + "\n" + kOldPort + "\n" + kOldShare + "\n" + kOldType + "\n" + kOther + "\n",
         other + "\r\n" + kHost + "\r\n" + kPort + "\r\n" + kShare + "\r\n" + kType + "\r\n" + kOther + "\r\n"},
        {"lone CR line ends and no end on the last line", kOther + "\r" + kOther,
         kOther + "\r\n" + kOther + "\r\n" + kHost + "\r\n" + kPort + "\r\n" + kType + "\r\n"},
        {"a byte-order mark before a host entry on the first line stays",
         "\xEF\xBB\xBF" + kOldHost + "\r\n" + kOldPort + "\r\n" + kOldShare + "\r\n" + kOldType + "\r\n" + kOther,
         "\xEF\xBB\xBF" + kHost + "\r\n" + kPort + "\r\n" + kShare + "\r\n" + kType + "\r\n" + kOther + "\r\n"},
        {"a byte-order mark alone", "\xEF\xBB\xBF", "\xEF\xBB\xBF" + kHost + "\r\n" + kPort + "\r\n" + kType + "\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RewriteProxyContent(c.before, "10.0.0.1", "8080", 1), c.after);
    }
}

TEST(FirefoxPrefs, OnlyAManualProxyTypeIsTurnedOff) {
    Lines lines{kOldHost, kOldPort, kType, kOther, kType};
    EXPECT_TRUE(TurnManualProxyOff(lines));
    const std::string off = "user_pref(\"network.proxy.type\", 0);";
    EXPECT_EQ(lines, (Lines{kOldHost, kOldPort, off, kOther, off}));

    Lines automatic{kOldHost, kOldType, "user_pref(\"network.proxy.type\", 2);"};
    const Lines unchanged = automatic;
    EXPECT_FALSE(TurnManualProxyOff(automatic));
    EXPECT_EQ(automatic, unchanged);
}

TEST(UserFolder, IsTempUpToTheBackslashBeforeLocalSettingsTempExactly) {
    const struct {
        const char* temp;
        const char* folder;
    } cases[] = {
        {"C:\\DOCUME~1\\anna\\LOCALS~1\\Temp", "C:\\DOCUME~1\\anna\\"},
        {"C:\\DOCUME~1\\anna\\LOCALS~1\\Temp\\2\\LOCALS~1\\Temp", "C:\\DOCUME~1\\anna\\"},
        {"C:\\Users\\anna\\AppData\\Local\\Temp", ""},
        {"c:\\docume~1\\anna\\locals~1\\temp", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.temp);
        EXPECT_EQ(UserFolderFromTemp(c.temp), c.folder);
    }
}

TEST(UserFolder, ComesFromTheEnvironment) {
    fakes::FakeEnvironment environment;
    EXPECT_EQ(GetUserFolder(environment), "");
    environment.variables["TEMP"] = "D:\\DOCUME~1\\bob\\LOCALS~1\\Temp";
    EXPECT_EQ(GetUserFolder(environment), "D:\\DOCUME~1\\bob\\");
}

TEST(ProfileList, NamesThePreferencesFileOfTheProfileInUse) {
    const std::string folder = "C:\\F\\";
    const struct {
        const char* list;
        const char* prefs;
    } cases[] = {
        {"[General]\r\nStartWithLastProfile=1\r\n\r\n[Profile0]\r\nName=default\r\nIsRelative=1\r\n"
         "Path=Profiles/ab12cd34.default\r\n",
         "C:\\F\\Profiles\\ab12cd34.default\\prefs.js"},
        {"[Profile0]\nPath=Profiles/a/b\n", "C:\\F\\Profiles\\a/b\\prefs.js"},
        {"[Profile0]\r\nIsRelative=0\r\nPath=D:\\Firefox Profiles\\work\r\n", "D:\\Firefox Profiles\\work\\prefs.js"},
        {"[profile0]\r\npath = Profiles/x.default \r\n", "C:\\F\\Profiles\\x.default\\prefs.js"},
        {"[Profile1]\r\nPath=Profiles/other\r\n", ""},
        {"", ""},
        // The first install section that names a profile of the list, then the first profile marked as the default.
        {"[Install308046B0AF4A39CB]\r\nDefault=Profiles/n.default-release\r\nLocked=1\r\n[Profile1]\r\nIsRelative=1\r\n"
         "Path=Profiles/n.default-release\r\n[Profile0]\r\nPath=Profiles/o.default\r\nDefault=1\r\n",
         "C:\\F\\Profiles\\n.default-release\\prefs.js"},
        {"[Install1]\r\nDefault=d:\\ff\\WORK\r\n[Profile0]\r\nPath=a\r\n[Profile1]\r\nIsRelative=0\r\nPath=D:"
         "\\FF\\work\r\n",
         "D:\\FF\\work\\prefs.js"},
        {"[InstallA]\r\nDefault=Profiles/gone\r\n[InstallB]\r\nDefault=Profiles/b\r\n[InstallC]\r\nDefault=Profiles/"
         "a\r\n"
         "[Profile0]\r\nPath=Profiles/a\r\nDefault=1\r\n[Profile1]\r\nPath=Profiles/b\r\n",
         "C:\\F\\Profiles\\b\\prefs.js"},
        {"[Profile0]\r\nPath=a\r\n[Profile2]\r\nIsRelative=0\r\nPath=E:\\p\r\nDefault=1\r\n", "E:\\p\\prefs.js"},
        {"[Profile0]\r\nPath=Profiles/a\r\n[General]\r\nDefault=1\r\n[Profile1]\r\nDefault=1\r\n",
         "C:\\F\\Profiles\\a\\prefs.js"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list);
        EXPECT_EQ(PrefsPathFromProfileList(c.list, folder), c.prefs);
    }
}

struct PrefsPath : ::testing::Test {
    fakes::FakeApp app;
    const std::string xpFolder = "C:\\DOCUME~1\\anna\\Application Data\\Mozilla\\Firefox\\";
    const std::string appDataFolder = "C:\\Users\\anna\\AppData\\Roaming\\Mozilla\\Firefox\\";
    const char* const xpTemp = "C:\\DOCUME~1\\anna\\LOCALS~1\\Temp";
    const char* const appData = "C:\\Users\\anna\\AppData\\Roaming";

    void SetUp() override {
        app.environment.variables["APPDATA"] = appData;
        app.environment.variables["ProgramFiles"] = "C:\\Program Files";
        app.environment.variables["ProgramFiles(x86)"] = "C:\\Program Files (x86)";
    }
    void ProfileList(const std::string& folder, const std::string& path) {
        app.files.files[folder + "profiles.ini"] = "[Profile0]\r\nPath=" + path + "\r\n";
    }
    std::string Path() { return GetFirefoxPrefsPath(app.platform); }
};

TEST_F(PrefsPath, ApplicationDataFolderWhenTempHasNoXpLayout) {
    app.environment.variables["TEMP"] = "C:\\Users\\anna\\AppData\\Local\\Temp";
    ProfileList(appDataFolder, "Profiles/vista.default");
    for (const std::string& program :
         {std::string(tools::kFirefoxPath), std::string("C:\\Program Files (x86)\\Mozilla Firefox\\firefox.exe")}) {
        SCOPED_TRACE(program);
        app.files.files.erase(tools::kFirefoxPath);
        app.files.files[program] = "";
        EXPECT_EQ(Path(), appDataFolder + "Profiles\\vista.default\\prefs.js");
    }
}

TEST_F(PrefsPath, FirefoxIsLookedForInBothProgramFolders) {
    EXPECT_EQ(FindFirefoxProgram(app.platform), "");
    app.environment.variables["ProgramFiles"] = "D:\\Apps";
    app.files.files["C:\\Program Files (x86)\\Mozilla Firefox\\firefox.exe"] = "";
    EXPECT_EQ(FindFirefoxProgram(app.platform), "C:\\Program Files (x86)\\Mozilla Firefox\\firefox.exe");
    app.files.files["D:\\Apps\\Mozilla Firefox\\firefox.exe"] = "";
    EXPECT_EQ(FindFirefoxProgram(app.platform), "D:\\Apps\\Mozilla Firefox\\firefox.exe");
    app.files.files[tools::kFirefoxPath] = "";
    EXPECT_EQ(FindFirefoxProgram(app.platform), tools::kFirefoxPath);
}

TEST_F(PrefsPath, EmptyWithoutFirefoxOrWithoutAProfile) {
    app.environment.variables["TEMP"] = xpTemp;
    ProfileList(xpFolder, "Profiles/xp.default");
    EXPECT_EQ(Path(), "");
    app.files.files[tools::kFirefoxPath] = "";
    app.files.files[xpFolder + "profiles.ini"] = "[General]\r\nStartWithLastProfile=1\r\n";
    EXPECT_EQ(Path(), "");
}

TEST_F(PrefsPath, EachFormOfTheProfileListAndTheEnvironmentFindsWhatItsRowSays) {
    const std::string xpList = xpFolder + "profiles.ini";
    const std::string appDataList = appDataFolder + "profiles.ini";
    const std::string xpPrefs = xpFolder + "Profiles\\xp.default\\prefs.js";
    const std::string appDataPrefs = appDataFolder + "Profiles\\b.default\\prefs.js";
    const std::string fallback = "[Profile0]\r\nPath=Profiles/b.default\r\n";
    const std::string xpProfile = "[Profile0]\r\nPath=Profiles/xp.default\r\n";
    const struct {
        const char* form;
        std::optional<std::string> xpContent;  // nullopt: no list in the XP folder
        bool xpUnreadable;
        const char* temp;
        const char* appData;
        std::string expected;  // the preferences file found; empty: Firefox's proxy is left alone
    } rows[] = {
        {"the XP list", xpProfile, false, xpTemp, "", xpPrefs},
        // The XP rule comes first; an XP user folder without a profile list hands over to the application-data one.
        {"the XP list before APPDATA's", xpProfile, false, xpTemp, appData, xpPrefs},
        {"no XP list, APPDATA's", std::nullopt, false, xpTemp, appData, appDataPrefs},
        {"an XP list with a UTF-8 mark", "\xEF\xBB\xBF" + xpProfile, false, xpTemp, "", xpPrefs},
        {"an XP list in UTF-8 with a mark", "\xEF\xBB\xBF[Profile0]\r\nPath=Profiles/\xC3\xA9.default\r\n", false,
         xpTemp, "", xpFolder + "Profiles\\\xE9.default\\prefs.js"},
        {"no XP list, no APPDATA", std::nullopt, false, xpTemp, "", ""},
        {"an empty XP list, no APPDATA", "", false, xpTemp, "", ""},
        {"an XP list without Profile0", "[Profile1]\r\nPath=Profiles/xp.default\r\n", false, xpTemp, appData,
         appDataPrefs},
        {"an unreadable XP list", xpProfile, true, xpTemp, appData, appDataPrefs},
        {"no TEMP", xpProfile, false, "", appData, appDataPrefs},
        {"no TEMP, no APPDATA", xpProfile, false, "", "", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.form);
        fakes::FakeApp fresh;
        fresh.files.files[tools::kFirefoxPath] = "";
        fresh.files.files[appDataList] = fallback;
        if (row.xpContent) fresh.files.files[xpList] = *row.xpContent;
        if (row.xpUnreadable) fresh.files.unreadable.insert(xpList);
        if (*row.temp) fresh.environment.variables["TEMP"] = row.temp;
        if (*row.appData) fresh.environment.variables["APPDATA"] = row.appData;
        EXPECT_EQ(GetFirefoxPrefsPath(fresh.platform), row.expected);
        EXPECT_EQ(fresh.files.replaceCalls, 0);
    }
}

struct WriteFirefox : PrefsPath {
    std::string prefs;
    void SetUp() override {
        PrefsPath::SetUp();
        app.files.files[tools::kFirefoxPath] = "";
        app.environment.variables["TEMP"] = xpTemp;
        ProfileList(xpFolder, "Profiles/ab12cd34.default");
        prefs = xpFolder + "Profiles\\ab12cd34.default\\prefs.js";
    }
};

TEST_F(WriteFirefox, RewritesTheFileAsAWhole) {
    app.files.files[prefs] = kOther + "\n";
    WriteFirefoxProxy(app.platform, "10.0.0.1", "8080", 1);
    EXPECT_EQ(app.files.files[prefs], kOther + "\r\n" + kHost + "\r\n" + kPort + "\r\n" + kType + "\r\n");
    EXPECT_EQ(app.files.replaceCalls, 1);
}

TEST_F(WriteFirefox, AMissingPreferencesFileIsSkipped) {
    WriteFirefoxProxy(app.platform, "10.0.0.1", "8080", 1);
    SwitchFirefoxManualProxyOff(app.platform);
    EXPECT_EQ(app.files.files.count(prefs), 0u);
    EXPECT_EQ(app.files.replaceCalls, 0);
}

TEST_F(WriteFirefox, ReadAndWriteFailuresNameTheFileAndLeaveItAlone) {
    const std::string content = kOldHost + "\r\n" + kType + "\r\n" + kOther + "\r\n";
    app.files.files[prefs] = content;
    app.files.unreadable.insert(prefs);
    const auto write = [&] { WriteFirefoxProxy(app.platform, "10.0.0.1", "8080", 1); };
    const auto switchOff = [&] { SwitchFirefoxManualProxyOff(app.platform); };
    EXPECT_EQ(fakes::ErrorOf(write), "Cannot open file \"" + prefs + "\". Access is denied");
    EXPECT_EQ(fakes::ErrorOf(switchOff), "Cannot open file \"" + prefs + "\". Access is denied");
    app.files.unreadable.clear();
    app.files.readOnly.insert(prefs);
    EXPECT_EQ(fakes::ErrorOf(write), "Cannot create file \"" + prefs + "\". Access is denied");
    EXPECT_EQ(fakes::ErrorOf(switchOff), "Cannot create file \"" + prefs + "\". Access is denied");
    EXPECT_EQ(app.files.files[prefs], content);
}

TEST_F(WriteFirefox, SwitchingOffRewritesOnlyAManualProxy) {
    const std::string automatic = "\xEF\xBB\xBF" + kOldHost + "\n" + kOldType + "\n";
    app.files.files[prefs] = automatic;
    SwitchFirefoxManualProxyOff(app.platform);
    EXPECT_EQ(app.files.files[prefs], automatic);
    EXPECT_EQ(app.files.replaceCalls, 0);

    app.files.files[prefs] = "\xEF\xBB\xBF" + kHost + "\n" + kType + "\n";
    SwitchFirefoxManualProxyOff(app.platform);
    EXPECT_EQ(app.files.files[prefs], "\xEF\xBB\xBF" + kHost + "\r\nuser_pref(\"network.proxy.type\", 0);\r\n");
}

}  // namespace
}  // namespace zelta::proxy
