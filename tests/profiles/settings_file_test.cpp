// The settings file's reading rules, its write placement and its whole-file replacement.
#include <gtest/gtest.h>

#include <climits>

#include "app/model/ZeltaError.h"
#include "profiles/SettingsFile.h"
#include "tests/fakes/Fakes.h"

namespace zelta::profiles {
namespace {

const char kPath[] = "C:\\Tools\\Zelta\\Zelta.ini";

struct SettingsFileTest : ::testing::Test {
    fakes::FakeFileSystem files;
    fakes::FakeCodePages codePages;
    SettingsFile settings{files, codePages, kPath};
    void Store(const std::string& content) { files.files[kPath] = content; }
    const std::string& Stored() { return files.files.at(kPath); }
};

TEST(SettingsLines, EveryLineEndingEndsALineAndSavingWritesCrLf) {
    EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(SplitLines("a\n\rb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_TRUE(SplitLines("").empty());
    EXPECT_EQ(JoinLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
}

TEST(SettingsNumbers, FollowTheIntegerRule) {
    struct Case {
        const char* text;
        int expected;
    };
    const Case cases[] = {
        {"0x1", 1},    {"0X1f", 31}, {"$10", 16},  {"-1", -1},  {"+5", 5}, {" 7", 7},         {"12", 12},
        {"yes", 99},   {"3abc", 99}, {"", 99},     {"0x", 99},  {"$", 99}, {"7 ", 99},        {"- 1", 99},
        {"1.5", 99},   {"--1", 99},  {"0xg", 99},  {"3000000000", 99},     {"-2147483648", INT_MIN},
    };
    for (const Case& c : cases) EXPECT_EQ(NumberFromText(c.text, 99), c.expected) << '"' << c.text << '"';
}

TEST(SettingsFlags, NonZeroIsOnZeroIsOffAnythingElseTheDefault) {
    EXPECT_TRUE(FlagFromText("0x1", false));
    EXPECT_TRUE(FlagFromText("2", false));
    EXPECT_TRUE(FlagFromText("-1", false));
    EXPECT_FALSE(FlagFromText("0", true));
    EXPECT_FALSE(FlagFromText("yes", false));
    EXPECT_TRUE(FlagFromText("yes", true));
    EXPECT_FALSE(FlagFromText("", false));
}

TEST_F(SettingsFileTest, MissingFileSectionOrKeyReadsTheDefault) {
    EXPECT_EQ(settings.ReadText("Zelta Settings", "last_pai"), "");
    EXPECT_EQ(settings.ReadNumber("Zelta Settings", "last_pai", 0), 0);
    Store("[Zelta Settings]\r\n#_profiles=2\r\n");
    EXPECT_EQ(settings.ReadNumber("Zelta Settings", "last_pai", 7), 7);
    EXPECT_EQ(settings.ReadNumber("Profile1", "#_profiles", 7), 7);
    EXPECT_FALSE(settings.ReadFlag("Profile1", "use_proxy"));
    EXPECT_EQ(settings.ReadNumber("Zelta Settings", "#_profiles", 0), 2);
    files.unreadable.insert(kPath);
    EXPECT_EQ(settings.ReadNumber("Zelta Settings", "#_profiles", 0), 0);
}

TEST_F(SettingsFileTest, NamesMatchWithoutLetterCaseAndBlanksAroundTheEqualsAreIgnored) {
    Store("[zelta settings]\r\n  #_PROFILES = 3 \r\n[Profile1]\r\nprofile_name= \"A - B\"\r\nuse_ip=DHCP\r\n");
    EXPECT_EQ(settings.ReadNumber("Zelta Settings", "#_profiles", 0), 3);
    EXPECT_EQ(settings.ReadText("PROFILE1", "Profile_Name"), "\"A - B\"");
    EXPECT_EQ(settings.ReadText("Profile1", "use_ip"), "DHCP");
}

TEST_F(SettingsFileTest, TheFirstMatchingSectionAndKeyWin) {
    Store("[P]\r\nk=1\r\nk=2\r\n[P]\r\nk=3\r\nj=4\r\n");
    EXPECT_EQ(settings.ReadText("P", "k"), "1");
    EXPECT_EQ(settings.ReadText("P", "j"), "");
}

TEST_F(SettingsFileTest, HandEditedLinesReadAsTheSystemsOwnReaderReadsThem) {
    Store("[a]b]\r\nk=1\r\n[c=2\r\nhidden\r\nHidden=3\r\n=4\r\n[d] tail\r\nk=5\r\n");
    const struct {
        const char* section;
        const char* key;
        const char* expected;
    } cases[] = {
        {"a]b", "k", "1"},       // the name runs to the line's last "]"
        {"a", "k", "<none>"},
        {"a]b", "[c", "2"},      // an unclosed bracket is no header but a key line
        {"a]b", "hidden", "<none>"},  // a line without "=" names a key without a value, and hides the later one
        {"d", "k", "5"},         // text after the "]" is ignored
    };
    for (const auto& c : cases) {
        EXPECT_EQ(settings.Read().ReadText(c.section, c.key, "<none>"), c.expected) << c.section << " " << c.key;
    }
    // A write to a key without a value gives it one in its place.
    settings.WriteText("a]b", "hidden", "6");
    EXPECT_EQ(SplitLines(Stored())[3], "hidden=6");
}

TEST_F(SettingsFileTest, LongValuesAreCutAt2047Characters) {
    Store("[P]\r\nk=" + std::string(2047, 'a') + "b\r\n");
    EXPECT_EQ(settings.ReadText("P", "k"), std::string(2047, 'a'));
    Store("[P]\r\nk=" + std::string(2047, 'a') + "\r\n");
    EXPECT_EQ(settings.ReadText("P", "k"), std::string(2047, 'a'));
}

TEST_F(SettingsFileTest, WritesFollowTheFourPlacementRules) {
    settings.WriteNumber("Zelta Settings", "#_profiles", 1);  // no file: header and key
    EXPECT_EQ(Stored(), "[Zelta Settings]\r\n#_profiles=1\r\n");
    settings.WriteText("Profile1", "IP", "1.2.3.4");  // new section at the end
    settings.WriteText("Profile1", "SM", "255.0.0.0");
    EXPECT_EQ(Stored(), "[Zelta Settings]\r\n#_profiles=1\r\n[Profile1]\r\nIP=1.2.3.4\r\nSM=255.0.0.0\r\n");
    settings.WriteNumber("Zelta Settings", "last_pai", 1);  // new key after the section's last line
    settings.WriteNumber("zelta settings", "#_PROFILES", 2);  // present key replaced in place
    settings.WriteFlag("Profile1", "use_proxy", true);
    EXPECT_EQ(Stored(),
              "[Zelta Settings]\r\n#_PROFILES=2\r\nlast_pai=1\r\n[Profile1]\r\nIP=1.2.3.4\r\nSM=255.0.0.0\r\n"
              "use_proxy=1\r\n");
}

TEST_F(SettingsFileTest, ANewKeyGoesBeforeBlankLinesThatSeparateSections) {
    Store("[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
    settings.WriteText("A", "z", "3");
    EXPECT_EQ(Stored(), "[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\n");
}

TEST_F(SettingsFileTest, AnEditLandsAsOneReplacement) {
    Store("[Zelta Settings]\r\n#_profiles=0\r\n");
    {
        SettingsFile::Edit edit = settings.BeginEdit();
        edit.WriteNumber("Zelta Settings", "#_profiles", 1);
        edit.WriteText("Profile1", "IP", "0.0.0.0");
        EXPECT_EQ(files.replaceCalls, 0);
        edit.Commit();
    }
    EXPECT_EQ(files.replaceCalls, 1);
    EXPECT_EQ(Stored(), "[Zelta Settings]\r\n#_profiles=1\r\n[Profile1]\r\nIP=0.0.0.0\r\n");
    {
        SettingsFile::Edit dropped = settings.BeginEdit();
        dropped.WriteText("Profile1", "IP", "9.9.9.9");
    }
    EXPECT_EQ(files.replaceCalls, 1);
    EXPECT_EQ(settings.ReadText("Profile1", "IP"), "0.0.0.0");
}

TEST_F(SettingsFileTest, AFailedWriteReportsThePathAndLeavesTheFile) {
    const std::string before = "[Zelta Settings]\r\n#_profiles=0\r\n";
    Store(before);
    files.readOnly.insert(kPath);
    EXPECT_EQ(fakes::ErrorOf([&] { settings.WriteNumber("Zelta Settings", "#_profiles", 1); }),
              "Unable to write to C:\\Tools\\Zelta\\Zelta.ini");
    EXPECT_EQ(Stored(), before);
}

TEST_F(SettingsFileTest, AnUnreadableFileIsNeverReplacedByAWrite) {
    Store("[Zelta Settings]\r\n#_profiles=4\r\n");
    files.unreadable.insert(kPath);
    EXPECT_THROW(settings.WriteNumber("Zelta Settings", "last_pai", 1), ZeltaError);
    EXPECT_EQ(files.replaceCalls, 0);
    EXPECT_EQ(Stored(), "[Zelta Settings]\r\n#_profiles=4\r\n");
}

TEST_F(SettingsFileTest, LinesLoadAndSaveWithTheirOwnErrors) {
    EXPECT_EQ(fakes::ErrorOf([&] { settings.LoadLines(); }),
              "Cannot open file \"C:\\Tools\\Zelta\\Zelta.ini\". The system cannot find the file specified");
    Store("a\rb\nc\r\n");
    EXPECT_EQ(settings.LoadLines(), (std::vector<std::string>{"a", "b", "c"}));
    settings.SaveLines({"x", "y"});
    EXPECT_EQ(Stored(), "x\r\ny\r\n");
    files.readOnly.insert(kPath);
    EXPECT_EQ(fakes::ErrorOf([&] { settings.SaveLines({"z"}); }),
              "Cannot create file \"C:\\Tools\\Zelta\\Zelta.ini\". Access is denied");
    EXPECT_EQ(Stored(), "x\r\ny\r\n");
}

TEST(SettingsFilePlace, IsNamedAfterTheExecutable) {
    fakes::FakeApp app;
    EXPECT_EQ(SettingsFile(app.platform).Path(), kPath);
    app.environment.executablePath = "D:\\v1.2\\Tool";
    EXPECT_EQ(SettingsFile(app.platform).Path(), "D:\\v1.2\\Tool.ini");
}

}  // namespace
}  // namespace zelta::profiles
