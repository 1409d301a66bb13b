// The profile_name split: name and adapter come back from the stored text exactly when the name holds no "- "
// and does not end in "-", which is the rule the Save button enforces; and a split of any stored text gives a
// name from its front and an adapter from its end.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "FuzzCheck.h"
#include "profiles/NetworkProfile.h"

using namespace zelta::profiles;

namespace {

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    const std::string name = provider.ConsumeRandomLengthString(64);
    const std::string adapter = provider.ConsumeRemainingBytesAsString();

    const std::string stored = ComposeProfileName(name, adapter);
    const bool mustSurvive = name.find("- ") == std::string::npos && !EndsWith(name, "-");
    FUZZ_CHECK(SurvivesSplit(name, adapter) == mustSurvive);
    const ProfileNameParts parts = SplitProfileName(stored);
    if (mustSurvive) FUZZ_CHECK(parts.name == name && parts.adapter == adapter);

    // Any text as it may stand in a hand-edited file.
    const std::string raw = name + adapter;
    const ProfileNameParts split = SplitProfileName(raw);
    FUZZ_CHECK(raw.compare(0, split.name.size(), split.name) == 0);
    FUZZ_CHECK(EndsWith(raw, split.adapter));
    const auto dash = raw.find("- ");
    if (dash == std::string::npos) {
        FUZZ_CHECK(split.name.empty() && split.adapter == (raw.empty() ? "" : raw.substr(1)));
    } else {
        FUZZ_CHECK(split.adapter == raw.substr(dash + 2));
        FUZZ_CHECK(split.name.size() + 1 == dash || (dash == 0 && split.name.empty()));
    }
    return 0;
}
