#pragma once
// Removing one profile from the settings file's lines. The file keeps the profile count on line 2 and every
// profile in a block of its header and one line per field (14 lines), so the deletion works on lines alone.
#include <string>
#include <vector>

#include "profiles/ProfileFields.h"

namespace zelta::profiles {

constexpr int kProfileBlockLines = 1 + static_cast<int>(kProfileFieldCount);

// Where the applied profile ends up when profile deleted goes: unchanged before it, none (0) when it was the
// deleted one, one lower after it.
int AppliedNumberAfterDeletion(int applied, int deleted);

// Removes the block of profile number from lines: the count on line 2 drops by one, the headers of the blocks
// that followed are renumbered, and "last_pai" follows its profile (0 when that was the deleted one).
// False, with lines untouched, when no header of that profile is found. Throws "'%s' is not a valid integer
// value" when line 2 holds no integer, and the list-index error when there is no line 2.
bool RemoveProfileBlock(std::vector<std::string>& lines, int number);

}  // namespace zelta::profiles
