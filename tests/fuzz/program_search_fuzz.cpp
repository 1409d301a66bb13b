// The companion's program search with arbitrary names, folders, PATH and PATHEXT, and files that exist as the
// fuzzer decides: the path found is the first one that exists, every path looked at names the program, and
// nothing is found that does not exist.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "companion/ProgramSearch.h"

using namespace zelta;

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    companion::SearchPlaces places;
    const std::string name = provider.ConsumeRandomLengthString(24);
    places.currentFolder = provider.ConsumeRandomLengthString(24);
    places.path = provider.ConsumeRandomLengthString(64);
    places.pathExt = provider.ConsumeRandomLengthString(32);

    std::vector<std::string> looked;
    std::vector<bool> existed;
    const auto found = companion::FindProgram(name, places, [&](const std::string& path) {
        FUZZ_CHECK(path.find(name) != std::string::npos);
        looked.push_back(path);
        existed.push_back(provider.ConsumeIntegralInRange(0, 7) == 0);
        return static_cast<bool>(existed.back());
    });
    if (name.empty()) FUZZ_CHECK(looked.empty());
    if (found) {
        FUZZ_CHECK(!looked.empty() && existed.back() && looked.back() == *found);
        existed.pop_back();
    }
    for (const bool each : existed) FUZZ_CHECK(!each);
    if (found) companion::IsStartableProgram(*found);
    return 0;
}
