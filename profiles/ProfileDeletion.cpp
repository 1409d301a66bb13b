#include "profiles/ProfileDeletion.h"

#include <algorithm>

#include "app/model/Control.h"
#include "app/model/IntegerText.h"
#include "app/model/ZeltaError.h"
#include "profiles/NetworkProfile.h"

namespace zelta::profiles {

namespace {

std::string Header(int number) { return "[" + ProfileSection(number) + "]"; }

// The text after the first "=", or the whole line when it has none.
std::string ValueOfLine(const std::string& line) {
    const auto equals = line.find('=');
    return equals == std::string::npos ? line : line.substr(equals + 1);
}

// "last_pai" is matched the way the settings reader matches keys; a present key is replaced in place, so no
// line moves.
void KeepLastAppliedInStep(std::vector<std::string>& lines, int deleted) {
    SettingsDocument settings(lines);
    const auto stored = settings.Value(kSettingsSection, kLastAppliedKey);
    if (!stored) return;
    const int applied = NumberFromText(*stored, 0);
    if (applied < 1) return;
    settings.WriteNumber(kSettingsSection, kLastAppliedKey, AppliedNumberAfterDeletion(applied, deleted));
    lines = settings.Lines();
}

}  // namespace

int AppliedNumberAfterDeletion(int applied, int deleted) {
    if (applied < deleted) return applied;
    return applied == deleted ? 0 : applied - 1;
}

bool RemoveProfileBlock(std::vector<std::string>& lines, int number) {
    if (lines.size() < 2) throw ZeltaError(ListIndexError(1));
    // The list held at most 20 profiles, however large a hand-edited count is.
    const int count = ClampProfileCount(StrToInt(ValueOfLine(lines[1])));
    const std::string header = Header(number);
    std::size_t position = 0;
    while (position + 1 < lines.size() && lines[position] != header) ++position;
    if (position + 1 >= lines.size()) return false;

    const std::size_t blockEnd = std::min(lines.size(), position + kProfileBlockLines);
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(position),
                lines.begin() + static_cast<std::ptrdiff_t>(blockEnd));
    lines[1] = std::string(kProfileCountKey) + "=" + std::to_string(count > 0 ? count - 1 : 0);
    for (long long j = 0; j < static_cast<long long>(count) - number; ++j) {
        const std::size_t at = position + static_cast<std::size_t>(kProfileBlockLines * j);
        if (at >= lines.size()) break;
        lines[at] = Header(number + static_cast<int>(j));
    }
    KeepLastAppliedInStep(lines, number);
    return true;
}

}  // namespace zelta::profiles
