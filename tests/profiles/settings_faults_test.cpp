// Hostile and broken settings files over the fake system: what start-up lists, what a save and a deletion do
// then, and that the file is never lost. Each row of a table states its expected outcome.
#include <gtest/gtest.h>

#include <optional>

#include "app/model/ZeltaError.h"
#include "apply/ActivationFlow.h"
#include "profiles/NetworkProfile.h"
#include "profiles/ProfileList.h"
#include "profiles/SettingsDocument.h"
#include "tests/fakes/HandlerTest.h"
#include "tests/fakes/SettingsText.h"

namespace zelta::profiles {
namespace {

using fakes::kIni;
const std::string kMark = "\xEF\xBB\xBF";

fakes::StoredProfile Named(const std::string& name) {
    fakes::StoredProfile p(name, "10.0.0.1");
    p.useDns = "dhcp";
    return p.Net("255.0.0.0", "10.0.0.254", "10.0.0.2", "0.0.0.0");
}
std::string BlockOf(int number, const std::string& name, const std::string& eol = "\r\n") {
    return fakes::ProfileBlock(number, Named(name), eol);
}

// count blocks named "P<n> - LAN", under a settings section whose count line reads countText.
std::string FileOf(int count, const std::string& countText, const std::string& eol = "\r\n") {
    std::vector<fakes::StoredProfile> profiles;
    for (int n = 1; n <= count; ++n) profiles.push_back(Named("P" + std::to_string(n) + " - LAN"));
    return fakes::SettingsText(profiles, "", eol, countText);
}
std::string TwoProfiles() { return FileOf(2, "2"); }

enum class Fault { None, ReadOnly, Unreadable, DiskFull };

// A fresh program model over the fake system, one per row.
struct Harness : fakes::Handlers {
    void Start(const std::optional<std::string>& content, Fault fault = Fault::None) {
        SetFault(fault);
        Handlers::Start(content);
    }
    void SetFault(Fault fault) {
        app.files.readOnly.clear();
        app.files.unreadable.clear();
        app.files.diskFull.clear();
        if (fault == Fault::ReadOnly) app.files.readOnly.insert(kIni);
        if (fault == Fault::Unreadable) app.files.unreadable.insert(kIni);
        if (fault == Fault::DiskFull) app.files.diskFull.insert(kIni);
    }
    std::optional<std::string> File() {
        const auto it = app.files.files.find(kIni);
        return it == app.files.files.end() ? std::nullopt : std::optional<std::string>(it->second);
    }
    // The error text of a save of a new profile named name on the adapter LAN, empty when it went through.
    std::string SaveNew(const std::string& name) {
        f.LE_NewProfile.SetText(name);
        f.LE_NIC.SetText("LAN");
        return fakes::ErrorOf([&] { f.Button_Save.Click(); });
    }
    std::string Caption(int index) { return f.XPBar_Profiles.Item(index).caption; }
    // The profile entries: after "Exit", the web site and two separators.
    int TrayProfiles() { return app.main.trayMenu.Count() - 4; }
};

const char kUnableToWrite[] = "Unable to write to C:\\Tools\\Zelta\\Zelta.ini";
const char kUnwritableText[] =
    "Unable to write to C:\\Tools\\Zelta\\Zelta.ini. The file holds characters that the ANSI code page lacks";
const char kLimitNotice[] = "Max number of profiles = 20 !";

struct StartAndSaveRow {
    const char* form;
    std::optional<std::string> content;  // nullopt: no file
    Fault fault;
    int listed;                // items in the list and profile entries in the tray after start-up
    std::string firstCaption;  // of the first item, when there is one
    std::string saveError;     // the error a save of a new profile ends with; empty: it goes through
    std::string saveNotice;    // the notice a refused save shows instead
};

std::vector<StartAndSaveRow> StartAndSaveRows() {
    std::string overlong = TwoProfiles();
    overlong.replace(overlong.find("P1 - LAN"), 8, std::string(5000, 'x'));
    std::string longLine = TwoProfiles();
    longLine.insert(longLine.find("[Profile1]"), std::string(100000, 'y') + "\r\n");
    std::string mixed =
        "[Zelta Settings]\n#_profiles=2\r" + BlockOf(1, "P1 - LAN", "\r\n") + BlockOf(2, "P2 - LAN", "\n");
    mixed.pop_back();  // no line end after the last line
    const std::string duplicateSection = TwoProfiles() + BlockOf(1, "Second copy - LAN");
    std::string duplicateKey = TwoProfiles();
    duplicateKey.insert(duplicateKey.find("IP=10"), "profile_name=Second key - LAN\r\n");
    const std::string outOfLayout = "\r\n[ zelta settings ]\r\n  #_PROFILES = 2 \r\n\r\n" + BlockOf(2, "P2 - LAN") +
                                    "\r\n[ profile1 ]\r\n\tProfile_Name =  P1 - LAN \t\r\nIP=10.0.0.1\r\n";
    std::string notAnsi = TwoProfiles();
    notAnsi.replace(notAnsi.find("P1 - LAN"), 8, "P1 \xE2\x82\xAC - LAN");  // the euro sign: no Latin-1 form
    std::string notUtf8 = TwoProfiles();
    notUtf8.replace(notUtf8.find("P1 - LAN"), 8, "P1 \xFF - LAN");
    std::string utf16 = "\xFF\xFE";
    for (const char c : std::string("[Zelta Settings]\r\n#_profiles=2\r\n")) utf16 += std::string(1, c) + '\0';

    return {
        {"no file", std::nullopt, Fault::None, 0, "", "", ""},
        {"an empty file", "", Fault::None, 0, "", "", ""},
        {"LF line ends", FileOf(2, "2", "\n"), Fault::None, 2, "P1 - LAN", "", ""},
        {"CR line ends", FileOf(2, "2", "\r"), Fault::None, 2, "P1 - LAN", "", ""},
        {"mixed line ends, the last line unended", mixed, Fault::None, 2, "P1 - LAN", "", ""},
        {"a UTF-8 byte-order mark", kMark + TwoProfiles(), Fault::None, 2, "P1 - LAN", "", ""},
        {"only a byte-order mark", kMark, Fault::None, 0, "", "", ""},
        {"a value of 5000 characters, read cut", overlong, Fault::None, 2, std::string(2047, 'x'), "", ""},
        {"a line of 100000 characters", longLine, Fault::None, 2, "P1 - LAN", "", ""},
        {"a count that is not a number", FileOf(2, "two"), Fault::None, 0, "", "", ""},
        {"a count with text after it", FileOf(2, "2x"), Fault::None, 0, "", "", ""},
        {"a hexadecimal count", FileOf(2, "0x2"), Fault::None, 2, "P1 - LAN", "", ""},
        {"a negative count", FileOf(2, "-3"), Fault::None, 0, "", "", ""},
        {"a count past every integer", FileOf(2, "99999999999"), Fault::None, 0, "", "", ""},
        {"a count of 100000", FileOf(2, "100000"), Fault::None, 20, "P1 - LAN", "", kLimitNotice},
        {"a count of 21", FileOf(2, "21"), Fault::None, 20, "P1 - LAN", "", kLimitNotice},
        {"a duplicated section: the first wins", duplicateSection, Fault::None, 2, "P1 - LAN", "", ""},
        {"a duplicated key: the first wins", duplicateKey, Fault::None, 2, "P1 - LAN", "", ""},
        {"blocks out of layout, blanks and letter case", outOfLayout, Fault::None, 2, "P1 - LAN", "", ""},
        {"a read-only file", TwoProfiles(), Fault::ReadOnly, 2, "P1 - LAN", kUnableToWrite, ""},
        {"an unreadable (locked) file", TwoProfiles(), Fault::Unreadable, 0, "", kUnableToWrite, ""},
        {"a full disk", TwoProfiles(), Fault::DiskFull, 2, "P1 - LAN", kUnableToWrite, ""},
        {"UTF-8 with a character ANSI lacks", kMark + notAnsi, Fault::None, 2, "P1 ? - LAN", kUnwritableText, ""},
        {"a byte-order mark before bytes that are no UTF-8", kMark + notUtf8, Fault::None, 2, "P1 ? - LAN",
         kUnwritableText, ""},
        {"a UTF-16 file", utf16, Fault::None, 0, "", kUnwritableText, ""},
    };
}

TEST(SettingsFaults, EachHostileFileStartsListsAndSavesAsItsRowSays) {
    for (const StartAndSaveRow& row : StartAndSaveRows()) {
        SCOPED_TRACE(row.form);
        Harness h;
        h.Start(row.content, row.fault);
        EXPECT_EQ(h.TrayProfiles(), row.listed);
        EXPECT_EQ(h.f.XPBar_Profiles.Count(), row.listed);
        if (h.f.XPBar_Profiles.Count() != row.listed) continue;
        if (row.listed > 0) {
            EXPECT_EQ(h.Caption(0), row.firstCaption);
        }

        const auto before = h.File();
        const std::string error = h.SaveNew("New");
        EXPECT_EQ(error, row.saveError);
        if (!row.saveError.empty() || !row.saveNotice.empty()) {
            // Refused: the file, the list and the tray as they were.
            EXPECT_EQ(h.File(), before);
            EXPECT_EQ(h.f.XPBar_Profiles.Count(), row.listed);
            EXPECT_EQ(h.TrayProfiles(), row.listed);
            if (!row.saveNotice.empty()) {
                EXPECT_EQ(h.app.notifier.Messages().back(), row.saveNotice);
            }
            // Still usable: a stored profile loads into the editor, and once a fault of the disk is gone a save
            // goes through.
            if (row.listed > 0) {
                h.f.XPBar_Profiles.ClickItem(0);
                EXPECT_EQ(h.f.LE_ProfileID.Text(), "       1");
            }
            if (row.fault != Fault::None) {
                h.SetFault(Fault::None);
                EXPECT_EQ(h.SaveNew("Later"), "");
                EXPECT_EQ(h.f.XPBar_Profiles.Count(), row.listed + 1);
            }
            continue;
        }
        // Saved: the new profile follows the listed ones, the count says so, and the list and tray grew.
        if (!h.File()) {
            ADD_FAILURE() << "no file after the save";
            continue;
        }
        const int number = row.listed + 1;
        const std::string text = h.File().value_or("");
        EXPECT_NE(text.find("\r\n[Profile" + std::to_string(number) + "]\r\nprofile_name=New - LAN\r\n"),
                  std::string::npos);
        EXPECT_NE(text.find("\r\n#_profiles=" + std::to_string(number) + "\r\n"), std::string::npos);
        EXPECT_EQ(h.f.XPBar_Profiles.Count(), number);
        EXPECT_EQ(h.TrayProfiles(), number);
        // A file that came with the mark keeps it; no other file gets one.
        EXPECT_EQ(h.File()->compare(0, 3, kMark) == 0, row.content && row.content->compare(0, 3, kMark) == 0);
    }
}

// What a UTF-8 editor makes of the two-profile file: the mark, and "\xE9" as two bytes.
std::string AsUtf8WithMark(std::string ansi) {
    fakes::FakeCodePages codePages;
    return kMark + codePages.AnsiTextToUtf8(ansi);
}

TEST(SettingsFaults, AFileWithAUtf8MarkIsListedAndWrittenBackInUtf8ByteForByte) {
    std::string ansi = TwoProfiles();
    ansi.replace(ansi.find("P1 - LAN"), 8, "Caf\xE9 - LAN");
    Harness h;
    h.Start(AsUtf8WithMark(ansi));
    ASSERT_EQ(h.f.XPBar_Profiles.Count(), 2);
    EXPECT_EQ(h.Caption(0), "Caf\xE9 - LAN");

    // A new profile: one settings section, profile 1 untouched, the new block at the end, all of it UTF-8.
    EXPECT_EQ(h.SaveNew("Gar\xE7on"), "");
    std::string expected = ansi;
    expected.replace(expected.find("#_profiles=2"), 12, "#_profiles=3");
    // The editor as start-up leaves it: every address 0.0.0.0, both parts set by hand.
    expected += fakes::ProfileBlock(
        3, fakes::StoredProfile("Gar\xE7on - LAN", "0.0.0.0").Net("0.0.0.0", "0.0.0.0", "0.0.0.0", "0.0.0.0"));
    EXPECT_EQ(h.File(), AsUtf8WithMark(expected));

    // The applied record, and a deletion, keep the encoding too.
    SettingsFile settings(h.app.platform);
    RecordAppliedProfile(settings, 1, 0);
    EXPECT_NE(h.File()->find("\r\n#_profiles=3\r\nlast_pai=1\r\n"), std::string::npos);
    EXPECT_EQ(h.File()->compare(0, 3, kMark), 0);
    h.f.XPBar_Profiles.ClickItem(1);
    h.f.Button_Delete.Click();
    const std::string afterDeletion = *h.File();
    ASSERT_EQ(afterDeletion.compare(0, 3, kMark), 0);
    EXPECT_EQ(SplitLines(afterDeletion.substr(3))[1], "#_profiles=2");
    EXPECT_NE(afterDeletion.find("profile_name=Gar\xC3\xA7on - LAN"), std::string::npos);
    EXPECT_EQ(afterDeletion.find("P2 - LAN"), std::string::npos);
}

TEST(SettingsFaults, AFileWhoseUtf8AnsiCannotHoldIsNeverWritten) {
    std::string content = TwoProfiles();
    content.replace(content.find("P2 - LAN"), 8, "\xE2\x82\xAC - LAN");
    content = kMark + content;
    Harness h;
    h.Start(content);
    SettingsFile settings(h.app.platform);
    EXPECT_THROW(RecordAppliedProfile(settings, 1, 0), ZeltaError);
    h.f.XPBar_Profiles.ClickItem(0);
    EXPECT_EQ(fakes::ErrorOf([&] { h.f.Button_Delete.Click(); }),
              "Cannot create file \"C:\\Tools\\Zelta\\Zelta.ini\". "
              "The file holds characters that the ANSI code page lacks");
    EXPECT_EQ(h.File(), content);
    EXPECT_EQ(h.app.files.replaceCalls, 0);
    EXPECT_EQ(h.f.XPBar_Profiles.Count(), 2);
}

TEST(SettingsFaults, AHandEditedCountIsReadAsAtMostTwentyByEveryReader) {
    Harness h;
    h.Start(FileOf(2, "100000"));
    EXPECT_EQ(h.f.XPBar_Profiles.Count(), 20);
    EXPECT_EQ(h.f.StatusBar1.PanelText(0), "Used / Max Profiles: 20 / 20");
    EXPECT_EQ(h.app.main.trayMenu.Number(23), 20);  // after the four fixed entries

    // Activation: a number past 20 names no profile, and the applied record creates no section past 20.
    const std::string before = *h.File();
    apply::ActivateProfile(h.app.main, "ghost", 21);
    EXPECT_EQ(h.app.notifier.Messages().back(), apply::kNoSuchProfileNotice);
    EXPECT_EQ(h.File(), before);
    EXPECT_TRUE(h.app.launcher.launches.empty());
    SettingsFile settings(h.app.platform);
    RecordAppliedProfile(settings, 25, 0);
    EXPECT_EQ(h.File()->find("[Profile25]"), std::string::npos);

    // Deletion counts from the 20 the list held.
    h.f.XPBar_Profiles.ClickItem(0);
    h.f.Button_Delete.Click();
    EXPECT_EQ(SplitLines(*h.File())[1], "#_profiles=19");
    EXPECT_EQ(h.f.XPBar_Profiles.Count(), 19);

    Harness negative;
    negative.Start(FileOf(2, "-5"));
    EXPECT_EQ(negative.f.XPBar_Profiles.Count(), 0);
    EXPECT_EQ(ClampProfileCount(-1), 0);
    EXPECT_EQ(ClampProfileCount(20), 20);
    EXPECT_EQ(ClampProfileCount(21), 20);
}

struct DeletionRow {
    const char* form;
    std::string content;
    Fault fault;
    std::string error;  // empty: the deletion goes through
};

TEST(SettingsFaults, EachHostileFileMeetsADeletionAsItsRowSays) {
    const std::string path = "\"C:\\Tools\\Zelta\\Zelta.ini\". ";
    const DeletionRow rows[] = {
        {"a full disk", TwoProfiles(), Fault::DiskFull,
         "Cannot create file " + path + "There is not enough space on the disk"},
        {"a file locked since start-up", TwoProfiles(), Fault::Unreadable,
         "Cannot open file " + path + "Access is denied"},
        {"LF line ends", FileOf(2, "2", "\n"), Fault::None, ""},
        {"a count of 21", FileOf(2, "21"), Fault::None, ""},
    };
    for (const DeletionRow& row : rows) {
        SCOPED_TRACE(row.form);
        Harness h;
        h.Start(row.content);
        h.f.XPBar_Profiles.ClickItem(0);
        h.SetFault(row.fault);
        EXPECT_EQ(fakes::ErrorOf([&] { h.f.Button_Delete.Click(); }), row.error);
        if (!row.error.empty()) {
            EXPECT_EQ(h.File(), row.content);
            EXPECT_EQ(h.f.XPBar_Profiles.Count(), 2);
            continue;
        }
        const auto lines = SplitLines(*h.File());
        EXPECT_EQ(lines[1].substr(0, 11), "#_profiles=");
        EXPECT_EQ(lines[2], "[Profile1]");
        EXPECT_EQ(lines[3], "profile_name=P2 - LAN");
        // Written back with CR LF line ends only.
        const std::string text = h.File().value_or("");
        for (std::size_t at = 0; at < text.size(); ++at) {
            if (text[at] == '\r') {
                EXPECT_EQ(text.compare(at, 2, "\r\n"), 0) << "a lone CR at byte " << at;
                ++at;
            } else if (text[at] == '\n') {
                ADD_FAILURE() << "a lone LF at byte " << at;
            }
        }
    }
}

}  // namespace
}  // namespace zelta::profiles
