// The profile fields' keys, the profile_name split, the applied-profile record, and the line-based removal of a
// profile block.
#include <gtest/gtest.h>

#include "app/model/ZeltaError.h"
#include "profiles/NetworkProfile.h"
#include "profiles/ProfileDeletion.h"
#include "tests/fakes/Fakes.h"

namespace zelta::profiles {
namespace {

// Each field is stored under the file's own key, in the file's order, from its own member, and reads back.
TEST(ProfileFields, EveryFieldIsWrittenUnderTheFilesKeyAndReadBack) {
    const char* const fileKeys[] = {"profile_name",   "IP",         "SM",     "GW",      "DNS1",      "DNS2",
                                    "proxy_IP",       "proxy_port", "use_ip", "use_dns", "use_proxy", "kill_browsers",
                                    "profile_applied"};
    ASSERT_EQ(std::size(fileKeys), kProfileFields.size());
    NetworkProfile written;
    std::vector<std::string> values, lines = {"[Profile3]"};
    for (std::size_t i = 0; i < kProfileFields.size(); ++i) {
        values.push_back("v" + std::to_string(i));
        FieldValue(written, kProfileFields[i]) = values.back();
        lines.push_back(fileKeys[i] + ("=" + values.back()));
    }
    const NetworkProfile& w = written;
    EXPECT_EQ(values,
              (std::vector<std::string>{w.profileName, w.ip, w.sm, w.gw, w.dns[0], w.dns[1], w.proxyIp, w.proxyPort,
                                        w.useIp, w.useDns, w.useProxy, w.killBrowsers, w.profileApplied}));
    SettingsDocument document;
    WriteNetworkProfile(document, 3, written);
    EXPECT_EQ(document.Lines(), lines);
    const NetworkProfile read = ReadNetworkProfile(document, 3);
    for (const ProfileField& field : kProfileFields) EXPECT_EQ(FieldValue(read, field), FieldValue(w, field));
}

TEST(ProfileName, SplitsAtTheFirstHyphenBlank) {
    struct Case {
        const char* stored;
        const char* name;
        const char* adapter;
    };
    const Case cases[] = {
        {"Office - Local Area Connection", "Office", "Local Area Connection"},
        {"Home - 2 - LAN", "Home", "2 - LAN"},
        {"A - B - LAN", "A", "B - LAN"},
        {"-LAN", "", "LAN"},
        {"LAN", "", "AN"},
        {"", "", ""},
        {"- LAN", "", "LAN"},
        {" - LAN", "", "LAN"},
        {"Net-1 - LAN", "Net-1", "LAN"},
    };
    for (const Case& c : cases) {
        const ProfileNameParts parts = SplitProfileName(c.stored);
        EXPECT_EQ(parts.name, c.name) << c.stored;
        EXPECT_EQ(parts.adapter, c.adapter) << c.stored;
    }
}

TEST(ProfileName, OnlyNamesThatSplitBackAreAccepted) {
    EXPECT_TRUE(SurvivesSplit("Office", "Local Area Connection"));
    EXPECT_TRUE(SurvivesSplit("Net-1", "LAN"));
    EXPECT_TRUE(SurvivesSplit("Home", "Adapter - 2"));
    EXPECT_TRUE(SurvivesSplit("", "LAN"));
    EXPECT_FALSE(SurvivesSplit("A - B", "LAN"));
    EXPECT_FALSE(SurvivesSplit("A- B", "LAN"));
    EXPECT_FALSE(SurvivesSplit("Net-", "LAN"));
}

struct AppliedRecord : ::testing::Test {
    fakes::FakeFileSystem files;
    fakes::FakeCodePages codePages;
    SettingsFile settings{files, codePages, "C:\\Z.ini"};
    void Store(const std::vector<std::string>& lines) { files.files["C:\\Z.ini"] = JoinLines(lines); }
    std::vector<std::string> Lines() { return SplitLines(files.files.at("C:\\Z.ini")); }
};

TEST_F(AppliedRecord, FirstActivationAddsLastPaiAsLineThreeAndMarksOnlyTheNewProfile) {
    Store({"[Zelta Settings]", "#_profiles=2", "[Profile1]", "profile_applied=0", "[Profile2]", "profile_applied=0"});
    RecordAppliedProfile(settings, 2, 0);
    EXPECT_EQ(files.replaceCalls, 1);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"[Zelta Settings]", "#_profiles=2", "last_pai=2", "[Profile1]",
                                                 "profile_applied=0", "[Profile2]", "profile_applied=1"}));
}

TEST_F(AppliedRecord, MovesTheMarkAndKeepsItWhenTheSameProfileIsAppliedAgain) {
    Store({"[Zelta Settings]", "#_profiles=2", "last_pai=1", "[Profile1]", "profile_applied=1", "[Profile2]",
           "profile_applied=0"});
    RecordAppliedProfile(settings, 2, 1);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"[Zelta Settings]", "#_profiles=2", "last_pai=2", "[Profile1]",
                                                 "profile_applied=0", "[Profile2]", "profile_applied=1"}));
    RecordAppliedProfile(settings, 2, 2);
    EXPECT_EQ(settings.ReadText("Profile2", "profile_applied"), "1");
    EXPECT_EQ(Lines().size(), 7u);
}

