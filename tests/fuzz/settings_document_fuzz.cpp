// The settings file reader and line loader over arbitrary file bytes: the lines keep every byte but the line
// ends, a document written back reads back the same, and a write changes the one value it writes and nothing
// else.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "FuzzCheck.h"
#include "profiles/NetworkProfile.h"
#include "profiles/SettingsDocument.h"

using namespace zelta::profiles;

namespace {

std::string Trim(const std::string& text) {
    const auto begin = text.find_first_not_of(" \t");
    if (begin == std::string::npos) return "";
    return text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
}

void CheckLines(const std::string& content) {
    const std::vector<std::string> lines = SplitLines(content);
    std::string kept;
    for (const std::string& line : lines) {
        FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos);
        kept += line;
    }
    std::string expectedKept;
    std::size_t lineEnds = 0;
    for (std::size_t i = 0; i < content.size(); ++i) {
        if (content[i] == '\n' || (content[i] == '\r' && (i + 1 == content.size() || content[i + 1] != '\n'))) {
            ++lineEnds;
        } else if (content[i] != '\r') {
            expectedKept += content[i];
        }
    }
    FUZZ_CHECK(kept == expectedKept);
    const bool unfinishedLast = !content.empty() && content.back() != '\n' && content.back() != '\r';
    FUZZ_CHECK(lines.size() == lineEnds + (unfinishedLast ? 1 : 0));
    FUZZ_CHECK(SplitLines(JoinLines(lines)) == lines);
}

// The places the program reads and writes: its own section and the first profiles, every key of each.
std::vector<std::pair<std::string, std::string>> Places() {
    std::vector<std::pair<std::string, std::string>> places;
    for (const char* key : {kProfileCountKey, kLastAppliedKey}) places.emplace_back(kSettingsSection, key);
    for (int number = 1; number <= 2; ++number) {
        for (const ProfileField& field : kProfileFields) places.emplace_back(ProfileSection(number), field.key);
    }
    return places;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    // The last bytes choose the write; the rest is the file, so a real file in the corpus stays a real file.
    const auto places = Places();
    const auto& [section, key] = places[provider.ConsumeIntegralInRange<std::size_t>(0, places.size() - 1)];
    const std::size_t sourceLine = provider.ConsumeIntegral<unsigned short>();
    const int profileNumber = provider.ConsumeIntegralInRange(1, 20);
    const int applied = provider.ConsumeIntegralInRange(0, 21);
    const int previous = provider.ConsumeIntegralInRange(0, 21);
    const std::string content = provider.ConsumeRemainingBytesAsString();

    CheckLines(content);
    const SettingsDocument document = SettingsDocument::Parse(content);
    FUZZ_CHECK(SettingsDocument::Parse(document.Content()).Lines() == document.Lines());

    std::vector<std::string> before;
    for (const auto& [s, k] : places) {
        const std::string value = document.ReadText(s, k, "\n");
        FUZZ_CHECK(value == "\n" || (value.size() <= kMaxValueLength && value == Trim(value)));
        before.push_back(value);
    }
    for (const int number : {3, 20}) {
        const NetworkProfile profile = ReadNetworkProfile(document, number);
        FUZZ_CHECK(profile.profileName.size() <= kMaxValueLength && profile.ip.size() <= kMaxValueLength);
    }

    // The value written is one of the file's own lines, so it carries whatever the file holds.
    const auto& lines = document.Lines();
    const std::string value = lines.empty() ? std::string() : lines[sourceLine % lines.size()];
    SettingsDocument written = document;
    written.WriteText(section, key, value);
    FUZZ_CHECK(written.ReadText(section, key, "\n") == Trim(value).substr(0, kMaxValueLength));
    for (std::size_t i = 0; i < places.size(); ++i) {
        if (places[i].first == section && places[i].second == key) continue;
        FUZZ_CHECK(written.ReadText(places[i].first, places[i].second, "\n") == before[i]);
    }
    // One line replaced, one inserted, or a new section of two lines at the end; every other line kept.
    const auto& after = written.Lines();
    FUZZ_CHECK(after.size() >= lines.size() && after.size() <= lines.size() + 2);
    std::size_t common = 0;
    while (common < lines.size() && lines[common] == after[common]) ++common;
    if (after.size() == lines.size()) {
        FUZZ_CHECK(common == lines.size() ||
                   std::equal(lines.begin() + common + 1, lines.end(), after.begin() + common + 1));
    } else if (after.size() == lines.size() + 1) {
        FUZZ_CHECK(std::equal(lines.begin() + common, lines.end(), after.begin() + common + 1));
    } else {
        FUZZ_CHECK(common == lines.size() && after[common] == "[" + section + "]");
    }

    // A whole profile reads back as written, each value as a read gives it.
    NetworkProfile profile;
    for (std::size_t i = 0; i < kProfileFields.size(); ++i) {
        FieldValue(profile, kProfileFields[i]) = lines.empty() ? std::string() : lines[(sourceLine + i) % lines.size()];
    }
    SettingsDocument saved = document;
    WriteNetworkProfile(saved, profileNumber, profile);
    const NetworkProfile read = ReadNetworkProfile(saved, profileNumber);
    for (const ProfileField& each : kProfileFields) {
        FUZZ_CHECK(FieldValue(read, each) == Trim(FieldValue(profile, each)).substr(0, kMaxValueLength));
    }

    // Marking the applied profile: "last_pai" names it, its mark is set and the previous one's cleared when the
    // file holds them, and no mark goes where the file holds no profile.
    SettingsDocument marked = document;
    MarkAppliedProfile(marked, applied, previous);
    const int count = document.ReadNumber(kSettingsSection, kProfileCountKey, 0);
    FUZZ_CHECK(marked.ReadNumber(kSettingsSection, kLastAppliedKey, -1) == applied);
    auto mark = [](const SettingsDocument& settings, int number) {
        return settings.Value(ProfileSection(number), kProfileAppliedKey);
    };
    if (applied >= 1 && applied <= count && applied <= 20) FUZZ_CHECK(mark(marked, applied) == "1");
    if (previous >= 1 && previous <= count && previous <= 20 && previous != applied) {
        FUZZ_CHECK(mark(marked, previous) == "0");
    }
    for (const int number : {applied, previous}) {
        if (number < 1 || number > count) FUZZ_CHECK(mark(marked, number) == mark(document, number));
    }
    return 0;
}