TEST_F(AppliedRecord, NeverCreatesASectionThatNamesNoProfile) {
    Store({"[Zelta Settings]", "#_profiles=1", "last_pai=5", "[Profile1]", "profile_applied=0"});
    RecordAppliedProfile(settings, 3, 5);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"[Zelta Settings]", "#_profiles=1", "last_pai=3", "[Profile1]",
                                                 "profile_applied=0"}));
}

TEST_F(AppliedRecord, AFailedRecordLeavesTheFile) {
    Store({"[Zelta Settings]", "#_profiles=1", "[Profile1]", "profile_applied=0"});
    files.readOnly.insert("C:\\Z.ini");
    EXPECT_THROW(RecordAppliedProfile(settings, 1, 0), ZeltaError);
    EXPECT_EQ(Lines().size(), 4u);
}

// A file of count profiles, each block 14 lines whose profile_name names the profile by its original number.
std::vector<std::string> FileWithProfiles(int count, int lastApplied) {
    std::vector<std::string> lines = {"[Zelta Settings]", "#_profiles=" + std::to_string(count)};
    if (lastApplied > 0) lines.push_back("last_pai=" + std::to_string(lastApplied));
    for (int n = 1; n <= count; ++n) {
        lines.push_back("[Profile" + std::to_string(n) + "]");
        lines.push_back("profile_name=P" + std::to_string(n) + " - LAN");
        for (int key = 0; key < 11; ++key) lines.push_back("k" + std::to_string(key) + "=v");
        lines.push_back(std::string("profile_applied=") + (n == lastApplied ? "1" : "0"));
    }
    return lines;
}

TEST(ProfileBlockRemoval, RemovesTheBlockRenumbersLaterHeadersAndKeepsLastPaiOnItsProfile) {
    struct Case {
        int count;
        int deleted;
        int lastApplied;
        int lastAppliedAfter;
    };
    const Case cases[] = {{4, 2, 3, 2}, {4, 2, 1, 1}, {4, 2, 2, 0}, {4, 4, 4, 0}, {1, 1, 1, 0}, {3, 1, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE("delete " + std::to_string(c.deleted) + " of " + std::to_string(c.count));
        std::vector<std::string> lines = FileWithProfiles(c.count, c.lastApplied);
        const std::size_t before = lines.size();
        ASSERT_TRUE(RemoveProfileBlock(lines, c.deleted));
        ASSERT_EQ(lines.size(), before - 14);
        EXPECT_EQ(lines[1], "#_profiles=" + std::to_string(c.count - 1));
        const SettingsDocument after(lines);
        EXPECT_EQ(after.ReadNumber("Zelta Settings", "last_pai", 0), c.lastAppliedAfter);
        const std::size_t first = c.lastApplied > 0 ? 3 : 2;
        for (int n = 1; n < c.count; ++n) {
            const std::size_t header = first + 14 * static_cast<std::size_t>(n - 1);
            const int original = n < c.deleted ? n : n + 1;
            EXPECT_EQ(lines[header], "[Profile" + std::to_string(n) + "]");
            EXPECT_EQ(lines[header + 1], "profile_name=P" + std::to_string(original) + " - LAN");
        }
        if (c.lastAppliedAfter > 0) {
            EXPECT_EQ(after.ReadText("Profile" + std::to_string(c.lastAppliedAfter), "profile_applied", ""), "1");
        }
    }
}

TEST(ProfileBlockRemoval, DeletingTheOnlyProfileLeavesTheSettingsSection) {
    std::vector<std::string> lines = FileWithProfiles(1, 0);
    ASSERT_TRUE(RemoveProfileBlock(lines, 1));
    EXPECT_EQ(lines, (std::vector<std::string>{"[Zelta Settings]", "#_profiles=0"}));
}

TEST(ProfileBlockRemoval, NoHeaderLeavesTheLinesAlone) {
    std::vector<std::string> lines = FileWithProfiles(2, 0);
    lines[16] = "[profile2]";  // the header match is exact
    const std::vector<std::string> before = lines;
    EXPECT_FALSE(RemoveProfileBlock(lines, 2));
    EXPECT_FALSE(RemoveProfileBlock(lines, 3));
    EXPECT_EQ(lines, before);
}

TEST(ProfileBlockRemoval, LineTwoMustHoldAnInteger) {
    std::vector<std::string> lines = FileWithProfiles(2, 0);
    lines[1] = "#_profiles=two";
    EXPECT_EQ(fakes::ErrorOf([&] { RemoveProfileBlock(lines, 1); }), "'two' is not a valid integer value");
    std::vector<std::string> oneLine = {"[Zelta Settings]"};
    EXPECT_THROW(RemoveProfileBlock(oneLine, 1), ZeltaError);
}

}  // namespace
}  // namespace zelta::profiles
